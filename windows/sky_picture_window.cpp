#include "windows/sky_picture_window.h"

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

}  // namespace sternwerk
