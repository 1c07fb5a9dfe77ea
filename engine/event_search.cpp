#include "engine/event_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/time_units.h"
#include "engine/arithmetic.h"
#include "engine/axes.h"
#include "engine/calendar.h"
#include "engine/planets.h"
#include "engine/precise_sky.h"
#include "engine/sky.h"
#include "engine/sun_moon.h"

namespace sternwerk {
namespace {

constexpr double kHalfCircle = 180;
constexpr double kFullCircle = 360;

// Upper bounds of speeds, degrees per second of Universal Time, each above
// the real value: the Earth turns 15.041 degrees an hour; no factor moves
// faster than the Moon, at most 15.4 degrees a day.
constexpr double kSiderealDegreesPerSecond = 15.05 / 3600;
constexpr double kFactorDegreesPerSecond = 17.0 / 86400;
constexpr double kSunDegreesPerSecond = 1.1 / 86400;
// Covers rounding in the bounds and in the longitudes compared.
constexpr double kRateSafety = 1.05;
// The Ascendent's speed is bounded over a stretch of this many steps ahead.
constexpr int kAscendantWindowSteps = 600;
// Below this, the horizon's intersection with the ecliptic is nearly
// undefined and the Ascendent may jump: no step is passed over.
constexpr double kDegenerateHorizon = 1e-6;

struct Scan {
  int stepsPerHour;
  double tolerance;
};

Scan ScanOf(EventKind kind) {
  if (IsLunation(kind)) return {kLunationStepsPerHour, kLunationTolerance};
  return {kAxisStepsPerHour, kAxisTolerance};
}

double Opposite(double longitude) {
  double opposite = longitude - kHalfCircle;
  if (opposite < 0) opposite += kFullCircle;
  return opposite;
}

// The precise parts of the difference, each exactly as the precise
// ComputeSky computes it, or the library's failure.
Status ComputePreciseDifferenceParts(SkyState& sky, EventKind kind, int factor) {
  if (factor >= kCupido) ComputePlanets(sky);  // the hypothetical points stay own
  return ComputePreciseParts(sky, !IsLunation(kind), factor, IsLunation(kind));
}

// Computes what the difference of the kind needs, each part exactly as
// ComputeSky computes it in the mode, and returns target - factor.
double Difference(SkyState& sky, EventKind kind, int factor, ComputationMode mode) {
  ComputeTime(sky);
  if (mode == ComputationMode::kPrecise && ComputePreciseDifferenceParts(sky, kind, factor).ok()) {
    return EventTargetLongitude(sky, kind) - sky.longitudes[factor];
  }
  if (!IsLunation(kind)) ComputeAxes(sky);
  if (factor == kSun || factor == kMoon) {
    const LunisolarElements mean = ComputeSun(sky);
    if (factor == kMoon) ComputeMoon(sky, mean);
  } else {
    ComputePlanets(sky);
  }
  return EventTargetLongitude(sky, kind) - sky.longitudes[factor];
}

// The range of sin over [from, to] (radians, to - from below a full turn).
struct Range {
  double low;
  double high;
};

bool Contains(double from, double to, double angle) {
  const double turn = 2 * static_cast<double>(kPi);
  const double first = angle + std::ceil((from - angle) / turn) * turn;
  return first <= to;
}

Range SineRange(double from, double to) {
  const double halfPi = static_cast<double>(kPi / 2);
  Range range{std::min(std::sin(from), std::sin(to)), std::max(std::sin(from), std::sin(to))};
  if (Contains(from, to, halfPi)) range.high = 1;
  if (Contains(from, to, -halfPi)) range.low = -1;
  return range;
}

// Largest rate of the MC against the sidereal angle: 1 / cos(obliquity);
// the sign of the obliquity does not matter.
double MediumCoeliRate(double obliquity) {
  return 1 / std::cos(obliquity);
}

// Largest rate of the Ascendent against the sidereal angle theta while theta
// runs over [from, to]. With u = sin(theta), c = cos(obliquity) and
// k = tan(latitude) sin(obliquity) the rate is (c + k u) / D(u),
// D(u) = 1 + k^2 + 2 c k u - (1 - c^2) u^2. D is concave in u, so its least
// value on the range of u is at an end of it; so is the largest |c + k u|.
// Infinite where the Ascendent may jump.
double AscendantRate(double from, double to, double obliquity, double latitude) {
  const double c = std::cos(obliquity);
  const double k = std::tan(DegToRad(latitude)) * std::fabs(std::sin(obliquity));
  const Range u = SineRange(from, to);
  const auto D = [&](double v) { return 1 + k * k + 2 * c * k * v - (1 - c * c) * v * v; };
  const double leastD = std::min(D(u.low), D(u.high));
  if (leastD < kDegenerateHorizon) return std::numeric_limits<double>::infinity();
  const double largestN = std::max(std::fabs(c + k * u.low), std::fabs(c + k * u.high));
  return largestN / leastD;
}

// Bound on how much target - factor can change in one step, degrees, valid
// for the next `window` steps after the instant the sky holds.
double DifferenceRatePerStep(const SkyState& sky, EventKind kind, int stepsPerHour, int window) {
  const double secondsPerStep = 3600.0 / stepsPerHour;
  if (IsLunation(kind)) {
    return kRateSafety * (kFactorDegreesPerSecond + kSunDegreesPerSecond) * secondsPerStep;
  }
  double axisRate = 0;
  if (kind == EventKind::kCulmination) {
    axisRate = MediumCoeliRate(sky.negativeObliquity);
  } else {
    const double span = DegToRad(kSiderealDegreesPerSecond * secondsPerStep * (window + 1));
    axisRate = AscendantRate(sky.ramc, sky.ramc + span, sky.negativeObliquity, sky.latitude);
  }
  return kRateSafety * (axisRate * kSiderealDegreesPerSecond + kFactorDegreesPerSecond) *
         secondsPerStep;
}

// How many steps after the current one provably miss the tolerance: the
// circular distance of the difference from 0 is at most |difference| and
// shrinks by at most ratePerStep a step.
int MissedSteps(double difference, double tolerance, double ratePerStep, int window) {
  if (!std::isfinite(ratePerStep)) return 0;
  const double distance = std::fabs(std::remainder(difference, kFullCircle));
  const double steps = std::floor((distance - tolerance) / ratePerStep);
  if (!(steps > 0)) return 0;
  return static_cast<int>(std::min<double>(steps, window));
}

}  // namespace

bool IsLunation(EventKind kind) {
  return kind == EventKind::kFullMoon || kind == EventKind::kNewMoon;
}

bool IsSearchableFactor(int factor) {
  return factor == kSun || factor == kMoon || (factor >= kMercury && factor <= kPoseidon);
}

int DefaultSearchDays(EventKind kind) {
  return IsLunation(kind) ? kLunationSearchDays : kAxisSearchDays;
}

double EventTargetLongitude(const SkyState& sky, EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return sky.longitudes[kAscendant];
    case EventKind::kSet:
      return Opposite(sky.longitudes[kAscendant]);
    case EventKind::kCulmination:
      return sky.longitudes[kMC];
    case EventKind::kFullMoon:
      return Opposite(sky.longitudes[kSun]);
    case EventKind::kNewMoon:
      return sky.longitudes[kSun];
  }
  return 0;
}

SearchStatus SearchEvent(SkyState& sky, EventKind kind, int factor, const SearchProgress& progress,
                         std::optional<int> maxDays, ComputationMode mode, double fromHours) {
  if (IsLunation(kind)) factor = kMoon;
  if (!IsSearchableFactor(factor)) return SearchStatus::kNotSearchable;
  const SkyState before = sky;
  const Scan scan = ScanOf(kind);
  const int stepsPerDay = scan.stepsPerHour * kHoursPerDay;
  const int window =
      kind == EventKind::kRise || kind == EventKind::kSet ? kAscendantWindowSteps : stepsPerDay;
  const int days = maxDays.value_or(DefaultSearchDays(kind));
  const int startStep = static_cast<int>(std::ceil(fromHours * scan.stepsPerHour));
  // A lunation's band lasts some twenty minutes; the step of the run of
  // steps inside it with the smallest difference is the one reported. A
  // scan that starts inside the band reports a step only where it comes
  // closer than the step before the start: else the Moon met the target
  // before the start, and the next lunation is the one searched for.
  constexpr double kFar = std::numeric_limits<double>::infinity();
  std::optional<SkyState> closest;
  double closestDistance = kFar;
  if (IsLunation(kind) && startStep > 0) {
    sky.hours = static_cast<double>(startStep - 1) / scan.stepsPerHour;
    closestDistance = std::fabs(Difference(sky, kind, factor, mode));
  }
  const auto found = [&sky, mode](const SkyState& at) {
    sky = at;
    ComputeSky(sky, mode);
    return SearchStatus::kFound;
  };
  int shownHour = -1;
  for (int day = 0; day < days; ++day) {
    if (day > 0) NextDay(sky);
    if (sky.year > kLastCalendarYear) break;  // the scan ends with the calendar
    const int firstStep = day == 0 ? startStep : 0;
    for (int step = firstStep; step < stepsPerDay;) {
      const int hour = step / scan.stepsPerHour;
      if (hour != shownHour) {
        shownHour = hour;
        if (progress && !progress(hour)) {
          sky = before;
          return SearchStatus::kCancelled;
        }
      }
      sky.hours = static_cast<double>(step) / scan.stepsPerHour;
      const double difference = Difference(sky, kind, factor, mode);
      const double distance = std::fabs(difference);
      if (distance < scan.tolerance) {
        if (!IsLunation(kind)) return found(sky);
        if (distance < closestDistance) {
          closest = sky;
          closestDistance = distance;
        }
        ++step;
        continue;
      }
      if (closest) return found(*closest);
      closestDistance = kFar;
      const double rate = DifferenceRatePerStep(sky, kind, scan.stepsPerHour, window);
      step += 1 + MissedSteps(difference, scan.tolerance, rate, window);
    }
  }
  if (closest) return found(*closest);
  sky = before;
  return SearchStatus::kNotFound;
}

}  // namespace sternwerk
