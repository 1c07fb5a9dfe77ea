#include "engine/state_texts.h"

#include <cstddef>

namespace sternwerk {
namespace {

// Characters first..last (counted from 1) of text, as far as it reaches.
std::string Characters(const std::string& text, std::size_t first, std::size_t last) {
  if (first > text.size()) return {};
  return text.substr(first - 1, last - first + 1);
}

bool BeginsWithMinus(const std::string& text) {
  return !text.empty() && text.front() == '-';
}

}  // namespace

int FixedField(std::string_view text, std::size_t first, std::size_t last) {
  int value = 0;
  for (std::size_t i = first - 1; i < last && i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

double EnteredValue(bool negative, std::int64_t whole, std::int64_t minutes) {
  const double value =
      static_cast<double>(whole) + static_cast<double>(minutes) / 60.0 + kEnteredOffset;
  return negative ? -value : value;
}

void SetInstantFromTexts(SkyState& sky) {
  sky.day = FixedField(sky.dateText, 1, 2);
  sky.month = FixedField(sky.dateText, 4, 5);
  sky.year = FixedField(sky.dateText, 7, 10);
  sky.hours = FixedField(sky.timeText, 1, 2) + FixedField(sky.timeText, 4, 5) / 60.0 +
              FixedField(sky.timeText, 7, 8) / 3600.0;
}

void SetPlaceFromTexts(SkyState& sky) {
  sky.isWest = BeginsWithMinus(sky.longitudeText);
  sky.longitude = EnteredValue(sky.isWest, FixedField(sky.longitudeText, 2, 4),
                               FixedField(sky.longitudeText, 6, 7));
  sky.isSouth = BeginsWithMinus(sky.latitudeText);
  sky.latitude = EnteredValue(sky.isSouth, FixedField(sky.latitudeText, 2, 3),
                              FixedField(sky.latitudeText, 5, 6));
}

void SetDefaultPlace(SkyState& sky) {
  TakePlace(sky, SkyState());
}

void TakeInstant(SkyState& sky, const SkyState& from) {
  sky.day = from.day;
  sky.month = from.month;
  sky.year = from.year;
  sky.hours = from.hours;
  sky.dateText = from.dateText;
  sky.timeText = from.timeText;
}

void TakePlace(SkyState& sky, const SkyState& from) {
  sky.longitude = from.longitude;
  sky.latitude = from.latitude;
  sky.isWest = from.isWest;
  sky.isSouth = from.isSouth;
  sky.longitudeText = from.longitudeText;
  sky.latitudeText = from.latitudeText;
}

std::string PlaceLabelFromTexts(const SkyState& sky) {
  return Characters(sky.longitudeText, 2, 8) + (sky.isWest ? " W, " : " E, ") +
         Characters(sky.latitudeText, 2, 7) + (sky.isSouth ? " S" : " N");
}

}  // namespace sternwerk
