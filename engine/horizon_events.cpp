#include "engine/horizon_events.h"

#include <swephexp.h>

#include <array>
#include <cmath>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/library_bodies.h"
#include "engine/sky.h"

namespace sternwerk {
namespace {

constexpr double kPlaceHeightMetres = 0;
// Zero pressure and temperature ask the library for its standard atmosphere.
constexpr double kStandardPressure = 0;
constexpr double kStandardTemperature = 0;
// swe_rise_trans: -2 when the body neither rises nor sets, below 0 on an error.
constexpr int32 kNoEvent = -2;

int32 LibraryEvent(EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return SE_CALC_RISE;
    case EventKind::kSet:
      return SE_CALC_SET;
    default:
      return SE_CALC_MTRANSIT;
  }
}

// The Julian day rounded to the whole second of Universal Time.
double RoundedToSecond(double julianDay) {
  return std::round(julianDay * kSecondsPerDay) / kSecondsPerDay;
}

}  // namespace

bool HasHorizonRise(int factor) {
  return factor != kLunarNode && LibraryBody(factor).has_value();
}

std::string HorizonEventName(EventKind kind, int factor) {
  const std::string code = ShownFactorCode(factor);
  constexpr const char* kContext = "sternwerk::HorizonEvents";
  switch (kind) {
    case EventKind::kRise:
      return code + Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::HorizonEvents",
                                                           "-Aufgang am Horizont"));
    case EventKind::kSet:
      return code + Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::HorizonEvents",
                                                           "-Untergang am Horizont"));
    default:
      return code + Translated(kContext,
                               QT_TRANSLATE_NOOP("sternwerk::HorizonEvents", "-Meridiandurchgang"));
  }
}

Outcome<SearchStatus> SearchHorizonEvent(SkyState& sky, EventKind kind, int factor,
                                         ComputationMode mode, double fromHours) {
  if (IsLunation(kind) || !HasHorizonRise(factor))
    return Outcome<SearchStatus>::Success(SearchStatus::kNotSearchable);
  const double start = JulianDayNumber(sky.day, sky.month, sky.year) + fromHours / kHoursPerDay;
  std::array<double, 3> place = {sky.longitude, sky.latitude, kPlaceHeightMetres};
  std::array<char, AS_MAXCH> error{};
  double event = 0;
  const int32 result =
      swe_rise_trans(start, *LibraryBody(factor), nullptr, SEFLG_SWIEPH, LibraryEvent(kind),
                     place.data(), kStandardPressure, kStandardTemperature, &event, error.data());
  if (result == kNoEvent) return Outcome<SearchStatus>::Success(SearchStatus::kNotFound);
  if (result < 0) return Outcome<SearchStatus>::Failure(error.data());

  int year = 0, month = 0, day = 0;
  double hours = 0;
  swe_revjul(RoundedToSecond(event), SE_GREG_CAL, &year, &month, &day, &hours);
  // The hours of a whole second, without the last bits revjul's division adds.
  SetInstant(sky, day, month, year, std::round(hours * 3600) / 3600);
  ComputeSky(sky, mode);
  return Outcome<SearchStatus>::Success(SearchStatus::kFound);
}

}  // namespace sternwerk
