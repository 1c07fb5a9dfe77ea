// The clock window's enlarged chart: opened while the clock is halted, with
// every button disabled, and given the place line, the last search result
// and the printer's page width.
#include "clock/main_window.h"
#include "engine/text_forms.h"
#include "windows/enlarged_chart_window.h"

namespace sternwerk {

void TForm1::Button9Click() {
  buttons(false);
  vier_buttons(false);
  TForm5& chart = *windows.enlargedChart;
  chart.texts = {FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth),
                 searchResultText};
  chart.printPageWidth = printPageWidth;
  chart.exec();
  buttons(true);
  vier_buttons(true);
}

}  // namespace sternwerk
