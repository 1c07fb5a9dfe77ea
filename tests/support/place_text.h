// Place texts as the program writes them, e.g. PlaceText("-008", "30") is
// "-008°30'" in Windows-1252.
#pragma once

#include <string>

namespace sternwerk::testing {

inline std::string PlaceText(const std::string& signAndDegrees, const std::string& minutes) {
  return signAndDegrees + "\xB0" + minutes + "'";
}

}  // namespace sternwerk::testing
