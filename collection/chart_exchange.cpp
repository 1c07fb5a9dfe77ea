#include "collection/chart_exchange.h"

#include "base/text_encoding.h"
#include "base/time_units.h"

namespace sternwerk {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r\n\f\v";

}  // namespace

std::string Utf8Text(std::string_view file) {
  if (file.starts_with(kByteOrderMark)) file.remove_prefix(kByteOrderMark.size());
  return IsUtf8(file) ? std::string(file) : Windows1252ToUtf8(file);
}

std::vector<std::string> TextLines(std::string_view file) {
  const std::string text = Utf8Text(file);
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    begin = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

std::optional<ClockReading> DottedDate(std::string_view text) {
  const std::size_t first = text.find('.');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find('.', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  ClockReading date;
  if (!ReadDigits(text.substr(0, first), 2, date.day) ||
      !ReadDigits(text.substr(first + 1, second - first - 1), 2, date.month) ||
      !ReadDigits(text.substr(second + 1), 4, date.year) || date.month < 1 ||
      date.month > kMonthsPerYear || date.day < 1 || date.day > DaysInMonth(date.month, date.year))
    return std::nullopt;
  return date;
}

std::optional<int> ClockTime(std::string_view text) {
  const std::size_t first = text.find_first_of(":.");
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find(':', first + 1);
  const std::size_t minutesEnd = second == std::string_view::npos ? text.size() : second;
  int hours = 0, minutes = 0, seconds = 0;
  if (!ReadDigits(text.substr(0, first), 2, hours) ||
      !ReadDigits(text.substr(first + 1, minutesEnd - first - 1), 2, minutes) ||
      (second != std::string_view::npos && !ReadDigits(text.substr(second + 1), 2, seconds)) ||
      hours >= kHoursPerDay || minutes >= kMinutesPerHour || seconds >= kSecondsPerMinute)
    return std::nullopt;
  return (hours * kMinutesPerHour + minutes) * kSecondsPerMinute + seconds;
}

bool ReadDigits(std::string_view text, std::size_t digits, int& value) {
  if (text.empty() || text.size() > digits) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace sternwerk
