#include "tools/ephemeris_command.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/time_units.h"
#include "engine/factors.h"
#include "observing/decimal_text.h"
#include "observing/horizontal_sky.h"
#include "tools/located_observer.h"
#include "tools/sky_arguments.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr double kDefaultStepMinutes = 60;
constexpr double kLeastStepMinutes = 1.0 / kSecondsPerMinute;
constexpr double kMostStepMinutes = 100.0 * 366 * 24 * 60;  // a century
constexpr const char* kHeader =
    "utc\tlocal\tbody\tlongitude\tlatitude\tra\tdec\taltitude\tazimuth\tdistance\tmagnitude\t"
    "illuminated";

struct EphemerisRequest {
  std::vector<std::string> start;  // INSTANT [LONGITUDE LATITUDE]
  std::vector<std::string> until;  // INSTANT, or none
  double stepMinutes = kDefaultStepMinutes;
};

// How many arguments an instant at `at` takes: "jetzt", or a date with its
// time.
std::size_t InstantLength(const std::vector<std::string>& args, std::size_t at) {
  return IsNow(args[at]) ? 1 : 2;
}

// With a saved chart (`saved`) the start may be left out.
Outcome<EphemerisRequest> ParseRequest(const std::vector<std::string>& args, bool saved) {
  using Result = Outcome<EphemerisRequest>;
  EphemerisRequest request;
  bool stepGiven = false;
  for (std::size_t at = 0; at < args.size(); ++at) {
    if (args[at] == "--until" && request.until.empty() && at + 1 < args.size()) {
      const std::size_t length = std::min(InstantLength(args, at + 1), args.size() - at - 1);
      request.until.assign(args.begin() + static_cast<std::ptrdiff_t>(at + 1),
                           args.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
      at += length;
    } else if (args[at] == "--step" && !stepGiven && at + 1 < args.size()) {
      const Outcome<double> minutes = ParseDegrees(args[at + 1], "--step", 0, kMostStepMinutes);
      if (!minutes.ok()) return Result::Failure(minutes.error());
      if (minutes.value() < kLeastStepMinutes)
        return Result::Failure(WithArguments(
            Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                   "--step \"%1\": mindestens eine Sekunde (1/60 Minute)")),
            {Printable(args[at + 1])}));
      request.stepMinutes = minutes.value();
      stepGiven = true;
      ++at;
    } else if (args[at] == "--until" || args[at] == "--step") {
      return Result::Failure(WithArguments(
          Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                 "%1 steht einmal und mit seinem Wert nach dem Zeitpunkt")),
          {args[at]}));
    } else {
      request.start.push_back(args[at]);
    }
  }
  if (request.start.empty() && !saved)
    return Result::Failure(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--ephemeris erwartet Datum und Zeit oder jetzt")));
  return Result::Success(request);
}

// The instant of --until at the start's place, in its clock.
ToolOutcome<ClockSeconds> UntilInstant(const std::vector<std::string>& until,
                                       const LocatedSky& start, const PlaceOptions& placeOptions) {
  const Outcome<ArgumentInstant> instant = ParseInstant(until, until.size() > 1);
  if (!instant.ok()) return ToolResult::UsageError(instant.error());
  if (!IsNow(until.front()) && until.size() < 2)
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--until erwartet Datum und Zeit oder jetzt")));
  const ToolOutcome<LocatedSky> located =
      AtLocalOrUniversalTime(start, instant.value().date, instant.value().hours,
                             placeOptions.local && !instant.value().present);
  if (!located.ok()) return located.ending();
  return UniversalSeconds(located.value().sky);
}

// "YYYY-MM-DD HH:MM:SS" from "DD.MM.YYYY HH:MM:SS".
std::string IsoText(const std::string& text) {
  if (text.size() < 19) return text;
  return text.substr(6, 4) + "-" + text.substr(3, 2) + "-" + text.substr(0, 2) + text.substr(10);
}

std::string BodyLine(const std::string& instantColumns, const BodyInSky& body) {
  std::string line = instantColumns + ShownFactorCode(body.factor);
  for (const auto& [value, decimals] :
       {std::pair{body.eclipticLongitude, 6}, std::pair{body.eclipticLatitude, 6},
        std::pair{body.rightAscension, 7}, std::pair{body.declination, 6},
        std::pair{body.altitude, 4}, std::pair{body.azimuth, 4}, std::pair{body.distance, 9},
        std::pair{body.magnitude, 2}, std::pair{body.illuminated, 4}}) {
    line += '\t';
    line += DecimalText(value, decimals);
  }
  return line;
}

}  // namespace

ToolResult EphemerisFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                  const PlaceOptions& placeOptions) {
  const Outcome<EphemerisRequest> request = ParseRequest(args, placeOptions.saved.has_value());
  if (!request.ok()) return ToolResult::UsageError(request.error());
  const ToolOutcome<LocatedSky> located = LocateInAtlas(request.value().start, placeOptions);
  if (!located.ok()) return located.ending();
  const LocatedSky& here = located.value();
  const ClockSeconds first = UniversalSeconds(here.sky);
  ClockSeconds last = first;
  if (!request.value().until.empty()) {
    const ToolOutcome<ClockSeconds> until = UntilInstant(request.value().until, here, placeOptions);
    if (!until.ok()) return until.ending();
    last = until.value();
    if (last < first)
      return ToolResult::UsageError(
          Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--until liegt vor dem ersten Zeitpunkt")));
  }
  const auto step = static_cast<ClockSeconds>(
      std::max(1.0, std::round(request.value().stepMinutes * kSecondsPerMinute)));
  const ObserverPlace place = ObserverOf(here);
  out << kHeader << '\n';
  for (ClockSeconds instant = first; instant <= last; instant += step) {
    const std::string instantColumns =
        IsoText(UniversalText(instant)) + '\t' + IsoText(ZonedText(here, instant)) + '\t';
    for (const int factor : kObservedBodies) {
      const Outcome<BodyInSky> body = ObserveBody(factor, instant, place);
      if (!body.ok()) return ToolResult::Failure("Swiss Ephemeris: " + body.error());
      out << BodyLine(instantColumns, body.value()) << '\n';
    }
  }
  return ToolResult::Done();
}

}  // namespace sternwerk
