// The local civil time of a place at an instant and how it is written:
// the zone's abbreviation as German readers know it and the offset from
// Universal Time.
#pragma once

#include <string>

#include "engine/calendar.h"
#include "places/place_identity.h"
#include "places/qt/civil_time.h"

namespace sternwerk {

struct LocalTime {
  ClockSeconds reading = 0;  // the local date and time
  CivilOffset offset;
  // Empty, or why the place's mean time stands in for its zone's time
  // (a zone this machine's time-zone data do not know).
  std::string zoneProblem;
};

// The civil time at the place at the instant `universal`: its zone's, or
// the place's mean time where it has no zone or the zone is unknown here.
LocalTime LocalTimeAt(const PlaceIdentity& place, double longitude, ClockSeconds universal);

// In German "MEZ", "MESZ", "WEZ", "OEZ" and their summer forms for the
// European zones, "mittlere Ortszeit" for the place's mean time; in English
// "CET", "CEST", ... and "local mean time". Any other zone keeps the
// abbreviation of the time-zone data ("PMT", "EST", "+0545").
std::string ZoneAbbreviationText(const CivilOffset& offset);

// As ZoneAbbreviationText, but the place's mean time as short as the
// zones' names: "MOZ", in English "LMT".
std::string ShortZoneAbbreviationText(const CivilOffset& offset);

// The offset from Universal Time: "UT+1", "UT-3:30", "UT+0:39:52" (minutes
// and seconds only where they are not zero), and "UT+1:00:00" in full.
std::string ShortOffsetText(int seconds);
std::string FullOffsetText(int seconds);

}  // namespace sternwerk
