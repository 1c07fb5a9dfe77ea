#include "base/number_reading.h"

#include <algorithm>
#include <charconv>

namespace sternwerk {
namespace {

std::string_view WithoutLeadingBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int64_t> Digits(std::string_view text) {
  if (!AllDigits(text)) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::int64_t> ReadWholeNumber(std::string_view text) {
  text = WithoutLeadingBlanks(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  const std::optional<std::int64_t> value = Digits(text);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::optional<std::int64_t> ReadUnsignedNumber(std::string_view text) {
  return Digits(WithoutLeadingBlanks(text));
}

}  // namespace sternwerk
