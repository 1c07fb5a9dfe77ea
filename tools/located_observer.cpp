#include "tools/located_observer.h"

#include "base/time_units.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "places/local_day.h"
#include "places/local_time.h"
#include "places/qt/civil_time.h"
#include "places/zone_texts.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

bool HasZone(const LocatedSky& located) {
  return !located.timeZone.timeZone.empty();
}

// The place's local time by this machine's time-zone data.
LocalTime LocalAt(const LocatedSky& located, ClockSeconds universal) {
  return LocalOf(SystemPlaceTimeRules(), located.timeZone, located.sky.longitude, universal);
}

// "HH:MM" of a second of the day.
std::string MinuteText(int secondOfDay) {
  return FormatSeconds(secondOfDay).substr(0, 5);
}

std::string ReadingText(ClockSeconds reading) {
  const ClockReading parts = ReadingOf(reading);
  return DateText(parts.day, parts.month, parts.year) + " " + FormatSeconds(parts.secondOfDay);
}

}  // namespace

ObserverPlace ObserverOf(const LocatedSky& located) {
  return {located.sky.longitude, located.sky.latitude, 0};
}

LocalDay LocalDayAround(const LocatedSky& located, ClockSeconds instant) {
  const PlaceTimeRules rules = SystemPlaceTimeRules();
  const PlaceIdentity& place = located.timeZone;
  const double longitude = located.sky.longitude;
  const ClockSeconds start = LocalDayStart(rules, place, longitude, instant);
  return {start, NextLocalDayStart(rules, place, longitude, start)};
}

std::string EventClockText(const LocatedSky& located, ClockSeconds instant) {
  const ClockSeconds nearestMinute =
      (instant + kSecondsPerMinute / 2) / kSecondsPerMinute * kSecondsPerMinute;
  const ClockSeconds reading =
      HasZone(located) ? LocalAt(located, nearestMinute).reading : nearestMinute;
  return MinuteText(ReadingOf(reading).secondOfDay);
}

std::string EventClockLine(const LocatedSky& located, ClockSeconds instant) {
  if (!HasZone(located)) return Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Zeiten: Weltzeit (UT)"));
  const LocalTime local = LocalAt(located, instant);
  return WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Zeiten: Ortszeit (%1)")),
                       {ShortZoneAbbreviationText(local.offset)});
}

std::string UniversalText(ClockSeconds instant) {
  return ReadingText(instant);
}

std::string ZonedText(const LocatedSky& located, ClockSeconds instant) {
  if (!HasZone(located)) return {};
  const LocalTime local = LocalAt(located, instant);
  return ReadingText(local.reading) + " " + ShortZoneAbbreviationText(local.offset);
}

}  // namespace sternwerk
