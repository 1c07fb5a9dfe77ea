#include "clock/interval_choice.h"

#include "base/number_reading.h"

namespace sternwerk {
namespace {

constexpr NumberRules kMinutesField{
    .leadingBlanks = true, .sign = true, .decimalComma = true, .exponent = true};

}  // namespace

Outcome<double> ReadIntervalMinutes(std::string_view text) {
  return ReadNumber(text, kMinutesField);
}

}  // namespace sternwerk
