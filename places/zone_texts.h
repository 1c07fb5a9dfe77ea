// How the local civil time of a place is named: the zone's abbreviation as
// German readers know it and the offset from Universal Time.
#pragma once

#include <string>

#include "places/place_time_rules.h"

namespace sternwerk {

// In German "MEZ", "MESZ", "WEZ", "OEZ" and their summer forms for the
// European zones, "mittlere Ortszeit" for the place's mean time; in English
// "CET", "CEST", ... and "local mean time". Any other zone keeps the
// abbreviation of the time-zone data ("PMT", "EST", "+0545").
std::string ZoneAbbreviationText(const CivilOffset& offset);

// As ZoneAbbreviationText, but the place's mean time as short as the
// zones' names: "MOZ", in English "LMT".
std::string ShortZoneAbbreviationText(const CivilOffset& offset);
// ShortZoneAbbreviationText in Windows-1252, as the clock's time line
// writes it.
std::string ShortZoneText(const CivilOffset& offset);

// The offset from Universal Time: "UT+1", "UT-3:30", "UT+0:39:52" (minutes
// and seconds only where they are not zero), and "UT+1:00:00" in full.
std::string ShortOffsetText(int seconds);
std::string FullOffsetText(int seconds);

}  // namespace sternwerk
