#include "windows/date_time_place_messages.h"

#include <string_view>

#include "base/time_units.h"
#include "engine/text_forms.h"
#include "places/local_time.h"
#include "places/zone_texts.h"
#include "windows/date_time_place_logic.h"

namespace sternwerk::date_time_place_messages {
namespace {

constexpr const char* kUniversalTimeText =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "WZ/GMT");
constexpr const char* kMeanLocalTimeOnly =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "nur mittlere Ortszeit");
constexpr const char* kTypedPlace =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "eingegebene Koordinaten");
constexpr std::string_view kPlaceSeparator = " · ";
// Between the two universal readings of a local time given twice.
constexpr const char* kOr = QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", " oder ");
constexpr const char* kSkippedHere =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "gibt es dort nicht (Zeitumstellung)");

// "dd.mm.yyyy hh:mm" of a local reading as typed.
std::string TypedReadingText(ClockSeconds seconds) {
  const ClockReading reading = ReadingOf(seconds);
  return DateText(reading.day, reading.month, reading.year) + " " +
         ZeroPad(reading.secondOfDay / kSecondsPerHour, 2) + ":" +
         ZeroPad(reading.secondOfDay % kSecondsPerHour / kSecondsPerMinute, 2);
}

}  // namespace

std::string SkippedMessage(ClockSeconds local) {
  return WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                             "Die Ortszeit %1 gibt es hier nicht: Die Uhren wurden über diese Zeit "
                             "hinweg vorgestellt. Bitte eine andere Zeit eingeben.")),
      {TypedReadingText(local)});
}

std::string RepeatedQuestion(ClockSeconds local, const UniversalTimes& reading) {
  const std::string first = ZoneAbbreviationText(reading.instants[0].offset);
  const std::string second = ZoneAbbreviationText(reading.instants[1].offset);
  return WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                             "Die Ortszeit %1 gibt es hier zweimal: zuerst als Sommerzeit (%2), "
                             "danach als Normalzeit (%3).\n\nIst die Sommerzeit (%2) gemeint? Mit "
                             "Nein gilt die Normalzeit (%3).")),
      {TypedReadingText(local), first, second});
}

std::string ZoneProblemMessage(const std::string& problem) {
  return problem + Said(QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                                          " Es gilt die mittlere Ortszeit des Ortes."));
}

std::string DegreesNotANumber(const std::string& range) {
  return Said(kDegreesNotANumber) + " " + range;
}

std::string PlaceLine(const PlaceIdentity& place) {
  std::string line(place.name.empty() ? Said(kTypedPlace) : place.name);
  for (const std::string* part : {&place.region, &place.country}) {
    if (!place.name.empty() && !part->empty()) line += ", " + *part;
  }
  line += kPlaceSeparator;
  line += place.timeZone.empty() ? Said(kMeanLocalTimeOnly) : place.timeZone;
  return line;
}

std::string LocalReadingLine(const LocalTime& local, ClockSeconds entered) {
  return "= " + ReadingText(local.reading, entered) + " " + ZoneAbbreviationText(local.offset);
}

std::string UniversalReadingLine(const UniversalTimes& universal, ClockSeconds entered) {
  if (universal.instants.empty()) return "= " + Said(kSkippedHere);
  std::string line = "=";
  for (const UniversalTime& instant : universal.instants) {
    line += (&instant == &universal.instants.front() ? " " : Said(kOr)) +
            ReadingText(instant.seconds, entered);
  }
  return line + " " + Said(kUniversalTimeText);
}

std::string ReadingText(ClockSeconds seconds, ClockSeconds sameDay) {
  const ClockReading reading = ReadingOf(seconds);
  const ClockReading day = ReadingOf(sameDay);
  std::string text;
  if (reading.day != day.day || reading.month != day.month || reading.year != day.year) {
    text = DateText(reading.day, reading.month, reading.year) + " ";
  }
  return text + FormatSeconds(reading.secondOfDay);
}

}  // namespace sternwerk::date_time_place_messages
