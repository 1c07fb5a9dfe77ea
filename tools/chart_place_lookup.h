// The places and zones a CSV of charts names, found in the program's atlas
// and the system's time-zone data.
#pragma once

#include "collection/chart_csv.h"

namespace sternwerk {

class ProgramPlaceLookup : public PlaceLookup {
 public:
  // The atlas's best match (a warning on standard error where others match
  // as well).
  std::optional<ChartPlace> Named(std::string_view name) const override;
  // The zone of the nearest atlas place within kNearestZoneKm.
  std::string ZoneNear(double longitude, double latitude) const override;
  // From the system's time-zone data; the abbreviations as the program
  // writes them ("MEZ", "MESZ", "MOZ").
  Outcome<std::vector<ZoneOffset>> Offsets(const std::string& zone, ClockSeconds local,
                                           double longitude) const override;
};

}  // namespace sternwerk
