// What the date/time/place dialog's logic says: its texts, marked for
// translation in the context "sternwerk::DateTimePlaceLogic", and the
// messages and lines built from them (UTF-8).
#pragma once

#include <string>

#include "base/translation.h"
#include "engine/calendar.h"
#include "places/place_identity.h"

namespace sternwerk {

struct LocalTime;
struct UniversalTimes;

namespace date_time_place_messages {

inline constexpr const char* kContext = "sternwerk::DateTimePlaceLogic";
inline constexpr const char* kInvalidDate =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist kein gültiges Datum!");
inline constexpr const char* kBeforeCalendar =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic",
                      "Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.");
inline constexpr const char* kInvalidTime =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Zeit!");
inline constexpr const char* kInvalidLongitudeSign = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceLogic", "Bitte + für östliche oder - für westliche Länge eingeben");
inline constexpr const char* kInvalidLatitudeSign = QT_TRANSLATE_NOOP(
    "sternwerk::DateTimePlaceLogic", "Bitte + für nördliche oder - für südliche Breite eingeben");
inline constexpr const char* kInvalidLongitude =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Länge!");
inline constexpr const char* kInvalidLatitude =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das ist keine gültige Breite!");
inline constexpr const char* kLongitudeDegreesRange =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Länge reicht von 0 bis 180 Grad.");
inline constexpr const char* kLatitudeDegreesRange =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Breite reicht von 0 bis 90 Grad.");
inline constexpr const char* kDegreesNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Bitte die Grad nur mit Ziffern eingeben.");
inline constexpr const char* kDayNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Der Tag muss aus Ziffern bestehen.");
inline constexpr const char* kMonthNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Der Monat muss aus Ziffern bestehen.");
inline constexpr const char* kYearNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Das Jahr muss aus Ziffern bestehen.");
inline constexpr const char* kHourNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Stunde muss aus Ziffern bestehen.");
inline constexpr const char* kMinuteNotANumber =
    QT_TRANSLATE_NOOP("sternwerk::DateTimePlaceLogic", "Die Minute muss aus Ziffern bestehen.");

// A text of this dialog in the program's language.
inline constexpr ContextTexts Said(kContext);

// A local time the clocks skipped at the place.
std::string SkippedMessage(ClockSeconds local);
// Which of the two instants of a local time given twice is meant; `reading`
// holds both.
std::string RepeatedQuestion(ClockSeconds local, const UniversalTimes& reading);
// A zone this machine does not know, and what stands in for it.
std::string ZoneProblemMessage(const std::string& problem);
// A refused degree field: that it holds no number, and the allowed range.
std::string DegreesNotANumber(const std::string& range);

// "München, Bayern, Deutschland · Europe/Berlin" for the place.
std::string PlaceLine(const PlaceIdentity& place);
// "= 11:30:00 MEZ": the local reading at the place of the Universal Time
// `entered`.
std::string LocalReadingLine(const LocalTime& local, ClockSeconds entered);
// "= 10:50:02 WZ/GMT", or both instants of a local time given twice, or that
// the local time `entered` does not occur at the place.
std::string UniversalReadingLine(const UniversalTimes& universal, ClockSeconds entered);

// "hh:mm:ss" of the reading, with "dd.mm.yyyy " before it where its day is
// not that of `sameDay`.
std::string ReadingText(ClockSeconds seconds, ClockSeconds sameDay);

}  // namespace date_time_place_messages
}  // namespace sternwerk
