#include "tools/observe_command.h"

#include "observing/sky_here.h"
#include "tools/located_observer.h"

namespace sternwerk {

ToolResult ObserveFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                const PlaceOptions& placeOptions) {
  ToolOutcome<LocatedSky> located = LocateInAtlas(args, placeOptions);
  if (!located.ok()) return located.ending();
  const LocatedSky& here = located.value();
  const ClockSeconds instant = UniversalSeconds(here.sky);
  const Outcome<SkyHere> sky = SkyHereAt(instant, LocalDayAround(here, instant), ObserverOf(here));
  if (!sky.ok()) return ToolResult::Failure("Swiss Ephemeris: " + sky.error());
  out << UniversalText(instant) << '\n';
  for (const std::string& line : PlaceLines(here, instant, here.twice)) out << line << '\n';
  out << EventClockLine(here, instant) << '\n';
  const SkyHereTable table = SkyHereTableOf(
      sky.value(), [&here](ClockSeconds event) { return EventClockText(here, event); });
  for (const std::string& line : SkyHereLines(table)) out << line << '\n';
  return ToolResult::Done();
}

}  // namespace sternwerk
