#include "tools/observe_command.h"

#include <iostream>

#include "observing/sky_here.h"
#include "tools/located_observer.h"

namespace sternwerk {
namespace {

constexpr int kExitLibraryFailure = 2;

}  // namespace

Outcome<int> ObserveFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                  const PlaceOptions& placeOptions) {
  Outcome<LocatedSky> located = LocateObserver(args, placeOptions);
  if (!located.ok()) return Outcome<int>::Failure(located.error());
  int refusedStatus = 0;
  if (Refused(located.value(), refusedStatus)) return Outcome<int>::Success(refusedStatus);
  const LocatedSky& here = located.value();
  const ClockSeconds instant = UniversalSeconds(here.sky);
  const Outcome<SkyHere> sky = SkyHereAt(instant, LocalDayAround(here, instant), ObserverOf(here));
  if (!sky.ok()) {
    std::cerr << "sternwerk-sky: Swiss Ephemeris: " << sky.error() << '\n';
    return Outcome<int>::Success(kExitLibraryFailure);
  }
  out << UniversalText(instant) << '\n';
  for (const std::string& line : PlaceLines(here, instant, here.twice)) out << line << '\n';
  out << EventClockLine(here, instant) << '\n';
  const SkyHereTable table = SkyHereTableOf(
      sky.value(), [&here](ClockSeconds event) { return EventClockText(here, event); });
  for (const std::string& line : SkyHereLines(table)) out << line << '\n';
  return Outcome<int>::Success(0);
}

}  // namespace sternwerk
