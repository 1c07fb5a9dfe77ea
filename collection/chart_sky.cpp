#include "collection/chart_sky.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "base/time_units.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"

namespace sternwerk {
namespace {

constexpr long kArcMinutesPerDegree = 60;
constexpr int kLongitudeDegreeDigits = 3;
constexpr int kLatitudeDegreeDigits = 2;

// "+ddd°mm'" or "+dd°mm'" of a coordinate rounded to whole minutes.
std::string CoordinateText(double degrees, int degreeDigits) {
  const long minutes = std::lround(degrees * kArcMinutesPerDegree);
  const long size = std::labs(minutes);
  return (minutes < 0 ? "-" : "+") + ZeroPad(size / kArcMinutesPerDegree, degreeDigits) + "\xB0" +
         ZeroPad(size % kArcMinutesPerDegree, 2) + "'";
}

// The fixed zone of an offset as the time-zone data name it: "UTC",
// "UTC+01:00", "UTC-03:30", "UTC+00:53:28".
std::string FixedZone(int offsetSeconds) {
  if (offsetSeconds == 0) return "UTC";
  const int size = std::abs(offsetSeconds);
  std::string zone = std::string("UTC") + (offsetSeconds < 0 ? '-' : '+') +
                     ZeroPad(size / kSecondsPerHour, 2) + ':' +
                     ZeroPad(size % kSecondsPerHour / kSecondsPerMinute, 2);
  if (size % kSecondsPerMinute != 0) zone += ':' + ZeroPad(size % kSecondsPerMinute, 2);
  return zone;
}

}  // namespace

std::string StatedZone(const Chart& chart) {
  if (!chart.place.timeZone.empty()) return chart.place.timeZone;
  if (chart.reading == TimeReading::kZoneTime) return FixedZone(chart.offsetSeconds);
  return {};
}

ChartSky SkyOfChart(const Chart& chart) {
  ChartSky located;
  SkyState& sky = located.sky;
  const ClockReading reading = ReadingOf(chart.universal);
  SetInstant(sky, reading.day, reading.month, reading.year,
             static_cast<double>(reading.secondOfDay) / kSecondsPerHour);
  sky.timeText = FormatSeconds(reading.secondOfDay);
  sky.longitude = chart.place.longitude;
  sky.latitude = chart.place.latitude;
  sky.isWest = chart.place.longitude < 0;
  sky.isSouth = chart.place.latitude < 0;
  sky.longitudeText = CoordinateText(chart.place.longitude, kLongitudeDegreeDigits);
  sky.latitudeText = CoordinateText(chart.place.latitude, kLatitudeDegreeDigits);
  located.place = {chart.place.name, chart.place.region, chart.place.country, StatedZone(chart)};
  return located;
}

}  // namespace sternwerk
