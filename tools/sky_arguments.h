// Reading the instant and place that sternwerk-sky is given. A refused
// argument is a failure whose message names it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/number_reading.h"
#include "base/outcome.h"

namespace sternwerk {

struct CalendarDate {
  int day;
  int month;
  int year;
};

inline constexpr double kDefaultLongitude = 10.0;
inline constexpr double kDefaultLatitude = 50.0;

// Numbers on the command line and in --tsv lines: an optional sign, "." or
// "," as decimal point, no blanks and no exponent.
inline constexpr NumberRules kArgumentNumber{.sign = true, .decimalComma = true};

// "DD.MM.YYYY", a real date of the calendar's years.
Outcome<CalendarDate> ParseDate(std::string_view text);

// "HH:MM" or "HH:MM:SS" up to 24:00:00, as decimal hours with the 0.0001 hour
// that an entered time carries.
Outcome<double> ParseTime(std::string_view text);

// "HH:MM" or "HH:MM:SS" up to 24:00:00 as exact decimal hours.
Outcome<double> ParseClockTime(std::string_view text);

// An instant of the command line: a date and decimal hours, or the present.
struct ArgumentInstant {
  CalendarDate date;
  double hours = 0;
  // "jetzt" or "now": the system clock's present, Universal Time always.
  bool present = false;
};

// "jetzt" or "now", in either language and any case.
bool IsNow(std::string_view text);

// The instant `args` begin with: "jetzt" or "now" (one argument), the
// present read from the system clock to the second; else DD.MM.YYYY
// (ParseDate) and, where `withTime`, HH:MM[:SS] (ParseTime) after it.
// `args` holds as many arguments as are read.
Outcome<ArgumentInstant> ParseInstant(std::span<const std::string> args, bool withTime);

// A decimal number within [low, high]; name says which argument it is in
// the message.
Outcome<double> ParseDegrees(std::string_view text, std::string_view name, double low, double high);

// Decimal degrees, east and north positive.
struct Place {
  double longitude;
  double latitude;
};
inline constexpr Place kDefaultPlace{kDefaultLongitude, kDefaultLatitude};

// Which coordinate an angle is: the letters that may follow it, for the
// positive and the negative side, and its bound.
enum class Axis { kLongitude, kLatitude };

// A longitude (-180..180; "E", "O" or "W" may follow) or latitude (-90..90;
// "N" or "S" may follow), letters in either case: decimal degrees ("9.99",
// "-9,99") or degrees and minutes with seconds if wanted ("9°59'",
// "9°59'30\"", "9:59", "9:59:30", "9d59"). "W" and "S" count negative and
// take no sign. Refused as ParseDegrees refuses.
Outcome<double> ParseAngle(std::string_view text, Axis axis);

// LONGITUDE and LATITUDE as ParseAngle reads them.
Outcome<Place> ParsePlace(std::string_view longitude, std::string_view latitude);

// The text as a message may show it: control characters become "?".
std::string Printable(std::string_view text);

}  // namespace sternwerk
