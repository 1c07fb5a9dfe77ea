#include "clock/interval_choice.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace sternwerk {

std::optional<double> ReadIntervalMinutes(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text.remove_prefix(first);
  const bool sign = text.front() == '+' || text.front() == '-';
  const std::string_view digits = text.substr(sign ? 1 : 0);
  if (digits.empty() ||
      !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.')) {
    return std::nullopt;  // no "inf", "nan" or second sign
  }
  // from_chars takes a minus sign but no plus sign.
  if (text.front() == '+') text = digits;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace sternwerk
