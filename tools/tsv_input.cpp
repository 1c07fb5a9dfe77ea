#include "tools/tsv_input.h"

#include <sstream>
#include <vector>

#include "tools/sky_arguments.h"
#include "tools/sky_report.h"

namespace sternwerk {
namespace {

constexpr std::size_t kFields = 6;
constexpr double kHoursPerDay = 24;
constexpr double kMaxLongitude = 180;
constexpr double kMaxLatitude = 90;
constexpr std::string_view kBlanks = " \t\r";

std::vector<std::string> Fields(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> fields;
  for (std::string field; stream >> field;) fields.push_back(field);
  return fields;
}

}  // namespace

bool HasTsvValues(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  return first != std::string_view::npos && line[first] != '#';
}

SkyState ReadTsvInput(const std::string& line) {
  const std::vector<std::string> fields = Fields(line);
  if (fields.size() != kFields) {
    throw UsageError("erwartet 6 Felder \"Tag Monat Jahr Stunden Länge Breite\", nicht " +
                     std::to_string(fields.size()));
  }
  int day = 0, month = 0, year = 0;
  const bool numbers = ParseInteger(fields[0], day) && ParseInteger(fields[1], month) &&
                       ParseInteger(fields[2], year);
  if (!numbers || !IsCalendarDate(day, month, year)) {
    const bool yearOutside = numbers && (year < kFirstYear || year > kLastYear);
    throw UsageError(Printable(fields[0] + "." + fields[1] + "." + fields[2]) +
                     " ist kein gültiges Datum" + (yearOutside ? " (Jahre 1600 bis 9999)" : ""));
  }
  const double hours = ParseDegrees(fields[3], "Stunden", 0, kHoursPerDay);
  const double longitude = ParseDegrees(fields[4], "Länge", -kMaxLongitude, kMaxLongitude);
  const double latitude = ParseDegrees(fields[5], "Breite", -kMaxLatitude, kMaxLatitude);
  return SkyFor(day, month, year, hours, longitude, latitude);
}

}  // namespace sternwerk
