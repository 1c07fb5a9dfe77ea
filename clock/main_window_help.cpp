// The clock window's introduction: opening it halts the clock and holds back
// every button; closing it gives the buttons back and leaves the clock
// halted, to be continued with "&Weiter".
#include "clock/main_window.h"
#include "windows/introduction_window.h"

namespace sternwerk {

void TForm1::Button11Click() {
  buttons(false);
  vier_buttons(false);
  ShowHalted();
  Button11->setEnabled(false);
  windows.introduction->exec();
  buttons(true);
  vier_buttons(true);
  Button11->setEnabled(true);
}

}  // namespace sternwerk
