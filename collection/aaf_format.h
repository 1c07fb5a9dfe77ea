// AAF, the exchange format of German-language astrology programs: a text
// of records, each an "#A93:" line (name, first name, kind, date, time,
// place, country as typed) and the lines after it up to the next, among
// them "#B93:" (Julian day of Universal Time, latitude, longitude, zone,
// summer time), "#ZNAM:" (the zone's abbreviation) and "#COM:" (a comment
// that may go on over the lines after it). "*" stands for a value not
// known; "#:" begins a comment line of the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "collection/chart_exchange.h"

namespace sternwerk {

// Whether the file holds AAF records: a line that begins with "#A93:".
bool HoldsAafRecords(std::string_view file);

// The charts of the file's records. The instant is the #B93 Julian day
// where it is given, else the #A93 date and time less the #B93 zone and
// summer time; the place needs the #B93 coordinates. A record that gives
// no instant or place, or a value that cannot be read, is skipped and
// reported with its line.
ImportedCharts ReadAaf(std::string_view file);

// The records of the charts, Windows-1252 with CR LF line ends as the
// format's programs read them. Commas in a field become ";"; the region and
// the IANA zone, which the format lacks, are left out.
std::string WrittenAaf(const std::vector<Chart>& charts);

}  // namespace sternwerk
