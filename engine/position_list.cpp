#include "engine/position_list.h"

#include "engine/factors.h"
#include "engine/text_forms.h"

namespace sternwerk {

namespace {

// The sign abbreviation of Trunc(longitude / 30); empty for a longitude
// outside [0, 360), such as the Sun's or the Moon's just past 360.
std::string ListedSign(double longitude) {
  const double sign = longitude / 30;
  if (!(sign >= 0 && sign < 12)) return "";
  return ShownSignAbbreviation(static_cast<int>(sign));
}

}  // namespace

std::string PositionListLine(int factor, double longitude) {
  return PositionListLine(" " + ShownFactorCode(factor), longitude);
}

std::string PositionListLine(std::string_view codeColumn, double longitude) {
  return std::string(codeColumn) + " " + FormatAngle(3, AngleMode::kFull, longitude) + "=" +
         FormatAngle(2, AngleMode::kWithinSign, longitude) + ListedSign(longitude);
}

}  // namespace sternwerk
