#include "tools/located_sky.h"

#include <cstdio>
#include <iostream>

#include "base/translation.h"
#include "engine/state_texts.h"
#include "places/local_time.h"
#include "places/qt/civil_time.h"
#include "places/qt/geonames_atlas.h"
#include "places/zone_texts.h"
#include "tools/places_command.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr int kExitSkippedTime = 2;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr const char* kTwiceNote =
    QT_TRANSLATE_NOOP("sternwerk-sky", " (doppelt: es gilt die frühere)");

// "DD.MM.YYYY HH:MM:SS" of a clock reading.
std::string ReadingText(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  char time[48];
  std::snprintf(time, sizeof time, " %02d:%02d:%02d", reading.secondOfDay / kSecondsPerHour,
                reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute,
                reading.secondOfDay % kSecondsPerMinute);
  return DateText(reading.day, reading.month, reading.year) + time;
}

// The place without its zone where this machine's time-zone data lack it,
// which is said on standard error: then its mean time stands in.
PlaceIdentity WithKnownZone(PlaceIdentity place, double longitude) {
  const std::string problem = LocalOf(SystemPlaceTimeRules(), place, longitude, 0).zoneProblem;
  if (problem.empty()) return place;
  std::cerr << "sternwerk-sky: " << problem
            << ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", " Es gilt die mittlere Ortszeit."))
            << '\n';
  place.timeZone.clear();
  return place;
}

Outcome<LocatedSky> Found(LocatedSky located) {
  return Outcome<LocatedSky>::Success(std::move(located));
}

Outcome<LocatedSky> Refusing(int exitStatus, std::string message) {
  LocatedSky refused;
  refused.refusal = {exitStatus, std::move(message)};
  return Outcome<LocatedSky>::Success(std::move(refused));
}

}  // namespace

const PlaceAtlas& ProgramAtlas() {
  static const PlaceAtlas atlas = [] {
    LoadedAtlas loaded = LoadGeoNamesAtlas();
    if (!loaded.germanNamesMissing.empty()) {
      std::cerr << "sternwerk-sky: "
                << WithArguments(
                       ToolText(QT_TRANSLATE_NOOP(
                           "sternwerk-sky",
                           "Die deutschen Ortsnamen fehlen (%1); es gelten die englischen")),
                       {loaded.germanNamesMissing})
                << '\n';
    }
    return PlaceAtlas(std::move(loaded.places));
  }();
  return atlas;
}

int Refuse(const Refusal& refusal) {
  std::cerr << "sternwerk-sky: " << refusal.message << '\n';
  return refusal.exitStatus;
}

bool Refused(const LocatedSky& located, int& status) {
  if (located.refusal.exitStatus == 0) return false;
  status = Refuse(located.refusal);
  return true;
}

Outcome<LocatedSky> LocatePlace(const std::vector<std::string>& coordinates,
                                const PlaceOptions& options, const PlaceAtlas* atlas) {
  LocatedSky located;
  located.shown = options.any();
  Place place = kDefaultPlace;
  if (options.name) {
    if (!coordinates.empty())
      return Outcome<LocatedSky>::Failure(ToolText(QT_TRANSLATE_NOOP(
          "sternwerk-sky", "--place steht statt Länge und Breite, nicht mit ihnen")));
    const NamedPlace named = PlaceNamed(*atlas, *options.name, std::cerr);
    if (named.place == nullptr) return Refusing(named.refusal.exitStatus, named.refusal.message);
    place = {named.place->longitude, named.place->latitude};
    located.place = IdentityOf(*named.place, ShownLanguage());
  } else if (!coordinates.empty()) {
    const Outcome<Place> typed = ParsePlace(coordinates[0], coordinates[1]);
    if (!typed.ok()) return Outcome<LocatedSky>::Failure(typed.error());
    place = typed.value();
  }
  if (!options.name && atlas != nullptr)
    located.place = TypedPlaceIdentity(*atlas, place.longitude, place.latitude);
  located.timeZone = WithKnownZone(located.place, place.longitude);
  located.sky = SkyFor(1, 1, kFirstCalendarYear, 0, place.longitude, place.latitude);
  return Found(std::move(located));
}

Outcome<LocatedSky> AtLocalOrUniversalTime(LocatedSky located, const CalendarDate& date,
                                           double hours, bool local, SkippedTime skipped) {
  SkyState& sky = located.sky;
  if (!local) {
    SetInstant(sky, date.day, date.month, date.year, hours);
    return Found(std::move(located));
  }
  const ClockSeconds reading = ClockSecondsOf(date.day, date.month, date.year, hours);
  const UniversalTimes instants =
      UniversalOf(SystemPlaceTimeRules(), located.timeZone, sky.longitude, reading,
                  skipped == SkippedTime::kInstantAfter ? SkippedReading::kInstantAfter
                                                        : SkippedReading::kNoInstant);
  if (instants.instants.empty()) {
    return Refusing(
        kExitSkippedTime,
        WithArguments(ToolText(QT_TRANSLATE_NOOP("sternwerk-sky",
                                                 "Die Ortszeit %1 gibt es in %2 nicht: Die Uhren "
                                                 "wurden über diese Stunde vorgestellt")),
                      {ReadingText(reading), located.timeZone.timeZone}));
  }
  if (instants.instants.size() > 1) located.twice = ToolText(kTwiceNote);
  const ClockReading universal = ReadingOf(instants.instants.front().seconds);
  if (universal.year < kFirstCalendarYear || universal.year > kLastCalendarYear) {
    return Outcome<LocatedSky>::Failure(WithArguments(
        ToolText(QT_TRANSLATE_NOOP(
            "sternwerk-sky", "Die Ortszeit %1 liegt in Weltzeit außerhalb der Jahre %2 bis %3")),
        {ReadingText(reading), std::to_string(kFirstCalendarYear),
         std::to_string(kLastCalendarYear)}));
  }
  // The hours carry the tenth of a thousandth of a typed time.
  SetInstant(sky, universal.day, universal.month, universal.year,
             static_cast<double>(universal.secondOfDay) / kSecondsPerHour + kEnteredOffset);
  return Found(std::move(located));
}

Outcome<LocatedSky> LocateArguments(const std::vector<std::string>& args,
                                    const PlaceOptions& options) {
  if (!options.any()) {
    Outcome<SkyState> plain = SkyForArguments(args);
    if (!plain.ok()) return Outcome<LocatedSky>::Failure(plain.error());
    LocatedSky located;
    located.sky = std::move(plain).value();
    return Found(std::move(located));
  }
  const Status counted = CheckInstantAndPlaceCount(args);
  if (!counted.ok()) return Outcome<LocatedSky>::Failure(counted.error());
  const Outcome<ArgumentInstant> instant = ParseInstant(args, true);
  if (!instant.ok()) return Outcome<LocatedSky>::Failure(instant.error());
  const auto coordinates = args.begin() + static_cast<std::ptrdiff_t>(InstantArgumentCount(args));
  Outcome<LocatedSky> place = LocatePlace({coordinates, args.end()}, options, &ProgramAtlas());
  if (!place.ok() || place.value().refusal.exitStatus != 0) return place;
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
  if (!parts.empty())
    lines.push_back(ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "Ort: ")) + parts);
  lines.push_back(LocalTimeLine(located, universal, note));
  return lines;
}

std::string LocalTimeLine(const LocatedSky& located, ClockSeconds universal,
                          const std::string& note) {
  const LocalTime local =
      LocalOf(SystemPlaceTimeRules(), located.timeZone, located.sky.longitude, universal);
  return ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "Ortszeit: ")) + ReadingText(local.reading) +
         " " + ZoneAbbreviationText(local.offset) + " (" + FullOffsetText(local.offset.seconds) +
         ")" + note;
}

ClockSeconds UniversalSeconds(const SkyState& sky) {
  return ClockSecondsOf(sky.day, sky.month, sky.year, sky.hours);
}

}  // namespace sternwerk
