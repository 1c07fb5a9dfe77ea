// Numbers as the observing texts write them, whatever the process locale.
#pragma once

#include <string>

namespace sternwerk {

// `value` with `decimals` places and a decimal point; with `withSign` a
// "+" before values that are not negative. "-0.0" is written "0.0".
std::string DecimalText(double value, int decimals, bool withSign = false);

// As DecimalText, with the decimal comma where the language shown is
// German.
std::string ShownDecimalText(double value, int decimals, bool withSign = false);

// Right ascension, hours: "12h34m56s"; declination, degrees: "+12°34'",
// "-0°05'" (UTF-8), each rounded to its last unit.
std::string RightAscensionText(double hours);
std::string DeclinationText(double degrees);

}  // namespace sternwerk
