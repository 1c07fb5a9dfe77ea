#include "tools/tsv_input.h"

#include <sstream>
#include <vector>

#include "base/time_units.h"
#include "engine/calendar.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr std::size_t kFields = 6;
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

Outcome<SkyState> ReadTsvInput(const std::string& line) {
  const std::vector<std::string> fields = Fields(line);
  if (fields.size() != kFields) {
    return Outcome<SkyState>::Failure(
        WithArguments(Said(QT_TRANSLATE_NOOP(
                          "sternwerk-sky",
                          "erwartet 6 Felder \"Tag Monat Jahr Stunden Länge Breite\", nicht %1")),
                      {std::to_string(fields.size())}));
  }
  const Outcome<int> day = ReadWholeNumber(fields[0], kArgumentNumber);
  const Outcome<int> month = ReadWholeNumber(fields[1], kArgumentNumber);
  const Outcome<int> year = ReadWholeNumber(fields[2], kArgumentNumber);
  const bool numbers = day.ok() && month.ok() && year.ok();
  if (!numbers || !IsCalendarDate(day.value(), month.value(), year.value())) {
    const bool yearOutside =
        numbers && (year.value() < kFirstCalendarYear || year.value() > kLastCalendarYear);
    const std::string date = Printable(fields[0] + "." + fields[1] + "." + fields[2]);
    const std::string first = std::to_string(kFirstCalendarYear);
    const std::string last = std::to_string(kLastCalendarYear);
    return Outcome<SkyState>::Failure(
        yearOutside
            ? WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                                                   "%1 ist kein gültiges Datum (Jahre %2 bis %3)")),
                            {date, first, last})
            : WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 ist kein gültiges Datum")),
                            {date}));
  }
  const Outcome<double> hours =
      fields[3].find(':') == std::string::npos
          ? ParseDegrees(fields[3], Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Stunden")), 0,
                         kHoursPerDay)
          : ParseClockTime(fields[3]);
  if (!hours.ok()) return Outcome<SkyState>::Failure(hours.error());
  const Outcome<Place> place = ParsePlace(fields[4], fields[5]);
  if (!place.ok()) return Outcome<SkyState>::Failure(place.error());
  return Outcome<SkyState>::Success(SkyFor(day.value(), month.value(), year.value(), hours.value(),
                                           place.value().longitude, place.value().latitude));
}

}  // namespace sternwerk
