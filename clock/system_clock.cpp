#include "clock/system_clock.h"

#include "engine/calendar.h"
#include "engine/text_forms.h"

namespace sternwerk {

std::chrono::system_clock::time_point ComputerClock::Now() const {
  return std::chrono::system_clock::now();
}

void SetInstantFromClock(SkyState& sky, const SystemClock& clock) {
  using namespace std::chrono;
  const system_clock::time_point now = clock.Now();
  const sys_days today = floor<days>(now);
  const year_month_day date(today);
  const hh_mm_ss<seconds> time(floor<seconds>(now - today));

  sky.day = static_cast<int>(unsigned(date.day()));
  sky.month = static_cast<int>(unsigned(date.month()));
  sky.year = int(date.year());
  sky.dateText = DateText(sky.day, sky.month, sky.year);

  const auto hour = time.hours().count();
  const auto minute = time.minutes().count();
  const auto second = time.seconds().count();
  sky.timeText = ZeroPad(hour, 2) + "." + ZeroPad(minute, 2) + "." + ZeroPad(second, 2);
  sky.hours = hour + minute / 60.0 + second / 3600.0;
}

}  // namespace sternwerk
