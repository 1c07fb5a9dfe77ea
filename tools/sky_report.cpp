#include "tools/sky_report.h"

#include <cstdio>

#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "tools/sky_arguments.h"

namespace sternwerk {

SkyState SkyFor(int day, int month, int year, double hours, double longitude, double latitude) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours);
  sky.longitude = longitude;
  sky.latitude = latitude;
  sky.isWest = longitude < 0;
  sky.isSouth = latitude < 0;
  return sky;
}

SkyState SkyForArguments(const std::vector<std::string>& args) {
  if (args.size() != 2 && args.size() != 4) {
    throw UsageError("erwartet Datum und Zeit, dazu wahlweise Länge und Breite");
  }
  const CalendarDate date = ParseDate(args[0]);
  const double hours = ParseTime(args[1]);
  double longitude = kDefaultLongitude, latitude = kDefaultLatitude;
  if (args.size() == 4) {
    longitude = ParseDegrees(args[2], "Länge", -180, 180);
    latitude = ParseDegrees(args[3], "Breite", -90, 90);
  }
  return SkyFor(date.day, date.month, date.year, hours, longitude, latitude);
}

std::vector<std::string> SkyReport(const SkyState& sky, ComputationUsed computation) {
  std::vector<std::string> lines = {
      WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText,
      FormatHours(sky.hours) + " WZ/GMT",
      FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth),
  };
  if (computation != ComputationUsed::kOwn) {
    lines.push_back("Berechnung: " + std::string(ComputationName(computation)));
  }
  for (int factor = 0; factor <= kGZ; ++factor) {
    lines.push_back(PositionListLine(factor, sky.longitudes[factor]));
  }
  return lines;
}

std::string TsvLine(const SkyState& sky) {
  char number[64];
  std::string line;
  const auto field = [&](double value) {
    std::snprintf(number, sizeof number, "%.9f\t", value);
    line += number;
  };
  field(sky.centuries);
  field(sky.ramc);
  for (int factor = 0; factor <= kGZ; ++factor) field(sky.longitudes[factor]);
  line += sky.retrograde[kSun] ? '1' : '0';
  for (int factor = kMercury; factor <= kPoseidon; ++factor)
    line += sky.retrograde[factor] ? '1' : '0';
  return line;
}

}  // namespace sternwerk
