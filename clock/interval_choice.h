// What the interval dialog reads and shows without a window: the number
// typed into its minutes field, and the step the clock takes now.
#pragma once

#include <string>
#include <string_view>

#include "base/outcome.h"
#include "clock/clock_settings.h"

namespace sternwerk {

// The minutes field as a decimal number: leading blanks, an optional sign,
// digits with an optional decimal point ("." or ",") and an optional
// exponent, nothing after it. Any other text (also "12abc") is no number.
Outcome<double> ReadIntervalMinutes(std::string_view text);

// A number as the interval texts show it: rounded to at most `decimals`
// places, without trailing zeros, with the decimal comma in German ("1,5",
// "1.5" in English).
std::string ShownDecimal(double value, int decimals);

// One tick's step in words, in the language shown: "1 Sekunde" in real
// time; for typed minutes the seconds under a minute ("30 Sekunden",
// "1,002 Sekunden"), else the minutes ("1,5 Minuten"); "1 Tag", "7 Tage",
// "30 Tage" and "1 Jahr" for the dialog's four buttons.
std::string StepLengthText(const ClockSettings& clock);

}  // namespace sternwerk
