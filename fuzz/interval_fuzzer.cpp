// Any text in the interval dialog's minutes field: a text it takes as a
// number is a finite decimal number that the C library reads the same way
// (with a decimal comma read as a point),
// and a positive one, set as the minute step, lets the clock tick both ways
// and draw its sky.
#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "clock/clock_step.h"
#include "clock/interval_choice.h"
#include "engine/sky.h"
#include "engine/text_forms.h"
#include "fuzz/fuzz_support.h"

using namespace sternwerk;

namespace {

constexpr int kTicks = 3;

// Only blanks, digits, one leading sign, "." or "," and an exponent can make a number.
bool OnlyNumberCharacters(const std::string& text) {
  return text.find_first_not_of(" 0123456789+-.,eE") == std::string::npos;
}

std::string WithDecimalPoint(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(fuzz::Text(data, size));
  const Outcome<double> read = ReadIntervalMinutes(text);
  if (!read.ok()) return 0;
  const double minutes = read.value();
  FUZZ_CHECK(std::isfinite(minutes));
  FUZZ_CHECK(OnlyNumberCharacters(text));
  FUZZ_CHECK(
      std::count(text.begin(), text.end(), '.') + std::count(text.begin(), text.end(), ',') <= 1);
  const std::string pointed = WithDecimalPoint(text);
  char* end = nullptr;
  const double strtodValue = std::strtod(pointed.c_str(), &end);
  FUZZ_CHECK(*end == '\0');
  FUZZ_CHECK(strtodValue == minutes);

  if (minutes <= 0) return 0;  // the dialog keeps the old step then
  SkyState sky;
  sky.dateText = "07.12.2026";
  ClockSettings clock{.stepMode = StepMode::kMinutes, .intervalMinutes = minutes};
  const std::string interval = IntervalText(clock);
  FUZZ_CHECK(interval.rfind(minutes < 1 ? "Sek/Takt:" : "Min/Takt:", 0) == 0);
  for (const int rate : {1, -1}) {
    clock.ticksPerSecond = rate;
    for (int tick = 0; tick < kTicks; ++tick) {
      StepInstant(sky, clock);
      FUZZ_CHECK(std::isfinite(sky.hours));
      FormatHours(sky.hours);
      ComputeSky(sky);
    }
  }
  return 0;
}
