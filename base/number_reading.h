// Numbers typed by a user or given on a command line, read by one grammar
// whose choices each caller makes: blanks before the number, a sign, a
// decimal comma, an exponent.
#pragma once

#include <string_view>

#include "base/outcome.h"

namespace sternwerk {

// What a number text may hold beyond its digits. Without any choice a
// number is digits with an optional "." and digits on either side of it (at
// least one digit in all), and nothing after them.
struct NumberRules {
  bool leadingBlanks = false;  // blanks (" ") before the number are passed over
  bool sign = false;           // one "+" or "-" may come first
  bool decimalComma = false;   // "," may stand for the decimal point
  bool exponent = false;       // "e" or "E", an optional sign and digits may follow
};

// The finite decimal number the whole text is under the rules; anything
// else, also a value beyond the range of a double, is a failure.
Outcome<double> ReadNumber(std::string_view text, NumberRules rules);

// A whole number: digits only after the sign, whatever the rules say about
// decimal point, comma and exponent; a value beyond an int is a failure.
Outcome<int> ReadWholeNumber(std::string_view text, NumberRules rules);

}  // namespace sternwerk
