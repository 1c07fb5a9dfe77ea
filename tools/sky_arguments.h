// Reading the instant and place that sternwerk-sky is given.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace sternwerk {

// A bad command-line argument or input line; the message names it.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CalendarDate {
  int day;
  int month;
  int year;
};

inline constexpr int kFirstYear = 1600;
inline constexpr int kLastYear = 9999;
inline constexpr double kDefaultLongitude = 10.0;
inline constexpr double kDefaultLatitude = 50.0;

// "DD.MM.YYYY", a real calendar date from 1600 to 9999.
CalendarDate ParseDate(std::string_view text);

// Whether day, month and year name a real Gregorian date from 1600 to 9999.
bool IsCalendarDate(int day, int month, int year);

// "HH:MM" or "HH:MM:SS" up to 24:00:00, as decimal hours with the 0.0001 hour
// that an entered time carries.
double ParseTime(std::string_view text);

// A decimal number ("." or "," as decimal point, optional sign) within
// [low, high]; name says which argument it is in the message.
double ParseDegrees(std::string_view text, std::string_view name, double low, double high);

// The text as a message may show it: control characters become "?".
std::string Printable(std::string_view text);

// A finite decimal number ("." or "," as decimal point), or false when the
// text is not one.
bool ParseNumber(std::string_view text, double& value);
bool ParseInteger(std::string_view text, int& value);

}  // namespace sternwerk
