#include "engine/factors.h"

#include <cmath>

namespace sternwerk {

std::string ShownFactorCode(int factor) {
  return Translated("sternwerk::FactorCodes",
                    kFactorCodes.at(static_cast<std::size_t>(factor)).data());
}

std::string ShownSignAbbreviation(int sign) {
  return Translated("sternwerk::SignAbbreviations",
                    kSignAbbreviations.at(static_cast<std::size_t>(sign)).data());
}

int SignIndex(double longitude) {
  const double sign = std::floor(std::fmod(longitude, 360.0) / 30.0);
  if (!(sign >= -12 && sign < 12)) return 0;  // not finite
  return (static_cast<int>(sign) + 12) % 12;
}

}  // namespace sternwerk
