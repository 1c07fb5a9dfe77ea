#include "observing/day_events.h"

#include <swephexp.h>

#include <array>

#include "engine/library_bodies.h"
#include "observing/ephemeris_access.h"
#include "observing/horizontal_sky.h"

namespace sternwerk {
namespace {

// Zero pressure and temperature ask the library for its standard atmosphere.
constexpr double kStandardPressure = 0;
constexpr double kStandardTemperature = 0;
// swe_rise_trans: -2 when the body neither rises nor sets, below 0 on an error.
constexpr int32 kNoEvent = -2;

}  // namespace

Outcome<std::optional<ClockSeconds>> LibraryEventInDay(int body, int event, const LocalDay& day,
                                                       const ObserverPlace& place) {
  using Result = Outcome<std::optional<ClockSeconds>>;
  std::array<double, 3> geographic = LibraryPlace({place.longitude, place.latitude, 0});
  std::array<char, AS_MAXCH> error{};
  double found = 0;
  const int32 status =
      swe_rise_trans(JulianDayOf(day.start), body, nullptr, SEFLG_SWIEPH, event, geographic.data(),
                     kStandardPressure, kStandardTemperature, &found, error.data());
  if (status == kNoEvent) return Result::Success(std::nullopt);
  if (status < 0) return Result::Failure(LibraryErrorText(error.data()));
  const ClockSeconds instant = InstantOfJulianDay(found);
  if (instant >= day.end) return Result::Success(std::nullopt);
  return Result::Success(instant);
}

Outcome<HorizonDay> HorizonDayOf(int factor, const LocalDay& day, const ObserverPlace& place) {
  using Result = Outcome<HorizonDay>;
  const int body = *LibraryBody(factor);
  HorizonDay events;
  events.factor = factor;
  for (const auto& [event, found] :
       {std::pair{SE_CALC_RISE, &events.rise}, std::pair{SE_CALC_MTRANSIT, &events.transit},
        std::pair{SE_CALC_SET, &events.set}}) {
    Outcome<std::optional<ClockSeconds>> searched = LibraryEventInDay(body, event, day, place);
    if (!searched.ok()) return Result::Failure(searched.error());
    *found = searched.value();
  }
  if (!events.rise && !events.set) {
    // No crossing all day: the body's side of the horizon at noon is its
    // side all day.
    const Outcome<BodyInSky> midday =
        ObserveBody(factor, day.start + (day.end - day.start) / 2, place);
    if (!midday.ok()) return Result::Failure(midday.error());
    events.upAllDay = midday.value().up;
    events.downAllDay = !midday.value().up;
  }
  return Result::Success(events);
}

}  // namespace sternwerk
