// Scans Universal Time forward from midnight for the moment a factor meets
// an axis (rise, set, culmination) or the Moon meets the Sun or the point
// opposite it (new and full moon).
#pragma once

#include <functional>
#include <optional>

#include "engine/computation_mode.h"
#include "engine/sky_state.h"

namespace sternwerk {

enum class EventKind { kRise, kSet, kCulmination, kFullMoon, kNewMoon };

// kNotSearchable: the factor has no rise, set or culmination to search for.
enum class SearchStatus { kFound, kNotFound, kCancelled, kNotSearchable };

// Told the whole hour (0..23) of the instant about to be tried each time it
// changes, starting with 0; returns false to cancel the search.
using SearchProgress = std::function<bool(int hour)>;

// Rise, set and culmination: steps of one second, a match is a difference
// of less than 0.006 degrees; at most 31 days are scanned.
inline constexpr int kAxisStepsPerHour = 3600;
inline constexpr double kAxisTolerance = 0.006;
inline constexpr int kAxisSearchDays = 31;
// Full and new moon: steps of thirty seconds, less than 0.1 degree; 32 days.
inline constexpr int kLunationStepsPerHour = 120;
inline constexpr double kLunationTolerance = 0.1;
inline constexpr int kLunationSearchDays = 32;

// True for the lunations, which always concern the Moon.
bool IsLunation(EventKind kind);
// Factors whose rise, set and culmination can be searched: the Sun, the
// Moon, Mercury to Pluto and the hypothetical points (2, 4, 6..21).
bool IsSearchableFactor(int factor);
// 31 for rise, set and culmination, 32 for the lunations.
int DefaultSearchDays(EventKind kind);

// The longitude the factor must meet, degrees in [0, 360): the Ascendent,
// the point opposite it, the MC, the point opposite the Sun, the Sun. The
// parts of the sky it reads must be computed.
double EventTargetLongitude(const SkyState& sky, EventKind kind);

// Scans from 00:00:00 of the sky's date: the n-th instant tried on a day is
// n steps after midnight; after the day's last step the date moves on with
// NextDay. maxDays defaults to DefaultSearchDays(kind). For rise, set and
// culmination the first instant whose unreduced difference target - longitude
// of the factor lies inside the tolerance is found. For the lunations the band
// is reached minutes before the Moon meets the target: of the run of
// consecutive steps inside it (ended early by the bound), the one with the
// smallest unreduced |target - Moon| is found. The sky is left fully computed
// at the instant found. Not found within maxDays scanned days,
// or cancelled, the sky is left exactly as it was. The scan ends with the
// last day of the year kLastFourDigitYear.
//
// Only the parts of the sky the difference needs are computed, and instants
// that cannot meet the tolerance, by a bound on how fast the difference
// changes, are passed over; the instant found is the one a scan recomputing
// everything at every step finds. A factor that cannot be searched gives
// kNotSearchable and leaves the sky as it was.
//
// In the precise mode the same steps, tolerances and bound are used; only
// the longitudes compared come from the precise computation (where the
// library fails for an instant, the own computation is compared there).
//
// `fromHours` starts the scan later on the first day, at the first step at
// or after that hour of Universal Time; the steps stay those counted from
// midnight. A lunation whose closest step lies before that start is passed
// over: the next one is found.
SearchStatus SearchEvent(SkyState& sky, EventKind kind, int factor,
                         const SearchProgress& progress = {},
                         std::optional<int> maxDays = std::nullopt,
                         ComputationMode mode = ComputationMode::kOwn, double fromHours = 0);

}  // namespace sternwerk
