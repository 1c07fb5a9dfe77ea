#include "astrology/chart_lines.h"

#include "astrology/midpoint_text.h"
#include "base/text_encoding.h"
#include "base/translation.h"
#include "engine/factors.h"
#include "engine/position_list.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::Aspects";
constexpr std::size_t kHouseCodeWidth = 3;  // "H12", and " H1" under it

std::string HouseCode(int house) {
  std::string code = "H" + std::to_string(house);
  return std::string(kHouseCodeWidth - code.size(), ' ') + code;
}

}  // namespace

std::vector<std::string> HouseLines(const HouseCusps& houses) {
  std::vector<std::string> lines;
  for (int house = 0; house < kHouses; ++house) {
    lines.push_back(
        PositionListLine(HouseCode(house + 1), houses.cusps[static_cast<std::size_t>(house)]));
  }
  return lines;
}

std::string AspectLine(const Aspect& aspect) {
  const std::string motion =
      aspect.applying ? Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::Aspects", "applikativ"))
                      : Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::Aspects", "separativ"));
  return ShownFactorCode(aspect.first) + " " + ShownFactorCode(aspect.second) + " " +
         AspectName(aspect.kind) + " " + Windows1252ToUtf8(DegreesAndMinutes(1, aspect.orb)) + " " +
         motion;
}

}  // namespace sternwerk
