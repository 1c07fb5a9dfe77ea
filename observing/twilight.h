// Dawn and dusk: the instants the Sun's centre stands 6, 12 or 18 degrees
// below the geometric horizon, in the morning and in the evening.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "base/outcome.h"
#include "engine/calendar.h"
#include "observing/observer_place.h"

namespace sternwerk {

enum class TwilightDepth { kCivil, kNautical, kAstronomical };
enum class TwilightEdge { kDawn, kDusk };

inline constexpr std::array<TwilightDepth, 3> kTwilightDepths = {
    TwilightDepth::kCivil, TwilightDepth::kNautical, TwilightDepth::kAstronomical};

// The depth of the Sun's centre below the horizon: 6, 12 or 18 degrees.
double TwilightDepthDegrees(TwilightDepth depth);

// The event's name: "Bürgerliche Morgendämmerung", "Nautische
// Abenddämmerung" ..., in English "Civil dawn", "Nautical dusk" ...
std::string TwilightName(TwilightDepth depth, TwilightEdge edge);

// TwilightIn: the first dawn or dusk of the depth from the start of the
// day, where it falls within the day.
//
// Given:   day    Universal Time
//          place  the observer (its height is taken as 0 m)
// Returned:
//          the instant, to the second; none where the Sun does not go
//          that deep on the day (or does not come up from it, at the end
//          of a polar night) or the event falls on a later day; the
//          library's message where it cannot compute the date.
Outcome<std::optional<ClockSeconds>> TwilightIn(TwilightDepth depth, TwilightEdge edge,
                                                const LocalDay& day, const ObserverPlace& place);

// The civil, nautical and astronomical dawn and dusk of a day.
struct DayTwilights {
  std::array<std::optional<ClockSeconds>, 3> dawn;  // by kTwilightDepths
  std::array<std::optional<ClockSeconds>, 3> dusk;
};
Outcome<DayTwilights> TwilightsOf(const LocalDay& day, const ObserverPlace& place);

}  // namespace sternwerk
