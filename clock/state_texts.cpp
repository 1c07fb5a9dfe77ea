#include "clock/state_texts.h"

#include <cstddef>

namespace sternwerk {
namespace {

// Characters first..last (counted from 1) of text, as far as it reaches.
std::string Characters(const std::string& text, std::size_t first, std::size_t last) {
  if (first > text.size()) return {};
  return text.substr(first - 1, last - first + 1);
}

// The decimal number of the leading digits of characters first..last;
// 0 when the field does not begin with a digit.
int Field(const std::string& text, std::size_t first, std::size_t last) {
  int value = 0;
  for (const char c : Characters(text, first, last)) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool BeginsWithMinus(const std::string& text) {
  return !text.empty() && text.front() == '-';
}

double PlaceValue(int degrees, int minutes, bool negative) {
  const double value = degrees + minutes / 60.0 + kPlaceOffsetDegrees;
  return negative ? -value : value;
}

}  // namespace

void SetInstantFromTexts(SkyState& sky) {
  sky.day = Field(sky.dateText, 1, 2);
  sky.month = Field(sky.dateText, 4, 5);
  sky.year = Field(sky.dateText, 7, 10);
  sky.hours = Field(sky.timeText, 1, 2) + Field(sky.timeText, 4, 5) / 60.0 +
              Field(sky.timeText, 7, 8) / 3600.0;
}

void SetPlaceFromTexts(SkyState& sky) {
  sky.isWest = BeginsWithMinus(sky.longitudeText);
  sky.longitude =
      PlaceValue(Field(sky.longitudeText, 2, 4), Field(sky.longitudeText, 6, 7), sky.isWest);
  sky.isSouth = BeginsWithMinus(sky.latitudeText);
  sky.latitude =
      PlaceValue(Field(sky.latitudeText, 2, 3), Field(sky.latitudeText, 5, 6), sky.isSouth);
}

void SetDefaultPlace(SkyState& sky) {
  const SkyState defaults;
  sky.longitude = defaults.longitude;
  sky.latitude = defaults.latitude;
  sky.isWest = defaults.isWest;
  sky.isSouth = defaults.isSouth;
  sky.longitudeText = defaults.longitudeText;
  sky.latitudeText = defaults.latitudeText;
}

std::string PlaceLabelFromTexts(const SkyState& sky) {
  return Characters(sky.longitudeText, 2, 8) + (sky.isWest ? " W, " : " E, ") +
         Characters(sky.latitudeText, 2, 7) + (sky.isSouth ? " S" : " N");
}

}  // namespace sternwerk
