// The clock window's enlarged chart: opened while the clock is halted, with
// every button disabled, and given the place line, the last search result,
// the printer's page width and the choice of houses and aspects.
#include "engine/text_forms.h"
#include "places/qt/place_time_text.h"
#include "windows/enlarged_chart_window.h"
#include "windows/main_window.h"

namespace sternwerk {

void MainWindow::ShowEnlargedChart() {
  clock_.EnableButtonGroups(false);
  ShowButtonGroups();
  EnlargedChartWindow& chart = *windows_.enlargedChart;
  const SkyState& sky = clock_.sky();
  chart.handOver = {{FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth),
                     clock_.search().resultText, ChartPlaceTimeText(clock_.placeIdentity(), sky)},
                    static_cast<std::uint16_t>(services_.printPage.width()),
                    clock_.placeIdentity(),
                    astrology_};
  chart.exec();
  clock_.EnableButtonGroups(true);
  ShowButtonGroups();
}

}  // namespace sternwerk
