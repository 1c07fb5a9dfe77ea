#include "windows/sky_picture_window.h"

#include <QDir>
#include <QFileInfo>

#include "places/qt/place_time_text.h"
#include "platform/clipboard.h"
#include "windows/export_file_dialog.h"

namespace sternwerk {

SkyPictureWindow::SkyPictureWindow(const SkyState& sky, const DisplayOptions& display,
                                   Messages& messages, QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      exportChooser(
          [this](const QString& suggestedPath) { return ChooseExportFile(this, suggestedPath); }),
      sky_(sky),
      display_(display),
      messages_(messages) {}

void SkyPictureWindow::PrintOnChosenPrinter(QPrinter& printer,
                                            const std::function<Status(QPrinter&)>& print) {
  if (!printerChoice->Choose(printer)) return;
  const Status printed = print(printer);
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

void SkyPictureWindow::ExportTo(const std::filesystem::path& suggested,
                                const std::function<Status(const std::string&)>& write) {
  const QString path = exportChooser(QString::fromStdString(suggested.string()));
  if (path.isEmpty()) return;
  const Status written = write(path.toStdString());
  if (!written.ok()) {
    messages_.Error(QString::fromStdString(written.error()));
    return;
  }
  const QFileInfo file(path);
  messages_.Information(tr("Gespeichert als  %1  im Ordner  %2.")
                            .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
}

std::string SkyPictureWindow::ExportStem() const {
  return PictureFileStem(handOver.place, sky_);
}

Status SkyPictureWindow::Publish(const Picture& picture, const std::function<Status()>& writeFile) {
  CopyPictureToClipboard(picture);
  const Status written = writeFile();
  if (!written.ok()) writeFailure_.Error(written.error());
  return written;
}

}  // namespace sternwerk
