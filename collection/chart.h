// A chart of the collection: whose or what it is, the date and time as
// they were typed and how they were read, the Universal Time they stand
// for, the place, and free notes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "base/translation.h"
#include "engine/calendar.h"

namespace sternwerk {

// What a chart is of. The letters are those of the exchange format.
enum class ChartKind {
  kUnstated,      // "*": a chart whose kind was not given
  kMale,          // "m"
  kFemale,        // "f" ("w" read too)
  kEvent,         // "e"
  kCountry,       // "l"
  kOrganisation,  // "o"
};

// How the typed date and time were read.
enum class TimeReading {
  kZoneTime,   // the civil time of a zone: Universal Time + offset
  kMeanTime,   // the place's mean time: longitude / 15 hours
  kUniversal,  // Universal Time itself
};

struct ChartPlace {
  std::string name;      // UTF-8; may be empty for a place typed by its coordinates
  std::string region;    // UTF-8
  std::string country;   // UTF-8, a name or a country code
  double longitude = 0;  // degrees, east positive
  double latitude = 0;   // degrees, north positive
  std::string timeZone;  // IANA id, e.g. "Europe/Berlin"; empty where none is known

  bool operator==(const ChartPlace&) const = default;
};

struct Chart {
  std::int64_t id = 0;  // the collection's key; 0 for a chart not stored
  std::string name;     // UTF-8: the last name of a person, the title of an event
  std::string firstName;
  ChartKind kind = ChartKind::kUnstated;
  ClockReading typed;  // the date and time as typed
  TimeReading reading = TimeReading::kUniversal;
  int offsetSeconds = 0;       // typed = universal + offsetSeconds
  int summerSeconds = 0;       // the part of the offset that is summer time
  std::string zoneName;        // the zone's abbreviation as given ("MEZ", "CET"); may be empty
  ClockSeconds universal = 0;  // the instant, Universal Time
  ChartPlace place;
  std::string notes;  // UTF-8, several lines if wanted

  bool operator==(const Chart&) const = default;
};

// The years a chart may lie in: those of the clock's calendar.
inline constexpr int kFirstChartYear = kFirstCalendarYear;
inline constexpr int kLastChartYear = kLastCalendarYear;

// Success for a chart the collection can keep: a name, UTF-8 texts without
// control characters other than line breaks in the notes, real coordinates,
// a real typed date and time, an offset under a day, and a Universal Time
// within the chart years. A failure says what is wrong.
Status CheckChart(const Chart& chart);

// "Name, Vorname", or the name alone.
std::string FullName(const Chart& chart);

// The letter of a kind and the kind of a letter (either case; "w" is
// female; anything else is unstated).
char KindLetter(ChartKind kind);
ChartKind KindOfLetter(char letter);

// The Julian day of an instant and the instant of a Julian day (Universal
// Time, to the nearest second).
double JulianDayOf(ClockSeconds universal);
ClockSeconds InstantOfJulianDay(double julianDay);

// "DD.MM.YYYY HH:MM:SS" of a reading.
std::string ReadingText(const ClockReading& reading);

// The text shown for a marked text of the collection: German UTF-8 source
// texts marked QT_TRANSLATE_NOOP("sternwerk::Collection", ...).
std::string CollectionText(const char* sourceText);

// Whether the text is UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace sternwerk
