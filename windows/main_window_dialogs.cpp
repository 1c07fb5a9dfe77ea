// The clock window's two setting dialogs, date/time/place and interval.
// Each runs with the clock halted and every button disabled; afterwards the
// clock stays halted, or runs at one tick per second when the rate stood at
// 0, and both button groups are enabled.
#include "windows/computation_setting.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {

void MainWindow::EditDateTimePlace() {
  clock_.BeginSetting();
  ShowClock();
  windows_.dateTimePlace->SetPlaceIdentity(clock_.placeIdentity());
  // The time is typed as the user last chose, and shown first so.
  const bool localBefore = LoadLocalTimeFirst();
  windows_.dateTimePlace->localTimeBox->setChecked(localBefore);
  windows_.dateTimePlace->exec();
  const bool localFirst = windows_.dateTimePlace->localTimeBox->isChecked();
  if (localFirst != localBefore) SaveLocalTimeFirst(localFirst);
  clock_.ShowLocalTimeFirst(localFirst);
  clock_.SetPlaceIdentity(windows_.dateTimePlace->placeIdentity());
  clock_.TakePlaceLineFromSky();
  clock_.EndSetting();
  ShowClock();
  UpdateDial();
}

void MainWindow::EditInterval() {
  clock_.BeginSetting();
  ShowClock();
  windows_.interval->exec();
  clock_.EndSetting();
  ShowClock();
  UpdateDial();
}

}  // namespace sternwerk
