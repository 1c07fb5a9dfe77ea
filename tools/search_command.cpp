#include "tools/search_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "base/text_encoding.h"
#include "base/time_units.h"
#include "clock/search_texts.h"
#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/factor_code.h"
#include "engine/factors.h"
#include "engine/horizon_events.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "tools/located_sky.h"
#include "tools/saved_chart.h"
#include "tools/sky_arguments.h"
#include "tools/sky_here_search.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

struct KindName {
  std::string_view argument;
  EventKind kind;
};

// The kinds in German and in English, whatever the language of the run, so
// that a script works on every desktop.
constexpr std::array<KindName, 12> kKinds = {{
    {"aufgang", EventKind::kRise},
    {"untergang", EventKind::kSet},
    {"kulmination", EventKind::kCulmination},
    {"vollmond", EventKind::kFullMoon},
    {"neumond", EventKind::kNewMoon},
    {"rise", EventKind::kRise},
    {"set", EventKind::kSet},
    {"culmination", EventKind::kCulmination},
    {"fullmoon", EventKind::kFullMoon},
    {"full-moon", EventKind::kFullMoon},
    {"newmoon", EventKind::kNewMoon},
    {"new-moon", EventKind::kNewMoon},
}};

struct SearchRequest {
  KindName kind;
  int factor = kMoon;
  std::vector<std::string> instantAndPlace;  // the arguments after kind and factor
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
  return Outcome<KindName>::Failure(WithArguments(
      Said(QT_TRANSLATE_NOOP(
          "sternwerk-sky",
          "Art \"%1\": erwartet aufgang, untergang, kulmination, vollmond oder neumond")),
      {text}));
}

// A German code as the language shown spells it, so that a script's codes
// keep working in English (the codes of the two languages never clash);
// any other text as it is.
std::string ShownCodeOf(const std::string& code) {
  for (int factor = 0; factor < kFactorSlots; ++factor) {
    if (kFactorCodes[static_cast<std::size_t>(factor)] == code) return ShownFactorCode(factor);
  }
  return code;
}

Outcome<int> ParseFactor(std::string code, bool atHorizon) {
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const FactorCodeCheck check = CheckFactorCode(ShownCodeOf(code), true, atHorizon);
  if (check.verdict == FactorCodeVerdict::kChosen) return Outcome<int>::Success(check.factor);
  if (check.verdict == FactorCodeVerdict::kRefused) {
    return Outcome<int>::Failure(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Faktor: %1")), {check.message}));
  }
  return Outcome<int>::Failure(WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                             "Faktor \"%1\": erwartet eine Abkürzung aus zwei Buchstaben")),
      {code}));
}

// The factor a rise, set or culmination needs, which stands before the
// date: a missing one is named with the codes to choose from.
Outcome<int> ParseRequiredFactor(const std::vector<std::string>& args, bool atHorizon) {
  const bool missing = args.size() < 2 || ParseDate(args[1]).ok() || IsNow(args[1]);
  if (missing) {
    return Outcome<int>::Failure(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                             "--search %1 erwartet vor dem Datum einen Faktor: ")),
                      {Printable(args[0])}) +
        ValidFactorCodes(true, atHorizon));
  }
  return ParseFactor(args[1], atHorizon);
}

Outcome<SearchRequest> ParseSearchArguments(const std::vector<std::string>& args, bool atHorizon) {
  using Result = Outcome<SearchRequest>;
  if (args.empty())
    return Result::Failure(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--search erwartet die Art des Ereignisses")));
  const Outcome<KindName> kind = ParseKind(args[0]);
  if (!kind.ok()) return Result::Failure(kind.error());
  SearchRequest request{kind.value(), kMoon, {}};
  std::size_t next = 1;
  if (!IsLunation(request.kind.kind)) {
    const Outcome<int> factor = ParseRequiredFactor(args, atHorizon);
    if (!factor.ok()) return Result::Failure(factor.error());
    request.factor = factor.value();
    ++next;
  }
  request.instantAndPlace.assign(args.begin() + static_cast<std::ptrdiff_t>(next), args.end());
  return Result::Success(request);
}

// The event as the clock's search result names it (UTF-8): "SO-Aufgang",
// "Vollmond", "SO-Aufgang am Horizont".
std::string EventName(const SearchRequest& request, bool atHorizon) {
  std::string name = SearchResultText(request.kind.kind, request.factor, atHorizon);
  const std::size_t first = name.find_first_not_of(' ');
  const std::size_t last = name.find_last_not_of(' ');
  return Windows1252ToUtf8(first == std::string::npos ? std::string()
                                                      : name.substr(first, last - first + 1));
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

// The found instant, the event, the factor's line and, for a search along
// the ecliptic, the line of what it meets; then the place lines, or where
// they are not asked for the local time of a place with a zone.
void WriteFound(const SearchRequest& request, const LocatedSky& found, bool atHorizon,
                std::ostream& out) {
  const SkyState& sky = found.sky;
  out << sky.dateText << ' ' << FormatHours(sky.hours) << '\n'
      << EventName(request, atHorizon) << '\n'
      << Windows1252ToUtf8(PositionListLine(request.factor, sky.longitudes[request.factor]))
      << '\n';
  if (!atHorizon) out << Windows1252ToUtf8(TargetLine(sky, request.kind.kind)) << '\n';
  std::vector<std::string> placeLines = PlaceLines(found, UniversalSeconds(sky));
  if (!found.shown && !found.place.timeZone.empty())
    placeLines.push_back(LocalTimeLine(found, UniversalSeconds(sky)));
  for (const std::string& line : placeLines) out << line << '\n';
}

// The almanac's rise, set or transit of the request's body.
ToolResult SearchAtHorizon(const SearchRequest& request, LocatedSky& located, double fromHours,
                           std::ostream& out, ComputationMode mode) {
  if (IsLunation(request.kind.kind))
    return ToolResult::UsageError(Said(
        QT_TRANSLATE_NOOP("sternwerk-sky", "--horizon sucht Aufgang, Untergang oder Kulmination")));
  const Outcome<SearchStatus> status =
      SearchHorizonEvent(located.sky, request.kind.kind, request.factor, mode, fromHours);
  if (!status.ok())
    return ToolResult::Failure(EventName(request, true) + ": Swiss Ephemeris: " + status.error());
  if (status.value() != SearchStatus::kFound) {
    out << SearchNotFoundReason(request.kind.kind, request.factor, true) << '\n';
    return ToolResult::Done(kExitNotFound);
  }
  WriteFound(request, located, true, out);
  return ToolResult::Done();
}

}  // namespace

ToolOutcome<LocatedSky> LocateSearchStart(std::span<const std::string> args,
                                          const PlaceOptions& placeOptions) {
  if (placeOptions.saved) return LocateSaved(args, placeOptions);
  // DATE or "jetzt", DATE TIME, each with or without LONGITUDE LATITUDE.
  const bool now = !args.empty() && IsNow(args.front());
  const bool timeGiven = args.size() % 2 == 0;
  if (args.empty() || args.size() > 4 || (now && timeGiven)) {
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "--search erwartet ein Datum mit wahlweise einer Zeit "
                               "oder jetzt, dazu wahlweise Länge und Breite")));
  }
  const Outcome<ArgumentInstant> start = ParseInstant(args, timeGiven);
  if (!start.ok()) return ToolResult::UsageError(start.error());
  const std::vector<std::string> coordinates(args.begin() + (timeGiven ? 2 : 1), args.end());
  ToolOutcome<LocatedSky> place = LocatePlace(coordinates, placeOptions, &ProgramAtlas());
  if (!place.ok()) return place;
  return AtLocalOrUniversalTime(std::move(place).value(), start.value().date, start.value().hours,
                                placeOptions.local && !start.value().present,
                                timeGiven ? SkippedTime::kRefused : SkippedTime::kInstantAfter);
}

ToolResult SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                               ComputationMode mode, bool atHorizon,
                               const PlaceOptions& placeOptions) {
  if (IsSkyHereSearch(args)) return SearchSkyHere(args, out, placeOptions);
  Outcome<SearchRequest> parsed = ParseSearchArguments(args, atHorizon);
  if (!parsed.ok()) return ToolResult::UsageError(parsed.error());
  const SearchRequest request = std::move(parsed).value();
  ToolOutcome<LocatedSky> start = LocateSearchStart(request.instantAndPlace, placeOptions);
  if (!start.ok()) return start.ending();
  LocatedSky located = std::move(start).value();
  SkyState& sky = located.sky;
  const double fromHours =
      static_cast<double>(ReadingOf(UniversalSeconds(sky)).secondOfDay) / kSecondsPerHour;
  sky.hours = 0;
  if (atHorizon) return SearchAtHorizon(request, located, fromHours, out, mode);
  const EventKind kind = request.kind.kind;
  if (SearchEvent(sky, kind, request.factor, {}, std::nullopt, mode, fromHours) !=
      SearchStatus::kFound) {
    out << (ReachesTheCalendarEnd(sky, DefaultSearchDays(kind))
                ? SearchCalendarEndText(kind, request.factor)
                : SearchNotFoundReason(kind, request.factor, false))
        << '\n';
    return ToolResult::Done(kExitNotFound);
  }
  WriteFound(request, located, false, out);
  return ToolResult::Done();
}

}  // namespace sternwerk
