// Reading the instant and place that sternwerk-sky is given. A refused
// argument is a failure whose message names it.
#pragma once

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

// A decimal number within [low, high]; name says which argument it is in
// the message.
Outcome<double> ParseDegrees(std::string_view text, std::string_view name, double low, double high);

// Decimal degrees, east and north positive.
struct Place {
  double longitude;
  double latitude;
};
inline constexpr Place kDefaultPlace{kDefaultLongitude, kDefaultLatitude};

// LONGITUDE (-180..180) and LATITUDE (-90..90) as decimal numbers.
Outcome<Place> ParsePlace(std::string_view longitude, std::string_view latitude);

// The text as a message may show it: control characters become "?".
std::string Printable(std::string_view text);

}  // namespace sternwerk
