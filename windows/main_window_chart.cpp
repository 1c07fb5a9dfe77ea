// The clock window's enlarged chart: opened while the clock is halted, with
// every button disabled, and given the place line, the last search result
// and the printer's page width.
#include "engine/text_forms.h"
#include "windows/enlarged_chart_window.h"
#include "windows/main_window.h"

namespace sternwerk {

void MainWindow::ShowEnlargedChart() {
  SetControlButtonsEnabled(false);
  SetSearchButtonsEnabled(false);
  EnlargedChartWindow& chart = *windows.enlargedChart;
  chart.handOver = {
      {FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth), search.resultText},
      printPageWidth};
  chart.exec();
  SetControlButtonsEnabled(true);
  SetSearchButtonsEnabled(true);
}

}  // namespace sternwerk
