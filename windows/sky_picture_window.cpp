#include "windows/sky_picture_window.h"

#include "platform/clipboard.h"

namespace sternwerk {

SkyPictureWindow::SkyPictureWindow(const SkyState& sky, const DisplayOptions& display,
                                   Messages& messages, QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      sky_(sky),
      display_(display),
      messages_(messages) {}

void SkyPictureWindow::PrintOnChosenPrinter(QPrinter& printer,
                                            const std::function<Status(QPrinter&)>& print) {
  if (!printerChoice->Choose(printer)) return;
  const Status printed = print(printer);
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

void SkyPictureWindow::ExportTo(const std::function<Status(const std::string&)>& write) {
  const QString path = exportChooser();
  if (path.isEmpty()) return;
  const Status written = write(path.toStdString());
  if (!written.ok()) messages_.Error(QString::fromStdString(written.error()));
}

Status SkyPictureWindow::Publish(const Picture& picture, const std::function<Status()>& writeFile) {
  CopyPictureToClipboard(picture);
  const Status written = writeFile();
  if (!written.ok()) writeFailure_.Error(written.error());
  return written;
}

}  // namespace sternwerk
