#include "tools/search_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iostream>
#include <string_view>

#include "base/text_encoding.h"
#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/factor_code.h"
#include "engine/factors.h"
#include "engine/horizon_events.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

constexpr int kExitNotFound = 1;
constexpr int kExitFailure = 2;

struct KindName {
  std::string_view argument;
  EventKind kind;
  std::string_view event;  // as named in the result
};

constexpr std::array<KindName, 5> kKinds = {{
    {"aufgang", EventKind::kRise, "-Aufgang"},
    {"untergang", EventKind::kSet, "-Untergang"},
    {"kulmination", EventKind::kCulmination, "-Kulmination"},
    {"vollmond", EventKind::kFullMoon, "Vollmond"},
    {"neumond", EventKind::kNewMoon, "Neumond"},
}};

struct SearchRequest {
  KindName kind;
  int factor = kMoon;
  SkyState sky;
};

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

Outcome<KindName> ParseKind(const std::string& text) {
  for (const KindName& kind : kKinds) {
    if (kind.argument == LowerCase(text)) return Outcome<KindName>::Success(kind);
  }
  return Outcome<KindName>::Failure(
      "Art \"" + text + "\": erwartet aufgang, untergang, kulmination, vollmond oder neumond");
}

Outcome<int> ParseFactor(std::string code, bool atHorizon) {
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const FactorCodeCheck check = CheckFactorCode(code, true, atHorizon);
  if (check.verdict == FactorCodeVerdict::kChosen) return Outcome<int>::Success(check.factor);
  if (check.verdict == FactorCodeVerdict::kRefused) {
    return Outcome<int>::Failure("Faktor: " + check.message);
  }
  return Outcome<int>::Failure("Faktor \"" + code +
                               "\": erwartet eine Abkürzung aus zwei Buchstaben");
}

Outcome<SearchRequest> ParseSearchArguments(const std::vector<std::string>& args, bool atHorizon) {
  using Result = Outcome<SearchRequest>;
  if (args.empty()) return Result::Failure("--search erwartet die Art des Ereignisses");
  const Outcome<KindName> kind = ParseKind(args[0]);
  if (!kind.ok()) return Result::Failure(kind.error());
  SearchRequest request{kind.value(), kMoon, {}};
  std::size_t next = 1;
  if (!IsLunation(request.kind.kind)) {
    if (args.size() < 2) return Result::Failure("--search " + args[0] + " erwartet einen Faktor");
    const Outcome<int> factor = ParseFactor(args[next++], atHorizon);
    if (!factor.ok()) return Result::Failure(factor.error());
    request.factor = factor.value();
  }
  const std::size_t rest = args.size() - next;
  if (rest != 1 && rest != 3) {
    return Result::Failure("--search erwartet ein Datum, dazu wahlweise Länge und Breite");
  }
  const Outcome<CalendarDate> date = ParseDate(args[next]);
  if (!date.ok()) return Result::Failure(date.error());
  const Outcome<Place> place = rest == 3 ? ParsePlace(args[next + 1], args[next + 2])
                                         : Outcome<Place>::Success(kDefaultPlace);
  if (!place.ok()) return Result::Failure(place.error());
  const CalendarDate& day = date.value();
  request.sky =
      SkyFor(day.day, day.month, day.year, 0, place.value().longitude, place.value().latitude);
  return Result::Success(request);
}

std::string EventName(const SearchRequest& request) {
  if (IsLunation(request.kind.kind)) return std::string(request.kind.event);
  return std::string(kFactorCodes[static_cast<std::size_t>(request.factor)]) +
         std::string(request.kind.event);
}

// The line of what the factor meets: the Ascendent, the descendant (DC),
// the MC, or the Sun for the lunations.
std::string TargetLine(const SkyState& sky, EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return PositionListLine(kAscendant, sky.longitudes[kAscendant]);
    case EventKind::kSet:
      return " DC" + PositionListLine(kAscendant, EventTargetLongitude(sky, kind)).substr(3);
    case EventKind::kCulmination:
      return PositionListLine(kMC, sky.longitudes[kMC]);
    case EventKind::kFullMoon:
    case EventKind::kNewMoon:
      return PositionListLine(kSun, sky.longitudes[kSun]);
  }
  return {};
}

// Whether a scan of `days` days from the sky's date runs past the last day
// of the calendar.
bool ReachesTheCalendarEnd(const SkyState& sky, int days) {
  return JulianDayNumber(sky.day, sky.month, sky.year) + days - 1 >
         JulianDayNumber(31, 12, kLastCalendarYear);
}

// The almanac's rise, set or transit of the request's body.
Outcome<int> SearchAtHorizon(SearchRequest& request, std::ostream& out, ComputationMode mode) {
  if (IsLunation(request.kind.kind))
    return Outcome<int>::Failure("--horizon sucht Aufgang, Untergang oder Kulmination");
  const std::string code(kFactorCodes[static_cast<std::size_t>(request.factor)]);
  const std::string event = HorizonEventName(request.kind.kind, request.factor);
  SkyState& sky = request.sky;
  const Outcome<SearchStatus> status =
      SearchHorizonEvent(sky, request.kind.kind, request.factor, mode);
  if (!status.ok()) {
    std::cerr << "sternwerk-sky: " << event << ": Swiss Ephemeris: " << status.error() << '\n';
    return Outcome<int>::Success(kExitFailure);
  }
  if (status.value() != SearchStatus::kFound) {
    out << event << " nicht gefunden: " << code
        << " geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht)\n";
    return Outcome<int>::Success(kExitNotFound);
  }
  out << sky.dateText << ' ' << FormatHours(sky.hours) << '\n'
      << event << '\n'
      << Windows1252ToUtf8(PositionListLine(request.factor, sky.longitudes[request.factor]))
      << '\n';
  return Outcome<int>::Success(0);
}

}  // namespace

Outcome<int> SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                                 ComputationMode mode, bool atHorizon) {
  Outcome<SearchRequest> parsed = ParseSearchArguments(args, atHorizon);
  if (!parsed.ok()) return Outcome<int>::Failure(parsed.error());
  SearchRequest request = std::move(parsed).value();
  if (atHorizon) return SearchAtHorizon(request, out, mode);
  SkyState& sky = request.sky;
  const EventKind kind = request.kind.kind;
  if (SearchEvent(sky, kind, request.factor, {}, std::nullopt, mode) != SearchStatus::kFound) {
    if (ReachesTheCalendarEnd(sky, DefaultSearchDays(kind))) {
      out << EventName(request) << " bis zum 31.12." << kLastCalendarYear
          << " nicht gefunden: Dort endet der Kalender\n";
    } else {
      out << EventName(request) << " in den nächsten " << DefaultSearchDays(kind)
          << " Tagen nicht gefunden\n";
    }
    return Outcome<int>::Success(kExitNotFound);
  }
  out << sky.dateText << ' ' << FormatHours(sky.hours) << '\n'
      << Windows1252ToUtf8(PositionListLine(request.factor, sky.longitudes[request.factor])) << '\n'
      << Windows1252ToUtf8(TargetLine(sky, kind)) << '\n';
  return Outcome<int>::Success(0);
}

}  // namespace sternwerk
