#include "observing/observing_day.h"

#include <algorithm>

#include "observing/horizontal_sky.h"

namespace sternwerk {

Outcome<ObservingDay> ObservingDayOf(const LocalDay& day, const ObserverPlace& place) {
  using Result = Outcome<ObservingDay>;
  ObservingDay observing{day, {}, {}};
  for (const int factor : kObservedBodies) {
    Outcome<HorizonDay> events = HorizonDayOf(factor, day, place);
    if (!events.ok()) return Result::Failure(events.error());
    observing.bodies.push_back(std::move(events).value());
  }
  Outcome<DayTwilights> twilights = TwilightsOf(day, place);
  if (!twilights.ok()) return Result::Failure(twilights.error());
  observing.twilights = twilights.value();
  return Result::Success(std::move(observing));
}

const HorizonDay& HorizonDayOfBody(const ObservingDay& day, int factor) {
  return *std::find_if(day.bodies.begin(), day.bodies.end(),
                       [factor](const HorizonDay& events) { return events.factor == factor; });
}

}  // namespace sternwerk
