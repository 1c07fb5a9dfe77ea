#include "tools/sky_here_search.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <span>
#include <string_view>

#include "base/time_units.h"
#include "observing/eclipse_report.h"
#include "observing/lunar_eclipse.h"
#include "observing/solar_eclipse.h"
#include "observing/twilight.h"
#include "tools/located_observer.h"
#include "tools/search_command.h"
#include "tools/sky_arguments.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kDegree = "\xC2\xB0";

enum class SkyHereKind { kSolarEclipse, kLunarEclipse, kTwilight };

struct KindName {
  std::string_view argument;
  SkyHereKind kind;
  TwilightDepth depth = TwilightDepth::kCivil;
  TwilightEdge edge = TwilightEdge::kDawn;
};

constexpr std::array<KindName, 22> kKinds = {{
    {"solar-eclipse", SkyHereKind::kSolarEclipse},
    {"sonnenfinsternis", SkyHereKind::kSolarEclipse},
    {"lunar-eclipse", SkyHereKind::kLunarEclipse},
    {"mondfinsternis", SkyHereKind::kLunarEclipse},
    {"civil-dawn", SkyHereKind::kTwilight, TwilightDepth::kCivil, TwilightEdge::kDawn},
    {"civil-dusk", SkyHereKind::kTwilight, TwilightDepth::kCivil, TwilightEdge::kDusk},
    {"nautical-dawn", SkyHereKind::kTwilight, TwilightDepth::kNautical, TwilightEdge::kDawn},
    {"nautical-dusk", SkyHereKind::kTwilight, TwilightDepth::kNautical, TwilightEdge::kDusk},
    {"astronomical-dawn", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDawn},
    {"astronomical-dusk", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDusk},
    {"buergerliche-morgendaemmerung", SkyHereKind::kTwilight, TwilightDepth::kCivil,
     TwilightEdge::kDawn},
    {"buergerliche-abenddaemmerung", SkyHereKind::kTwilight, TwilightDepth::kCivil,
     TwilightEdge::kDusk},
    {"nautische-morgendaemmerung", SkyHereKind::kTwilight, TwilightDepth::kNautical,
     TwilightEdge::kDawn},
    {"nautische-abenddaemmerung", SkyHereKind::kTwilight, TwilightDepth::kNautical,
     TwilightEdge::kDusk},
    {"astronomische-morgendaemmerung", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDawn},
    {"astronomische-abenddaemmerung", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDusk},
    {"b\xC3\xBCrgerliche-morgend\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kCivil,
     TwilightEdge::kDawn},
    {"b\xC3\xBCrgerliche-abendd\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kCivil,
     TwilightEdge::kDusk},
    {"nautische-morgend\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kNautical,
     TwilightEdge::kDawn},
    {"nautische-abendd\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kNautical,
     TwilightEdge::kDusk},
    {"astronomische-morgend\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDawn},
    {"astronomische-abendd\xC3\xA4mmerung", SkyHereKind::kTwilight, TwilightDepth::kAstronomical,
     TwilightEdge::kDusk},
}};

std::optional<KindName> KindOf(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const KindName& kind : kKinds) {
    if (kind.argument == text) return kind;
  }
  return std::nullopt;
}

// "02.08.2027 13:05:18 EEST (10:05:18 UT)" where the place has a zone,
// else "02.08.2027 10:05:18 UT".
std::string WhenText(const LocatedSky& located, ClockSeconds instant) {
  const std::string universal = UniversalText(instant);
  const std::string zoned = ZonedText(located, instant);
  if (zoned.empty()) return universal + " UT";
  return zoned + " (" + universal.substr(11) + " UT)";
}

EclipseInstantText WhenWriter(const LocatedSky& located) {
  return [&located](ClockSeconds instant) { return WhenText(located, instant); };
}

// Where the place lines are not asked for, the local time of a place
// with a zone, as the other searches write it.
void WritePlaceLines(const LocatedSky& located, ClockSeconds instant, std::ostream& out) {
  std::vector<std::string> lines = PlaceLines(located, instant);
  if (!located.shown && !located.place.timeZone.empty())
    lines.push_back(LocalTimeLine(located, instant));
  for (const std::string& line : lines) out << line << '\n';
}

ToolResult LibraryFailure(const std::string& what, const std::string& error) {
  return ToolResult::Failure(what + ": Swiss Ephemeris: " + error);
}

// The eclipse's maximum (Universal Time) and kind, its figures, and the
// place lines.
void WriteEclipse(const LocatedSky& located, ClockSeconds maximum, const std::string& kind,
                  const std::vector<std::string>& figures, std::ostream& out) {
  out << UniversalText(maximum) << '\n' << kind << '\n';
  for (const std::string& line : figures) out << line << '\n';
  WritePlaceLines(located, maximum, out);
}

ToolResult WriteSolarEclipse(const LocatedSky& located, std::ostream& out) {
  const ClockSeconds from = UniversalSeconds(located.sky);
  const Outcome<LocalSolarEclipse> found = NextSolarEclipse(from, ObserverOf(located));
  if (!found.ok()) return LibraryFailure("--search solar-eclipse", found.error());
  const LocalSolarEclipse& eclipse = found.value();
  WriteEclipse(located, eclipse.maximum, SolarEclipseKindText(eclipse.kind),
               SolarEclipseLines(eclipse, WhenWriter(located)), out);
  return ToolResult::Done();
}

ToolResult WriteLunarEclipse(const LocatedSky& located, std::ostream& out) {
  const ClockSeconds from = UniversalSeconds(located.sky);
  const Outcome<LunarEclipse> found = NextLunarEclipse(from, ObserverOf(located));
  if (!found.ok()) return LibraryFailure("--search lunar-eclipse", found.error());
  const LunarEclipse& eclipse = found.value();
  WriteEclipse(located, eclipse.maximum, LunarEclipseKindText(eclipse.kind),
               LunarEclipseLines(eclipse, WhenWriter(located)), out);
  return ToolResult::Done();
}

ToolResult WriteTwilight(const KindName& kind, const LocatedSky& located, std::ostream& out) {
  const ClockSeconds from = UniversalSeconds(located.sky);
  const std::string name = TwilightName(kind.depth, kind.edge);
  const Outcome<std::optional<ClockSeconds>> found = TwilightIn(
      kind.depth, kind.edge, {from, from + ClockSeconds{kSecondsPerDay}}, ObserverOf(located));
  if (!found.ok()) return LibraryFailure(name, found.error());
  if (!found.value()) {
    out << WithArguments(
               Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                      "%1 nicht gefunden: Die Sonne überschreitet in den 24 "
                                      "Stunden ab %2 nicht %3 unter dem Horizont")),
               {name, WhenText(located, from),
                std::to_string(static_cast<int>(TwilightDepthDegrees(kind.depth))) + kDegree})
        << '\n';
    return ToolResult::Done(kExitNotFound);
  }
  out << UniversalText(*found.value()) << '\n' << name << '\n';
  WritePlaceLines(located, *found.value(), out);
  return ToolResult::Done();
}

}  // namespace

bool IsSkyHereSearch(const std::vector<std::string>& args) {
  return !args.empty() && KindOf(args.front()).has_value();
}

ToolResult SearchSkyHere(const std::vector<std::string>& args, std::ostream& out,
                         const PlaceOptions& placeOptions) {
  const KindName kind = *KindOf(args.front());
  const ToolOutcome<LocatedSky> start =
      LocateSearchStart(std::span<const std::string>(args).subspan(1), placeOptions);
  if (!start.ok()) return start.ending();
  switch (kind.kind) {
    case SkyHereKind::kSolarEclipse:
      return WriteSolarEclipse(start.value(), out);
    case SkyHereKind::kLunarEclipse:
      return WriteLunarEclipse(start.value(), out);
    case SkyHereKind::kTwilight:
      break;
  }
  return WriteTwilight(kind, start.value(), out);
}

}  // namespace sternwerk
