#include "tools/search_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "base/text_encoding.h"
#include "engine/calendar.h"
#include "engine/event_search.h"
#include "engine/factor_code.h"
#include "engine/factors.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

constexpr int kExitNotFound = 1;

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

KindName ParseKind(const std::string& text) {
  for (const KindName& kind : kKinds) {
    if (kind.argument == LowerCase(text)) return kind;
  }
  throw UsageError("Art \"" + text +
                   "\": erwartet aufgang, untergang, kulmination, vollmond oder neumond");
}

int ParseFactor(std::string code) {
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const FactorCodeCheck check = CheckFactorCode(code, true);
  if (check.verdict == FactorCodeVerdict::kChosen) return check.factor;
  if (check.verdict == FactorCodeVerdict::kRefused) throw UsageError("Faktor: " + check.message);
  throw UsageError("Faktor \"" + code + "\": erwartet eine Abkürzung aus zwei Buchstaben");
}

SearchRequest ParseSearchArguments(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("--search erwartet die Art des Ereignisses");
  SearchRequest request{ParseKind(args[0]), kMoon, {}};
  std::size_t next = 1;
  if (!IsLunation(request.kind.kind)) {
    if (args.size() < 2) throw UsageError("--search " + args[0] + " erwartet einen Faktor");
    request.factor = ParseFactor(args[next++]);
  }
  const std::size_t rest = args.size() - next;
  if (rest != 1 && rest != 3) {
    throw UsageError("--search erwartet ein Datum, dazu wahlweise Länge und Breite");
  }
  const CalendarDate date = ParseDate(args[next]);
  double longitude = kDefaultLongitude;
  double latitude = kDefaultLatitude;
  if (rest == 3) {
    longitude = ParseDegrees(args[next + 1], "Länge", -180, 180);
    latitude = ParseDegrees(args[next + 2], "Breite", -90, 90);
  }
  request.sky = SkyFor(date.day, date.month, date.year, 0, longitude, latitude);
  return request;
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
         JulianDayNumber(31, 12, kLastFourDigitYear);
}

}  // namespace

int SearchFromArguments(const std::vector<std::string>& args, std::ostream& out,
                        ComputationMode mode) {
  SearchRequest request = ParseSearchArguments(args);
  SkyState& sky = request.sky;
  const EventKind kind = request.kind.kind;
  if (SearchEvent(sky, kind, request.factor, {}, std::nullopt, mode) != SearchStatus::kFound) {
    if (ReachesTheCalendarEnd(sky, DefaultSearchDays(kind))) {
      out << EventName(request) << " bis zum 31.12." << kLastFourDigitYear
          << " nicht gefunden: Dort endet der Kalender\n";
    } else {
      out << EventName(request) << " in den nächsten " << DefaultSearchDays(kind)
          << " Tagen nicht gefunden\n";
    }
    return kExitNotFound;
  }
  out << sky.dateText << ' ' << FormatHours(sky.hours) << '\n'
      << Windows1252ToUtf8(PositionListLine(request.factor, sky.longitudes[request.factor])) << '\n'
      << Windows1252ToUtf8(TargetLine(sky, kind)) << '\n';
  return 0;
}

}  // namespace sternwerk
