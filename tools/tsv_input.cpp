#include "tools/tsv_input.h"

#include <sstream>

#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

constexpr double kHoursPerDay = 24;
constexpr double kMaxLongitude = 180;
constexpr double kMaxLatitude = 90;

bool Within(double value, double bound) {
  return value >= -bound && value <= bound;
}

}  // namespace

bool ReadTsvInput(const std::string& line, SkyState& sky) {
  std::istringstream fields(line);
  std::string day, month, year, hours, longitude, latitude, extra;
  if (!(fields >> day >> month >> year >> hours >> longitude >> latitude) || (fields >> extra)) {
    return false;
  }
  int d = 0, m = 0, y = 0;
  double h = 0, lon = 0, lat = 0;
  if (!ParseInteger(day, d) || !ParseInteger(month, m) || !ParseInteger(year, y) ||
      !ParseNumber(hours, h) || !ParseNumber(longitude, lon) || !ParseNumber(latitude, lat)) {
    return false;
  }
  if (!IsCalendarDate(d, m, y) || h < 0 || h > kHoursPerDay || !Within(lon, kMaxLongitude) ||
      !Within(lat, kMaxLatitude)) {
    return false;
  }
  sky = SkyFor(d, m, y, h, lon, lat);
  return true;
}

}  // namespace sternwerk
