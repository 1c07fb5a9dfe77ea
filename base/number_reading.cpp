#include "base/number_reading.h"

#include <charconv>
#include <string>

#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr const char* kNoNumber = QT_TRANSLATE_NOOP("sternwerk::NumberReading", "keine Zahl");

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where the run of digits starting at `at` ends.
std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The number as from_chars reads it: no leading blanks, no "+" before it, a
// "." as decimal point. Empty, which from_chars refuses, when the text
// breaks the rules.
std::string Normalised(std::string_view text, NumberRules rules, bool whole) {
  if (rules.leadingBlanks) {
    const std::size_t first = text.find_first_not_of(' ');
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
  }
  std::string number;
  if (rules.sign && !text.empty() && (text.front() == '+' || text.front() == '-')) {
    if (text.front() == '-') number += '-';
    text.remove_prefix(1);
  }
  std::size_t at = SkipDigits(text, 0);
  std::size_t digits = at;
  number += text.substr(0, at);
  const bool point =
      at < text.size() && (text[at] == '.' || (rules.decimalComma && text[at] == ','));
  if (!whole && point) {
    const std::size_t fraction = SkipDigits(text, at + 1);
    digits += fraction - at - 1;
    number += '.';
    number += text.substr(at + 1, fraction - at - 1);
    at = fraction;
  }
  if (digits == 0) return {};
  if (!whole && rules.exponent && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t power = at + 1;
    if (power < text.size() && (text[power] == '+' || text[power] == '-')) ++power;
    const std::size_t end = SkipDigits(text, power);
    if (end == power) return {};
    number += text.substr(at, end - at);
    at = end;
  }
  return at == text.size() ? number : std::string();
}

template <typename T>
Outcome<T> Converted(const std::string& number) {
  T value{};
  const char* end = number.data() + number.size();
  const auto [rest, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || rest != end)
    return Outcome<T>::Failure(Translated("sternwerk::NumberReading", kNoNumber));
  return Outcome<T>::Success(value);
}

}  // namespace

// Digits alone never spell "inf" or "nan", and from_chars refuses a value
// beyond the range: every number read is finite.
Outcome<double> ReadNumber(std::string_view text, NumberRules rules) {
  return Converted<double>(Normalised(text, rules, false));
}

Outcome<int> ReadWholeNumber(std::string_view text, NumberRules rules) {
  return Converted<int>(Normalised(text, rules, true));
}

}  // namespace sternwerk
