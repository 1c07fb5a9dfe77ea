#include "windows/system_place_time_rules.h"

#include <QString>

#include "places/qt/local_time.h"
#include "windows/date_time_place_time_rules.h"

namespace sternwerk {

// The zone's short name, as a time line has room for it: tzdata's ASCII,
// or ours, whose letters Latin-1 and Windows-1252 share.
PlaceTimeRules SystemPlaceTimeRules() {
  return {
      .localOf =
          [](const PlaceIdentity& place, double longitude, ClockSeconds universal) {
            const LocalTime local = LocalTimeAt(place, longitude, universal);
            return ZonedReading{local.reading,
                                QString::fromStdString(ShortZoneAbbreviationText(local.offset))
                                    .toLatin1()
                                    .toStdString()};
          },
      .universalOf =
          [universalOf = DateTimePlaceTimeRules().universalOf](
              const PlaceIdentity& place, double longitude, ClockSeconds local) {
            std::vector<ClockSeconds> instants;
            for (const ZoneInstant& instant : universalOf(place, longitude, local).instants)
              instants.push_back(instant.seconds);
            return instants;
          },
  };
}

}  // namespace sternwerk
