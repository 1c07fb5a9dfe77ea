#include "engine/text_forms.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/arithmetic.h"

namespace sternwerk {
namespace {

constexpr std::size_t kZeroPadLimit = 6;
constexpr std::size_t kAngleTextLimit = 14;
constexpr std::size_t kAngleDegreeDigitsLimit = 3;
constexpr int kSecondsPerDegree = 3600;

// Truncation toward zero to an integer. Values beyond the 64-bit range or
// not finite give 0: the callers keep only the low 16 bits of sane values.
std::int64_t Trunc(double x) {
  constexpr double kLimit = 9.0e18;
  if (!(x > -kLimit && x < kLimit)) return 0;
  return static_cast<std::int64_t>(x);
}

std::string Cut(std::string text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

}  // namespace

std::string ZeroPad(std::int64_t value, int width) {
  const auto v = static_cast<std::uint16_t>(value);
  const int digits = (v != 0) + (v > 9) + (v >= 100) + (v >= 1000) + (v > 9999);
  std::string text;
  if (width > digits) text.assign(static_cast<std::size_t>(width - digits), '0');
  if (v != 0) text += std::to_string(v);
  return Cut(text, kZeroPadLimit);
}

double RoundHalfDown(double x) {
  return Frac(x) > 0.5 ? x + 1 : x;
}

double SignDegrees(double x) {
  return x - Int(x / 30) * 30;
}

std::string FormatAngle(int width, AngleMode mode, double x) {
  const bool negative = x < 0;
  double a = std::fabs(x);
  if (mode == AngleMode::kWithinSign) a = SignDegrees(a);
  std::int64_t degrees = Trunc(a);
  const auto seconds = static_cast<std::uint16_t>(Trunc(Frac(a) * kSecondsPerDegree));
  std::uint16_t minutes = mode == AngleMode::kFull
                              ? static_cast<std::uint16_t>(seconds / 60)
                              : static_cast<std::uint16_t>(Trunc(RoundHalfDown(seconds / 60.0)));
  const auto secondsInMinute = static_cast<std::uint16_t>(seconds - 60 * minutes);
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  std::string text = Cut(ZeroPad(degrees, width), kAngleDegreeDigitsLimit) + kDegreeSign +
                     ZeroPad(minutes, 2) + "'";
  if (mode == AngleMode::kFull) text += ZeroPad(secondsInMinute, 2) + "\"";
  text = Cut(text, kAngleTextLimit);
  return negative ? Cut("-" + text, kAngleTextLimit) : text;
}

std::string FormatCoordinate(bool withSeconds, double x) {
  const std::int64_t degrees = Trunc(x);
  std::string text = ZeroPad(degrees, 3) + kDegreeSign;
  if (withSeconds) {
    const std::int64_t seconds = Trunc(Frac(x) * kSecondsPerDegree);
    return text + ZeroPad(seconds / 60, 2) + "'" + ZeroPad(seconds % 60, 2);
  }
  return text + ZeroPad(Trunc(RoundHalfDown(Frac(x) * 60)), 2) + "'";
}

std::string FormatHours(double hours) {
  // A time made of whole seconds (typed, read from a file, or stepped a second
  // at a time) is often stored a hair below its second; counting the seconds
  // of the whole value with a microsecond of slack shows the second meant.
  constexpr double kSlackSeconds = 1e-6;
  const double slack = hours >= 0 ? kSlackSeconds : 0;
  return FormatSeconds(Trunc(hours * kSecondsPerHour + slack));
}

std::string FormatSeconds(std::int64_t seconds) {
  const std::int64_t withinHour = seconds % kSecondsPerHour;
  return Cut(ZeroPad(seconds / kSecondsPerHour, 2), 2) + ":" +
         Cut(ZeroPad(withinHour / kSecondsPerMinute, 2), 2) + ":" +
         Cut(ZeroPad(withinHour % kSecondsPerMinute, 2), 2);
}

std::string FormatUniversalHours(double hours) {
  return FormatHours(hours) +
         Translated("sternwerk::TextForms", QT_TRANSLATE_NOOP("sternwerk::TextForms", " WZ/GMT"));
}

std::string FormatPlace(double longitude, double latitude, bool isWest, bool isSouth) {
  // A place chosen by name has its exact coordinates, which may lie less than
  // half a minute below a whole degree: its 60' are counted to the degree.
  const auto text = [](double x, int degreeWidth) {
    const std::int64_t minutes = Trunc(RoundHalfDown(std::fabs(x) * 60));
    return ZeroPad(minutes / 60, degreeWidth) + kDegreeSign + ZeroPad(minutes % 60, 2) + "'";
  };
  return text(longitude, 3) + (isWest ? " W" : " E") + ", " + text(latitude, 2) +
         (isSouth ? " S" : " N");
}

}  // namespace sternwerk
