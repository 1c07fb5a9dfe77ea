#include "places/qt/civil_time.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>

#include "base/time_units.h"
#include "base/translation.h"

namespace sternwerk {
namespace {

constexpr const char* kTzdataMeanTime = "LMT";

Outcome<QTimeZone> KnownZone(const std::string& zone) {
  const QTimeZone known(QByteArray::fromStdString(zone));
  if (zone.empty() || !known.isValid()) {
    return Outcome<QTimeZone>::Failure(WithArguments(
        Translated("sternwerk::CivilTime",
                   QT_TRANSLATE_NOOP("sternwerk::CivilTime",
                                     "Die Zeitzone %1 ist in den Zeitzonendaten dieses Rechners "
                                     "unbekannt.")),
        {zone}));
  }
  return Outcome<QTimeZone>::Success(known);
}

CivilOffset OffsetOfZoneAt(const QTimeZone& zone, ClockSeconds universal, double longitude) {
  const QDateTime instant = QDateTime::fromSecsSinceEpoch(universal, Qt::UTC);
  const QString abbreviation = zone.abbreviation(instant);
  if (abbreviation == QLatin1String(kTzdataMeanTime)) return MeanLocalTime(longitude);
  return {zone.offsetFromUtc(instant), abbreviation.toStdString(), false};
}

}  // namespace

Outcome<CivilOffset> OffsetAt(const std::string& zone, ClockSeconds universal, double longitude) {
  const Outcome<QTimeZone> known = KnownZone(zone);
  if (!known.ok()) return Outcome<CivilOffset>::Failure(known.error());
  return Outcome<CivilOffset>::Success(OffsetOfZoneAt(known.value(), universal, longitude));
}

// Every offset the zone used within a day of the local time is a candidate;
// the local time occurs under a candidate when the instant it gives has
// that same offset.
Outcome<std::vector<CivilOffset>> OffsetsOfLocalTime(const std::string& zone, ClockSeconds local,
                                                     double longitude) {
  const Outcome<QTimeZone> known = KnownZone(zone);
  if (!known.ok()) return Outcome<std::vector<CivilOffset>>::Failure(known.error());
  std::vector<CivilOffset> candidates = {
      OffsetOfZoneAt(known.value(), local - kSecondsPerDay, longitude),
      OffsetOfZoneAt(known.value(), local + kSecondsPerDay, longitude)};
  const QDateTime from = QDateTime::fromSecsSinceEpoch(local - kSecondsPerDay, Qt::UTC);
  const QDateTime to = QDateTime::fromSecsSinceEpoch(local + kSecondsPerDay, Qt::UTC);
  for (const QTimeZone::OffsetData& transition : known.value().transitions(from, to)) {
    candidates.push_back(
        OffsetOfZoneAt(known.value(), transition.atUtc.toSecsSinceEpoch(), longitude));
  }
  std::vector<CivilOffset> occurrences;
  for (const CivilOffset& candidate : candidates) {
    const CivilOffset there = OffsetOfZoneAt(known.value(), local - candidate.seconds, longitude);
    const bool seen = std::any_of(occurrences.begin(), occurrences.end(),
                                  [&](const CivilOffset& o) { return o.seconds == there.seconds; });
    if (there.seconds == candidate.seconds && !seen) occurrences.push_back(there);
  }
  std::sort(occurrences.begin(), occurrences.end(),
            [](const CivilOffset& a, const CivilOffset& b) { return a.seconds > b.seconds; });
  return Outcome<std::vector<CivilOffset>>::Success(std::move(occurrences));
}

PlaceTimeRules SystemPlaceTimeRules() {
  return {.offsetAt = OffsetAt, .offsetsOfLocalTime = OffsetsOfLocalTime};
}

}  // namespace sternwerk
