#include "observing/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/language.h"
#include "base/time_units.h"
#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr std::int64_t kMinutesPerDegree = 60;

std::string TwoDigits(std::int64_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string DecimalText(double value, int decimals, bool withSign) {
  char digits[64];
  const double scale = std::pow(10.0, decimals);
  // A value that rounds to zero is written without its sign.
  if (std::round(value * scale) == 0) value = 0;
  const std::to_chars_result written =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  std::string text(digits, written.ptr);
  if (withSign && value >= 0) text.insert(text.begin(), '+');
  return text;
}

std::string ShownDecimalText(double value, int decimals, bool withSign) {
  std::string text = DecimalText(value, decimals, withSign);
  if (ShownLanguage() == Language::kGerman) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string RightAscensionText(double hours) {
  std::int64_t seconds = std::llround(hours * kSecondsPerHour) % kSecondsPerDay;
  if (seconds < 0) seconds += kSecondsPerDay;
  return TwoDigits(seconds / kSecondsPerHour) + "h" + TwoDigits(seconds / 60 % 60) + "m" +
         TwoDigits(seconds % 60) + "s";
}

std::string DeclinationText(double degrees) {
  const std::int64_t minutes = std::llround(std::abs(degrees) * kMinutesPerDegree);
  const char* sign = degrees < 0 && minutes != 0 ? "-" : "+";
  return sign + std::to_string(minutes / kMinutesPerDegree) + "\xC2\xB0" +
         TwoDigits(minutes % kMinutesPerDegree) + "'";
}

}  // namespace sternwerk
