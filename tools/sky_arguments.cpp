#include "tools/sky_arguments.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>

#include "base/time_units.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr NumberRules kDigitsOnly{};
constexpr NumberRules kDigitsOnlyDecimal{.decimalComma = true};
constexpr int kLastMinute = 59;
constexpr int kLastHour = 24;
constexpr double kMaxLongitude = 180;
constexpr double kMaxLatitude = 90;

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text) + "\"";
}

// A field of minDigits to maxDigits decimal digits.
Outcome<int> ParseDigits(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) {
    return Outcome<int>::Failure(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "falsche Anzahl Ziffern")));
  }
  return ReadWholeNumber(text, kDigitsOnly);
}

// What may stand between degrees and minutes (the degree sign in UTF-8 and
// in Latin-1), after the minutes, between minutes and seconds, and after
// the seconds.
constexpr std::string_view kDegreeSigns[] = {"\xC2\xB0", "\xB0", ":", "d", "D"};
constexpr std::string_view kMinuteMark = "'";
constexpr std::string_view kSecondsSeparator = ":";
constexpr std::string_view kSecondMark = "\"";
constexpr double kSixtieths = 60;

// The angle's text without its sign or hemisphere letter, and the sign
// they give (+1 or -1).
struct SplitAngle {
  std::string_view degrees;
  int sign;
};

// Takes a leading "+" or "-", or a trailing hemisphere letter, off the
// text; nothing where both are given.
std::optional<SplitAngle> SplitHemisphere(std::string_view text, Axis axis) {
  const std::string_view positive = axis == Axis::kLongitude ? "EeOo" : "Nn";
  const std::string_view negative = axis == Axis::kLongitude ? "Ww" : "Ss";
  SplitAngle split{text, 1};
  const bool signed_ = !text.empty() && (text.front() == '+' || text.front() == '-');
  if (signed_) {
    split.sign = text.front() == '-' ? -1 : 1;
    split.degrees.remove_prefix(1);
  }
  if (split.degrees.empty()) return std::nullopt;
  const char last = split.degrees.back();
  const bool north = positive.find(last) != positive.npos;
  const bool south = negative.find(last) != negative.npos;
  if (!north && !south) return split;
  if (signed_) return std::nullopt;
  split.degrees.remove_suffix(1);
  split.sign = south ? -1 : 1;
  return split;
}

// Takes `mark` off the front of the text; false where it does not stand there.
bool TakeMark(std::string_view& text, std::string_view mark) {
  if (!text.starts_with(mark)) return false;
  text.remove_prefix(mark.size());
  return true;
}

// Takes one or two digits off the text: a value of minutes or seconds,
// below 60.
std::optional<int> TakeSixtieths(std::string_view& text) {
  std::size_t digits = 0;
  while (digits < 2 && digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0) return std::nullopt;
  const Outcome<int> value = ReadWholeNumber(text.substr(0, digits), kDigitsOnly);
  text.remove_prefix(digits);
  if (!value.ok() || value.value() >= kSixtieths) return std::nullopt;
  return value.value();
}

// Degrees, a degree sign, minutes, and optionally seconds: "9°59'",
// "9°59'30\"", "9:59", "9:59:30", "9d59".
std::optional<double> DegreesAndMinutes(std::string_view text) {
  const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
  const Outcome<int> degrees = ReadWholeNumber(text.substr(0, digits), kDigitsOnly);
  std::string_view rest = text.substr(digits);
  const auto degreeSign = [&] {
    return std::ranges::any_of(kDegreeSigns,
                               [&](std::string_view sign) { return TakeMark(rest, sign); });
  };
  if (!degrees.ok() || !degreeSign()) return std::nullopt;
  const std::optional<int> minutes = TakeSixtieths(rest);
  if (!minutes) return std::nullopt;
  std::optional<int> seconds = 0;
  const bool minuteMark = TakeMark(rest, kMinuteMark);
  if (!rest.empty()) {
    if (!minuteMark && !TakeMark(rest, kSecondsSeparator)) return std::nullopt;
    seconds = TakeSixtieths(rest);
    TakeMark(rest, kSecondMark);
  }
  if (!seconds || !rest.empty()) return std::nullopt;
  return degrees.value() + *minutes / kSixtieths + *seconds / (kSixtieths * kSixtieths);
}

// Unsigned degrees, decimal or with minutes; nothing for another text.
std::optional<double> UnsignedDegrees(std::string_view text) {
  const Outcome<double> decimal = ReadNumber(text, kDigitsOnlyDecimal);
  if (decimal.ok()) return decimal.value();
  return DegreesAndMinutes(text);
}

std::string OutOfRange(std::string_view name, std::string_view text, double low, double high) {
  return WithArguments(
      Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 %2: muss zwischen %3 und %4 liegen")),
      {name, Quoted(text), std::to_string(static_cast<int>(low)),
       std::to_string(static_cast<int>(high))});
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown(text);
  std::replace_if(
      shown.begin(), shown.end(),
      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
  return shown;
}

Outcome<CalendarDate> ParseDate(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return Outcome<CalendarDate>::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Datum %1: %2")), {Quoted(text), why}));
  };
  const std::size_t first = text.find('.');
  const std::size_t second = first == text.npos ? text.npos : text.find('.', first + 1);
  const std::string expected = Said(QT_TRANSLATE_NOOP("sternwerk-sky", "erwartet TT.MM.JJJJ"));
  if (second == text.npos) return bad(expected);
  const Outcome<int> day = ParseDigits(text.substr(0, first), 1, 2);
  const Outcome<int> month = ParseDigits(text.substr(first + 1, second - first - 1), 1, 2);
  const Outcome<int> year = ParseDigits(text.substr(second + 1), 4, 4);
  if (!day.ok() || !month.ok() || !year.ok()) return bad(expected);
  const CalendarDate date{day.value(), month.value(), year.value()};
  if (date.year < kFirstCalendarYear) {
    return bad(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Jahre vor %1 werden nicht berechnet")),
        {std::to_string(kFirstCalendarYear)}));
  }
  if (date.month < 1 || date.month > kMonthsPerYear) {
    return bad(WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "keinen Monat %1")),
                             {std::to_string(date.month)}));
  }
  if (!IsCalendarDate(date.day, date.month, date.year))
    return bad(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "diesen Tag gibt es nicht")));
  return Outcome<CalendarDate>::Success(date);
}

Outcome<double> ParseClockTime(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return Outcome<double>::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Zeit %1: %2")), {Quoted(text), why}));
  };
  const std::string expected = Said(QT_TRANSLATE_NOOP("sternwerk-sky", "erwartet HH:MM[:SS]"));
  int fields[3] = {0, 0, 0};
  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = text.find(':', start);
    if (count == 3) return bad(expected);
    const Outcome<int> field = ParseDigits(text.substr(start, colon - start), 1, 2);
    if (!field.ok()) return bad(expected);
    fields[count++] = field.value();
    if (colon == text.npos) break;
    start = colon + 1;
  }
  const auto [h, m, s] = fields;
  if (count < 2) return bad(expected);
  if (m > kLastMinute || s > kLastMinute)
    return bad(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Minuten und Sekunden reichen bis 59")));
  if (h > kLastHour || (h == kLastHour && (m > 0 || s > 0)))
    return bad(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "die Zeit reicht bis 24:00")));
  return Outcome<double>::Success(h + m / 60.0 + s / 3600.0);
}

Outcome<double> ParseTime(std::string_view text) {
  const Outcome<double> hours = ParseClockTime(text);
  if (!hours.ok()) return hours;
  // as the date dialog stores a typed time
  return Outcome<double>::Success(hours.value() + kEnteredOffset);
}

bool IsNow(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "jetzt" || lower == "now";
}

Outcome<ArgumentInstant> ParseInstant(std::span<const std::string> args, bool withTime) {
  using Result = Outcome<ArgumentInstant>;
  if (IsNow(args.front())) {
    const ClockReading now =
        ReadingOf(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now())
                      .time_since_epoch()
                      .count());
    return Result::Success({{now.day, now.month, now.year},
                            static_cast<double>(now.secondOfDay) / kSecondsPerHour,
                            true});
  }
  const Outcome<CalendarDate> date = ParseDate(args.front());
  if (!date.ok()) return Result::Failure(date.error());
  if (!withTime) return Result::Success({date.value(), 0, false});
  const Outcome<double> hours = ParseTime(args[1]);
  if (!hours.ok()) return Result::Failure(hours.error());
  return Result::Success({date.value(), hours.value(), false});
}

Outcome<double> ParseDegrees(std::string_view text, std::string_view name, double low,
                             double high) {
  const Outcome<double> value = ReadNumber(text, kArgumentNumber);
  if (!value.ok()) {
    return Outcome<double>::Failure(
        WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 %2: keine Dezimalzahl")),
                      {name, Quoted(text)}));
  }
  if (value.value() < low || value.value() > high) {
    return Outcome<double>::Failure(OutOfRange(name, text, low, high));
  }
  return value;
}

Outcome<double> ParseAngle(std::string_view text, Axis axis) {
  const bool longitude = axis == Axis::kLongitude;
  const std::string name = longitude ? Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Länge"))
                                     : Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Breite"));
  const double bound = longitude ? kMaxLongitude : kMaxLatitude;
  const std::optional<SplitAngle> split = SplitHemisphere(text, axis);
  const std::optional<double> size = split ? UnsignedDegrees(split->degrees) : std::nullopt;
  if (!size) return ParseDegrees(text, name, -bound, bound);
  if (*size > bound) return Outcome<double>::Failure(OutOfRange(name, text, -bound, bound));
  return Outcome<double>::Success(split->sign * *size);
}

Outcome<Place> ParsePlace(std::string_view longitude, std::string_view latitude) {
  const Outcome<double> east = ParseAngle(longitude, Axis::kLongitude);
  if (!east.ok()) return Outcome<Place>::Failure(east.error());
  const Outcome<double> north = ParseAngle(latitude, Axis::kLatitude);
  if (!north.ok()) return Outcome<Place>::Failure(north.error());
  return Outcome<Place>::Success({east.value(), north.value()});
}

}  // namespace sternwerk
