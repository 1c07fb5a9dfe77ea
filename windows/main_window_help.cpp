// The clock window's introduction: opening it halts the clock and holds back
// every button; closing it gives the buttons back and leaves the clock
// halted, to be continued with "&Weiter".
#include "windows/introduction_window.h"
#include "windows/main_window.h"

namespace sternwerk {

void MainWindow::ShowIntroduction() {
  clock_.BeginPause();
  ShowClock();
  windows_.introduction->exec();
  clock_.EndPause();
  ShowClock();
}

}  // namespace sternwerk
