// Charts as CSV: a header row naming the columns (German or English, any
// order, letters in either case), then one chart a row. Needed are name,
// date ("TT.MM.JJJJ" or "JJJJ-MM-TT"), time ("HH:MM[:SS]") and a place by
// its name or its latitude and longitude (decimal degrees, north and east
// positive); the zone may say how the time was read ("UT", "LMT" for the
// place's mean time, a fixed offset "UT+1", "UT-3:30", or an IANA zone
// "Europe/Berlin"; empty: the place's zone, else its mean time). A column
// "Weltzeit" / "UT" gives the instant itself and wins over date, time and
// zone. Fields may be quoted ("..."; "" for a quote) and then hold the
// delimiter and line breaks; the delimiter is what the header uses most of
// ",", ";" and tab.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "collection/chart_exchange.h"

namespace sternwerk {

// A zone's offset at an instant: local time = Universal Time + seconds.
struct ZoneOffset {
  int seconds = 0;
  std::string abbreviation;  // "MEZ", "CEST", ...; may be empty
};

// What reading a CSV needs from the place atlas and the time-zone data,
// which live outside the collection.
class PlaceLookup {
 public:
  virtual ~PlaceLookup() = default;
  // The best place of that name, with its coordinates and zone; none where
  // no place has it.
  virtual std::optional<ChartPlace> Named(std::string_view name) const = 0;
  // The zone of a place typed by its coordinates; empty where none is near.
  virtual std::string ZoneNear(double longitude, double latitude) const = 0;
  // The offsets under which the local reading occurs in `zone`: none where
  // the clocks skipped it, two where they passed it twice (the earlier
  // instant first). A zone not known is a failure.
  virtual Outcome<std::vector<ZoneOffset>> Offsets(const std::string& zone, ClockSeconds local,
                                                   double longitude) const = 0;
};

// The charts of the rows; a row that cannot be read is skipped and
// reported with the line it begins on. A file without the needed columns
// is one problem at line 1.
ImportedCharts ReadChartCsv(std::string_view file, const PlaceLookup& places);

// The charts as CSV (UTF-8 with a byte order mark), every column named in
// the language of the run, ";" between fields in German and "," in
// English; the Universal Time column makes the rows read back to the same
// instants.
std::string WrittenChartCsv(const std::vector<Chart>& charts);

}  // namespace sternwerk
