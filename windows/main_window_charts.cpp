// The clock window's "Horoskope": the chart collection opens with the clock
// halted and every button disabled; a chart opened there becomes the
// clock's instant and place, and the clock stays halted.
#include "collection/chart_of_instant.h"
#include "collection/chart_sky.h"
#include "places/qt/civil_time.h"
#include "windows/chart_collection_window.h"
#include "windows/main_window.h"

namespace sternwerk {

void MainWindow::ShowChartCollection() {
  clock_.BeginPause();
  ShowClock();
  ChartCollectionWindow& window = *windows_.chartCollection;
  const SkyState& sky = clock_.sky();
  // Saved, the time is typed as the clock shows it: local or Universal.
  window.Prepare(ChartOfInstant({}, clock_.ShownInstant(),
                                {sky.longitude, sky.latitude, clock_.placeIdentity()},
                                SystemPlaceTimeRules(), clock_.LocalTimeShownFirst()));
  window.exec();
  if (window.opened()) {
    const ChartSky chart = SkyOfChart(*window.opened());
    clock_.SetInstantAndPlace(chart.sky, chart.place);
  }
  clock_.EndPause();
  ShowClock();
  UpdateDial();
}

}  // namespace sternwerk
