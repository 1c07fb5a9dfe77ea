#include "tools/sky_arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/calendar.h"
#include "engine/state_texts.h"

namespace sternwerk {
namespace {

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text) + "\"";
}

std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

// A field of minDigits to maxDigits decimal digits.
bool ParseDigits(std::string_view text, std::size_t minDigits, std::size_t maxDigits, int& value) {
  if (text.size() < minDigits || text.size() > maxDigits) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return ParseInteger(text, value);
}

// month 1..12.
int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month];
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown(text);
  std::replace_if(
      shown.begin(), shown.end(),
      [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, '?');
  return shown;
}

bool ParseNumber(std::string_view text, double& value) {
  std::string number(WithoutPlus(text));
  if (number.empty()) return false;
  std::replace(number.begin(), number.end(), ',', '.');  // "10,5" as written in German
  const char* end = number.data() + number.size();
  const auto [rest, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  return error == std::errc() && rest == end && std::isfinite(value);
}

bool ParseInteger(std::string_view text, int& value) {
  text = WithoutPlus(text);
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && rest == end;
}

bool IsCalendarDate(int day, int month, int year) {
  return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(month, year);
}

CalendarDate ParseDate(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return UsageError("Datum " + Quoted(text) + ": " + why);
  };
  const std::size_t first = text.find('.');
  const std::size_t second = first == text.npos ? text.npos : text.find('.', first + 1);
  CalendarDate date{};
  if (second == text.npos || !ParseDigits(text.substr(0, first), 1, 2, date.day) ||
      !ParseDigits(text.substr(first + 1, second - first - 1), 1, 2, date.month) ||
      !ParseDigits(text.substr(second + 1), 4, 4, date.year)) {
    throw bad("erwartet TT.MM.JJJJ");
  }
  if (date.year < kFirstYear) throw bad("Jahre vor 1600 werden nicht berechnet");
  if (date.month < 1 || date.month > 12) throw bad("keinen Monat " + std::to_string(date.month));
  if (date.day < 1 || date.day > DaysInMonth(date.month, date.year)) {
    throw bad("diesen Tag gibt es nicht");
  }
  return date;
}

double ParseTime(std::string_view text) {
  const auto bad = [&](const std::string& why) {
    return UsageError("Zeit " + Quoted(text) + ": " + why);
  };
  int fields[3] = {0, 0, 0};
  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = text.find(':', start);
    const std::string_view field = text.substr(start, colon - start);
    if (count == 3 || !ParseDigits(field, 1, 2, fields[count])) throw bad("erwartet HH:MM[:SS]");
    ++count;
    if (colon == text.npos) break;
    start = colon + 1;
  }
  const auto [h, m, s] = fields;
  if (count < 2) throw bad("erwartet HH:MM[:SS]");
  if (m > 59 || s > 59) throw bad("Minuten und Sekunden reichen bis 59");
  if (h > 24 || (h == 24 && (m > 0 || s > 0))) throw bad("die Zeit reicht bis 24:00");
  return h + m / 60.0 + s / 3600.0 + kEnteredOffset;  // as the date dialog stores a typed time
}

double ParseDegrees(std::string_view text, std::string_view name, double low, double high) {
  double value = 0;
  if (!ParseNumber(text, value)) {
    throw UsageError(std::string(name) + " " + Quoted(text) + ": keine Dezimalzahl");
  }
  if (value < low || value > high) {
    throw UsageError(std::string(name) + " " + Quoted(text) + ": muss zwischen " +
                     std::to_string(static_cast<int>(low)) + " und " +
                     std::to_string(static_cast<int>(high)) + " liegen");
  }
  return value;
}

}  // namespace sternwerk
