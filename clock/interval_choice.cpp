#include "clock/interval_choice.h"

#include <cmath>
#include <cstdio>

#include "base/number_reading.h"
#include "base/time_units.h"
#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr NumberRules kMinutesField{
    .leadingBlanks = true, .sign = true, .decimalComma = true, .exponent = true};

constexpr int kSecondDecimals = 3;
constexpr int kMinuteDecimals = 2;
// Numbers at least this large are written in exponent form ("9e+99").
constexpr double kLongestFixed = 1e15;
constexpr int kExponentDigits = 6;

constexpr const char* kOneSecond = QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "%1 Sekunde");
constexpr const char* kSeconds = QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "%1 Sekunden");
constexpr const char* kOneMinute = QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "%1 Minute");
constexpr const char* kMinutes = QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "%1 Minuten");

// A text of this file in the language shown.
constexpr ContextTexts Said("sternwerk::IntervalChoice");

// "1 Sekunde" or "%1 Sekunden": the singular for the number 1 only.
std::string CountText(const std::string& number, const char* one, const char* many) {
  return WithArguments(Said(number == "1" ? one : many), {number});
}

}  // namespace

Outcome<double> ReadIntervalMinutes(std::string_view text) {
  return ReadNumber(text, kMinutesField);
}

std::string ShownDecimal(double value, int decimals) {
  char buffer[64];
  if (!(std::fabs(value) < kLongestFixed)) {
    std::snprintf(buffer, sizeof buffer, "%.*g", kExponentDigits, value);
    return buffer;
  }
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (const auto point = text.find('.');
      point != std::string::npos && ShownLanguage() == Language::kGerman) {
    text[point] = ',';
  }
  return text;
}

std::string StepLengthText(const ClockSettings& clock) {
  switch (clock.stepMode) {
    case StepMode::kRealTime:
      return CountText("1", kOneSecond, kSeconds);
    case StepMode::kMinutes:
      if (clock.intervalMinutes < 1) {
        return CountText(ShownDecimal(clock.intervalMinutes * kSecondsPerMinute, kSecondDecimals),
                         kOneSecond, kSeconds);
      }
      return CountText(ShownDecimal(clock.intervalMinutes, kMinuteDecimals), kOneMinute, kMinutes);
    case StepMode::kDay:
      return Said(QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "1 Tag"));
    case StepMode::kWeek:
      return Said(QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "7 Tage"));
    case StepMode::kMonth:
      return Said(QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "30 Tage"));
    case StepMode::kYear:
      return Said(QT_TRANSLATE_NOOP("sternwerk::IntervalChoice", "1 Jahr"));
  }
  return {};
}

}  // namespace sternwerk
