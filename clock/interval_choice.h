// What the interval dialog reads without a window: the number typed into its
// minutes field.
#pragma once

#include <string_view>

#include "base/outcome.h"

namespace sternwerk {

// The minutes field as a decimal number: leading blanks, an optional sign,
// digits with an optional decimal point ("." or ",") and an optional
// exponent, nothing after it. Any other text (also "12abc") is no number.
Outcome<double> ReadIntervalMinutes(std::string_view text);

}  // namespace sternwerk
