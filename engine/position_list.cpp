#include "engine/position_list.h"

#include "engine/factors.h"
#include "engine/text_forms.h"

namespace sternwerk {

std::string PositionListLine(int factor, double longitude) {
  return " " + std::string(kFactorCodes.at(factor)) + " " +
         FormatAngle(3, AngleMode::kFull, longitude) + "=" +
         FormatAngle(2, AngleMode::kWithinSign, longitude) +
         std::string(kSignAbbreviations[SignIndex(longitude)]);
}

}  // namespace sternwerk
