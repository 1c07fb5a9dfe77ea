#include "places/zone_texts.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "base/text_encoding.h"
#include "base/time_units.h"
#include "base/translation.h"
#include "places/place_name_folding.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::LocalTime";
constexpr const char* kMeanLocalTimeText =
    QT_TRANSLATE_NOOP("sternwerk::LocalTime", "mittlere Ortszeit");

struct OffsetParts {
  char sign;
  int hours;
  int minutes;
  int seconds;
};

OffsetParts PartsOf(int offset) {
  const int size = std::abs(offset);
  return {offset < 0 ? '-' : '+', size / kSecondsPerHour,
          size % kSecondsPerHour / kSecondsPerMinute, size % kSecondsPerMinute};
}

}  // namespace

std::string ZoneAbbreviationText(const CivilOffset& offset) {
  // The European zones' own names; translated back to tzdata's in English.
  static const std::map<std::string, const char*> kGermanNames = {
      {"CET", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MEZ")},
      {"CEST", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MESZ")},
      {"CEMT", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MEHSZ")},
      {"WET", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "WEZ")},
      {"WEST", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "WESZ")},
      {"EET", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "OEZ")},
      {"EEST", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "OESZ")},
      {"MET", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MEZ")},
      {"MEST", QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MESZ")}};
  if (offset.meanLocalTime) return Translated(kContext, kMeanLocalTimeText);
  const auto german = kGermanNames.find(offset.abbreviation);
  return german == kGermanNames.end() ? offset.abbreviation : Translated(kContext, german->second);
}

std::string ShortZoneAbbreviationText(const CivilOffset& offset) {
  if (!offset.meanLocalTime) return ZoneAbbreviationText(offset);
  return Translated(kContext, QT_TRANSLATE_NOOP("sternwerk::LocalTime", "MOZ"));
}

std::string ShortOffsetText(int seconds) {
  const OffsetParts parts = PartsOf(seconds);
  char text[24];
  if (parts.seconds != 0) {
    std::snprintf(text, sizeof text, "UT%c%d:%02d:%02d", parts.sign, parts.hours, parts.minutes,
                  parts.seconds);
  } else if (parts.minutes != 0) {
    std::snprintf(text, sizeof text, "UT%c%d:%02d", parts.sign, parts.hours, parts.minutes);
  } else {
    std::snprintf(text, sizeof text, "UT%c%d", parts.sign, parts.hours);
  }
  return text;
}

std::string FullOffsetText(int seconds) {
  const OffsetParts parts = PartsOf(seconds);
  char text[24];
  std::snprintf(text, sizeof text, "UT%c%d:%02d:%02d", parts.sign, parts.hours, parts.minutes,
                parts.seconds);
  return text;
}

std::string ShortZoneText(const CivilOffset& offset) {
  return Utf8ToWindows1252(ShortZoneAbbreviationText(offset));
}

}  // namespace sternwerk
