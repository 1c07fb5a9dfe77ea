#include "windows/export_file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace sternwerk {

namespace {

constexpr const char* kContext = "sternwerk::ExportFileDialog";
constexpr const char* kTitle = QT_TRANSLATE_NOOP("sternwerk::ExportFileDialog", "Exportieren");
constexpr const char* kFilters[] = {
    QT_TRANSLATE_NOOP("sternwerk::ExportFileDialog", "PNG-Bild (*.png)"),
    QT_TRANSLATE_NOOP("sternwerk::ExportFileDialog", "SVG-Grafik (*.svg)"),
    QT_TRANSLATE_NOOP("sternwerk::ExportFileDialog", "PDF-Dokument (*.pdf)"),
    QT_TRANSLATE_NOOP("sternwerk::ExportFileDialog", "Windows-Metafile (*.wmf)")};

// ".png" of "PNG-Bild (*.png)".
QString ExtensionOf(const QString& filter) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

QString ChooseExportFile(QWidget* parent, const QString& suggestedPath) {
  QStringList filters;
  for (const char* filter : kFilters) filters << QCoreApplication::translate(kContext, filter);
  QString chosenFilter = filters.front();
  QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate(kContext, kTitle),
                                              suggestedPath, filters.join(QStringLiteral(";;")),
                                              &chosenFilter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ExtensionOf(chosenFilter);
  return path;
}

}  // namespace sternwerk
