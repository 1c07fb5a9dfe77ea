// The clock window's "Himmel hier": a window of its own beside the clock,
// made at its first use, which follows the clock's sky and place while it
// is open (UpdateDial tells it of every change).
#include <utility>

#include "windows/main_window.h"
#include "windows/sky_here_window.h"

namespace sternwerk {

void MainWindow::ShowSkyHere() {
  if (skyHereWindow == nullptr) {
    const Clock& clock = std::as_const(clock_);
    skyHereWindow = new SkyHereWindow(clock.sky(), clock.placeIdentity(), services_.messages, this);
    skyHereWindow->setObjectName(QStringLiteral("skyHereWindow"));
  }
  skyHereWindow->show();
  skyHereWindow->raise();
  skyHereWindow->activateWindow();
}

}  // namespace sternwerk
