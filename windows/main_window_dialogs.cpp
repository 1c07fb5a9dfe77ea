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
  DateTimePlaceDialog& dialog = *windows_.dateTimePlace;
  // The time is typed as the user last chose, and shown first so.
  const bool localBefore = LoadLocalTimeFirst();
  dialog.Prepare(clock_.sky(), clock_.placeIdentity(), localBefore);
  dialog.exec();
  const bool localFirst = dialog.localTimeBox->isChecked();
  if (localFirst != localBefore) SaveLocalTimeFirst(localFirst);
  clock_.EndDateTimePlace(dialog.enteredSky(), dialog.placeIdentity(), localFirst);
  ShowClock();
  UpdateDial();
}

void MainWindow::EditInterval() {
  clock_.BeginSetting();
  ShowClock();
  windows_.interval->exec();
  clock_.EndInterval(windows_.interval->choice());
  ShowClock();
  UpdateDial();
}

}  // namespace sternwerk
