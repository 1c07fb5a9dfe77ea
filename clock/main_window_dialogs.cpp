// The clock window's two setting dialogs, date/time/place and interval.
// Each runs with the clock halted and every button disabled; afterwards the
// clock stays halted, or runs at one tick per second when the rate stood at
// 0, and both button groups are enabled.
#include "clock/clock_step.h"
#include "clock/interval_dialog.h"
#include "clock/main_window.h"
#include "platform/qt_text.h"
#include "windows/date_time_place_dialog.h"

namespace sternwerk {
namespace {

// A dialog closed at rate 0 starts the clock at one tick forward; moving the
// slider to that rate runs its change handling.
void StartAtOneTickWhenRateIsZero(TForm1& form) {
  if (form.sky.ticksPerSecond != 0) return;
  form.sky.ticksPerSecond = 1;
  form.ScrollBar1->setValue(SliderPositionFromRate(1));
  form.Label7->setText(QStringLiteral("1"));
}

}  // namespace

void TForm1::Button2Click() {
  buttons(false);
  vier_buttons(false);
  ShowHalted();
  ClearSearchResult();
  windows.dateTimePlace->exec();
  ShowInstant();
  ShowPlace();
  Diagramm();
  StartAtOneTickWhenRateIsZero(*this);
  buttons(true);
  vier_buttons(true);
}

void TForm1::Button3Click() {
  buttons(false);
  vier_buttons(false);
  ClearSearchResult();
  ShowHalted();
  windows.interval->Edit1->setText(QStringLiteral("0"));
  windows.interval->exec();
  Label4->setText(FromWindows1252(IntervalText(sky)));
  StartAtOneTickWhenRateIsZero(*this);
  buttons(true);
  vier_buttons(true);
  Diagramm();
}

}  // namespace sternwerk
