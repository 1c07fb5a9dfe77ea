// The clock window's two setting dialogs, date/time/place and interval.
// Each runs with the clock halted and every button disabled; afterwards the
// clock stays halted, or runs at one tick per second when the rate stood at
// 0, and both button groups are enabled.
#include "clock/clock_step.h"
#include "platform/qt_text.h"
#include "windows/date_time_place_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

// A dialog closed at rate 0 starts the clock at one tick forward; moving the
// slider to that rate runs its change handling.
void StartAtOneTickWhenRateIsZero(MainWindow& form) {
  if (form.clockSettings.ticksPerSecond != 0) return;
  form.clockSettings.ticksPerSecond = 1;
  form.rateSlider->setValue(SliderPositionFromRate(1));
  form.rateLabel->setText(QStringLiteral("1"));
}

}  // namespace

void MainWindow::EditDateTimePlace() {
  SetControlButtonsEnabled(false);
  SetSearchButtonsEnabled(false);
  ShowHalted();
  ClearSearchResult();
  windows.dateTimePlace->exec();
  ShowInstant();
  ShowPlace();
  UpdateDial();
  StartAtOneTickWhenRateIsZero(*this);
  SetControlButtonsEnabled(true);
  SetSearchButtonsEnabled(true);
}

void MainWindow::EditInterval() {
  SetControlButtonsEnabled(false);
  SetSearchButtonsEnabled(false);
  ClearSearchResult();
  ShowHalted();
  windows.interval->minutesEdit->setText(QStringLiteral("0"));
  windows.interval->exec();
  intervalLabel->setText(FromWindows1252(IntervalText(clockSettings)));
  StartAtOneTickWhenRateIsZero(*this);
  SetControlButtonsEnabled(true);
  SetSearchButtonsEnabled(true);
  UpdateDial();
}

}  // namespace sternwerk
