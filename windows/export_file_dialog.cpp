#include "windows/export_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace sternwerk {

namespace {

const QString kTitle = QStringLiteral("Exportieren");
const QStringList kFilters = {
    QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("SVG-Grafik (*.svg)"),
    QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("Windows-Metafile (*.wmf)")};

// ".png" of "PNG-Bild (*.png)".
QString ExtensionOf(const QString& filter) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

QString ChooseExportFile(QWidget* parent, const QString& suggestedPath) {
  QString chosenFilter = kFilters.front();
  QString path = QFileDialog::getSaveFileName(parent, kTitle, suggestedPath,
                                              kFilters.join(QStringLiteral(";;")), &chosenFilter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ExtensionOf(chosenFilter);
  return path;
}

}  // namespace sternwerk
