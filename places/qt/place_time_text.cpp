#include "places/qt/place_time_text.h"

#include <cmath>
#include <string_view>

#include "base/text_encoding.h"
#include "base/time_units.h"
#include "base/translation.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"
#include "places/local_time.h"
#include "places/place_name_folding.h"
#include "places/qt/civil_time.h"
#include "places/zone_texts.h"

namespace sternwerk {
namespace {

// FormatHours shows the second a time lies in, with this slack for times
// stored a hair below their second; the local time shows the same second.
constexpr double kSlackSeconds = 1e-6;
constexpr const char* kContext = "sternwerk::PlaceTime";
constexpr const char* kZoneFallback =
    QT_TRANSLATE_NOOP("sternwerk::PlaceTime", " Es gilt die mittlere Ortszeit des Ortes.");
// %1 is the place's name.
constexpr const char* kChartPlaceTime = QT_TRANSLATE_NOOP("sternwerk::PlaceTime", "Ortszeit %1: ");

ClockSeconds ShownUniversalTime(const SkyState& sky) {
  return ClockSecondsOf(sky.day, sky.month, sky.year, 0) +
         static_cast<ClockSeconds>(std::floor(sky.hours * kSecondsPerHour + kSlackSeconds));
}

// "10:30:15 MEZ (UT+1)", Windows-1252 but for tzdata's abbreviations, which
// are ASCII.
std::string TimeText(const LocalTime& local) {
  const ClockReading reading = ReadingOf(local.reading);
  return FormatHours(static_cast<double>(reading.secondOfDay) / kSecondsPerHour) + " " +
         ZoneAbbreviationText(local.offset) + " (" + ShortOffsetText(local.offset.seconds) + ")";
}

// "2026-12-07 2130": the date and the time to the minute.
std::string FileDateTime(const ClockReading& reading) {
  const int hour = reading.secondOfDay / kSecondsPerHour;
  const int minute = reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute;
  return ZeroPad(reading.year, 4) + "-" + ZeroPad(reading.month, 2) + "-" +
         ZeroPad(reading.day, 2) + " " + ZeroPad(hour, 2) + ZeroPad(minute, 2);
}

// "013°24'E 52°30'N" (UTF-8).
std::string FileCoordinates(const SkyState& sky) {
  const std::string latitude = FormatCoordinate(false, std::fabs(sky.latitude));
  return Windows1252ToUtf8(FormatCoordinate(false, std::fabs(sky.longitude)) +
                           (sky.isWest ? "W " : "E ") + latitude.substr(1) +
                           (sky.isSouth ? "S" : "N"));
}

// The text with every character a file name may not hold, here or on
// Windows, replaced.
std::string FileNameSafe(std::string text) {
  constexpr std::string_view kForbidden = "/\\:*?\"<>|";
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < ' ' || kForbidden.find(c) != std::string_view::npos)
      c = '_';
  }
  return text;
}

}  // namespace

PlaceTimeParts PlaceTimeAt(const PlaceIdentity& place, const SkyState& sky) {
  const LocalTime local =
      LocalOf(SystemPlaceTimeRules(), place, sky.longitude, ShownUniversalTime(sky));
  PlaceTimeParts parts{place.name, Windows1252ToUtf8(TimeText(local)), {}};
  if (!local.zoneProblem.empty())
    parts.zoneProblem = local.zoneProblem + Translated(kContext, kZoneFallback);
  return parts;
}

std::string ChartPlaceTimeText(const PlaceIdentity& place, const SkyState& sky) {
  if (place.name.empty()) return {};
  const LocalTime local =
      LocalOf(SystemPlaceTimeRules(), place, sky.longitude, ShownUniversalTime(sky));
  const ClockReading reading = ReadingOf(local.reading);
  return WithArguments(Utf8ToWindows1252(Translated(kContext, kChartPlaceTime)),
                       {Utf8ToWindows1252(place.name)}) +
         WeekdayName(reading.year, reading.month, reading.day) + ", " +
         DateText(reading.day, reading.month, reading.year) + " / " + TimeText(local);
}

std::string PictureFileStem(const PlaceIdentity& place, const SkyState& sky) {
  const ClockSeconds universal = ShownUniversalTime(sky);
  if (place.name.empty())
    return FileNameSafe(FileCoordinates(sky) + " " + FileDateTime(ReadingOf(universal)) + " UT");
  const LocalTime local = LocalOf(SystemPlaceTimeRules(), place, sky.longitude, universal);
  return FileNameSafe(place.name + " " + FileDateTime(ReadingOf(local.reading)));
}

}  // namespace sternwerk
