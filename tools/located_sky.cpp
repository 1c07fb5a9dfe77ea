#include "tools/located_sky.h"

#include <iostream>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "places/local_time.h"
#include "places/qt/civil_time.h"
#include "places/qt/geonames_atlas.h"
#include "places/zone_texts.h"
#include "tools/places_command.h"
#include "tools/saved_chart.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr const char* kTwiceNote =
    QT_TRANSLATE_NOOP("sternwerk-sky", " (doppelt: es gilt die frühere)");

// "DD.MM.YYYY HH:MM:SS" of a clock reading.
std::string ReadingText(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  return DateText(reading.day, reading.month, reading.year) + " " +
         FormatSeconds(reading.secondOfDay);
}

}  // namespace

PlaceIdentity WithKnownZone(PlaceIdentity place, double longitude) {
  const std::string problem = LocalOf(SystemPlaceTimeRules(), place, longitude, 0).zoneProblem;
  if (problem.empty()) return place;
  std::cerr << "sternwerk-sky: " << problem
            << Said(QT_TRANSLATE_NOOP("sternwerk-sky", " Es gilt die mittlere Ortszeit.")) << '\n';
  place.timeZone.clear();
  return place;
}

const PlaceAtlas& ProgramAtlas() {
  static const PlaceAtlas atlas = [] {
    LoadedAtlas loaded = LoadGeoNamesAtlas();
    if (!loaded.germanNamesMissing.empty()) {
      std::cerr << "sternwerk-sky: "
                << WithArguments(
                       Said(QT_TRANSLATE_NOOP(
                           "sternwerk-sky",
                           "Die deutschen Ortsnamen fehlen (%1); es gelten die englischen")),
                       {loaded.germanNamesMissing})
                << '\n';
    }
    return PlaceAtlas(std::move(loaded.places));
  }();
  return atlas;
}

ToolOutcome<LocatedSky> LocatePlace(const std::vector<std::string>& coordinates,
                                    const PlaceOptions& options, const PlaceAtlas* atlas) {
  LocatedSky located;
  located.shown = options.any();
  Place place = kDefaultPlace;
  if (options.name) {
    if (!coordinates.empty())
      return ToolResult::UsageError(Said(QT_TRANSLATE_NOOP(
          "sternwerk-sky", "--place steht statt Länge und Breite, nicht mit ihnen")));
    const ToolOutcome<const AtlasPlace*> named = PlaceNamed(*atlas, *options.name, std::cerr);
    if (!named.ok()) return named.ending();
    place = {named.value()->longitude, named.value()->latitude};
    located.place = IdentityOf(*named.value(), ShownLanguage());
  } else if (!coordinates.empty()) {
    const Outcome<Place> typed = ParsePlace(coordinates[0], coordinates[1]);
    if (!typed.ok()) return ToolResult::UsageError(typed.error());
    place = typed.value();
  }
  if (!options.name && atlas != nullptr)
    located.place = TypedPlaceIdentity(*atlas, place.longitude, place.latitude);
  located.timeZone = WithKnownZone(located.place, place.longitude);
  located.sky = SkyFor(1, 1, kFirstCalendarYear, 0, place.longitude, place.latitude);
  return located;
}

ToolOutcome<LocatedSky> AtLocalOrUniversalTime(LocatedSky located, const CalendarDate& date,
                                               double hours, bool local, SkippedTime skipped) {
  SkyState& sky = located.sky;
  if (!local) {
    SetInstant(sky, date.day, date.month, date.year, hours);
    return located;
  }
  const ClockSeconds reading = ClockSecondsOf(date.day, date.month, date.year, hours);
  const UniversalTimes instants =
      UniversalOf(SystemPlaceTimeRules(), located.timeZone, sky.longitude, reading,
                  skipped == SkippedTime::kInstantAfter ? SkippedReading::kInstantAfter
                                                        : SkippedReading::kNoInstant);
  if (instants.instants.empty()) {
    return ToolResult::Failure(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                             "Die Ortszeit %1 gibt es in %2 nicht: Die Uhren "
                                             "wurden über diese Stunde vorgestellt")),
                      {ReadingText(reading), located.timeZone.timeZone}));
  }
  if (instants.instants.size() > 1) located.twice = Said(kTwiceNote);
  const ClockReading universal = ReadingOf(instants.instants.front().seconds);
  if (universal.year < kFirstCalendarYear || universal.year > kLastCalendarYear) {
    return ToolResult::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "Die Ortszeit %1 liegt in Weltzeit außerhalb der Jahre %2 bis %3")),
        {ReadingText(reading), std::to_string(kFirstCalendarYear),
         std::to_string(kLastCalendarYear)}));
  }
  // The hours carry the tenth of a thousandth of a typed time.
  SetInstant(sky, universal.day, universal.month, universal.year,
             static_cast<double>(universal.secondOfDay) / kSecondsPerHour + kEnteredOffset);
  return located;
}

ToolOutcome<LocatedSky> LocateArguments(const std::vector<std::string>& args,
                                        const PlaceOptions& options) {
  if (options.saved) return LocateSaved(args, options);
  if (!options.any()) {
    Outcome<SkyState> plain = SkyForArguments(args);
    if (!plain.ok()) return ToolResult::UsageError(plain.error());
    LocatedSky located;
    located.sky = std::move(plain).value();
    return located;
  }
  return LocateInAtlas(args, options);
}

ToolOutcome<LocatedSky> LocateInAtlas(const std::vector<std::string>& args,
                                      const PlaceOptions& options) {
  if (options.saved) return LocateSaved(args, options);
  const Status counted = CheckInstantAndPlaceCount(args);
  if (!counted.ok()) return ToolResult::UsageError(counted.error());
  const Outcome<ArgumentInstant> instant = ParseInstant(args, true);
  if (!instant.ok()) return ToolResult::UsageError(instant.error());
  const auto coordinates = args.begin() + static_cast<std::ptrdiff_t>(InstantArgumentCount(args));
  ToolOutcome<LocatedSky> place = LocatePlace({coordinates, args.end()}, options, &ProgramAtlas());
  if (!place.ok()) return place;
  return AtLocalOrUniversalTime(std::move(place).value(), instant.value().date,
                                instant.value().hours, options.local && !instant.value().present);
}

std::vector<std::string> PlaceLines(const LocatedSky& located, ClockSeconds universal,
                                    const std::string& note) {
  if (!located.shown) return {};
  std::vector<std::string> lines;
  std::string parts;
  for (const std::string* part : {&located.place.name, &located.place.region,
                                  &located.place.country, &located.place.timeZone}) {
    if (part->empty()) continue;
    parts += (parts.empty() ? "" : ", ") + *part;
  }
  if (!parts.empty()) lines.push_back(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Ort: ")) + parts);
  lines.push_back(LocalTimeLine(located, universal, note));
  return lines;
}

std::string LocalTimeLine(const LocatedSky& located, ClockSeconds universal,
                          const std::string& note) {
  const LocalTime local =
      LocalOf(SystemPlaceTimeRules(), located.timeZone, located.sky.longitude, universal);
  return Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Ortszeit: ")) + ReadingText(local.reading) + " " +
         ZoneAbbreviationText(local.offset) + " (" + FullOffsetText(local.offset.seconds) + ")" +
         note;
}

ClockSeconds UniversalSeconds(const SkyState& sky) {
  return ClockSecondsOf(sky.day, sky.month, sky.year, sky.hours);
}

}  // namespace sternwerk
