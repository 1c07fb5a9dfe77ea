#include "astrology/midpoint_text.h"

#include "engine/factors.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr int kDialDegreeDigits = 2;  // the dial reaches 89°59'

}  // namespace

std::string DegreesAndMinutes(int width, double degrees) {
  const std::string full = FormatAngle(width, AngleMode::kFull, degrees);
  return full.substr(0, full.find('\'') + 1);
}

std::string MidpointName(const Midpoint& midpoint) {
  if (midpoint.IsFactor()) return ShownFactorCode(midpoint.first);
  return ShownFactorCode(midpoint.first) + "/" + ShownFactorCode(midpoint.second);
}

std::string MidpointText(const Midpoint& midpoint) {
  return MidpointName(midpoint) + " " +
         DegreesAndMinutes(kDialDegreeDigits, DialPlace(midpoint.longitude));
}

}  // namespace sternwerk
