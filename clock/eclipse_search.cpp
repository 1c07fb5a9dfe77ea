#include "clock/eclipse_search.h"

#include <utility>

#include "base/time_units.h"
#include "base/translation.h"
#include "engine/text_forms.h"
#include "places/zone_texts.h"

namespace sternwerk {
namespace {

// "dd.mm." of a date text.
constexpr std::size_t kDayAndMonth = 6;

bool SameDate(const ClockReading& a, const ClockReading& b) {
  return a.day == b.day && a.month == b.month && a.year == b.year;
}

// "dd.mm. " where the reading's date is not `shownDate`.
std::string DateIfOther(const ClockReading& reading, const ClockReading& shownDate) {
  if (SameDate(reading, shownDate)) return {};
  return DateText(reading.day, reading.month, reading.year).substr(0, kDayAndMonth) + " ";
}

}  // namespace

std::string EclipseProgressText(EclipseSearch search) {
  return Translated("sternwerk::SearchTexts",
                    search == EclipseSearch::kSolar
                        ? QT_TRANSLATE_NOOP("sternwerk::SearchTexts",
                                            "    Nächste Sonnenfinsternis wird gesucht      ")
                        : QT_TRANSLATE_NOOP("sternwerk::SearchTexts",
                                            "     Nächste Mondfinsternis wird gesucht       "));
}

EclipseInstantText ClockEclipseInstantText(ClockSeconds maximum, LocalReadingOf local) {
  return [maximum, local = std::move(local)](ClockSeconds instant) {
    const ClockReading universal = ReadingOf(instant);
    const std::string universalTime =
        FormatUniversalHours(static_cast<double>(universal.secondOfDay) / kSecondsPerHour);
    if (!local) return DateIfOther(universal, ReadingOf(maximum)) + universalTime;
    const LocalTime zoned = local(instant);
    const ClockReading reading = ReadingOf(zoned.reading);
    const ClockReading shownDate = ReadingOf(local(maximum).reading);
    return DateIfOther(reading, shownDate) + FormatSeconds(reading.secondOfDay) + " " +
           ShortZoneText(zoned.offset) + " (" + DateIfOther(universal, shownDate) + universalTime +
           ")";
  };
}

}  // namespace sternwerk
