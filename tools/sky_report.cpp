#include "tools/sky_report.h"

#include <cstdio>
#include <iostream>

#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/position_list.h"
#include "engine/text_forms.h"
#include "tools/sky_arguments.h"
#include "tools/tool_text.h"

namespace sternwerk {

SkyState SkyFor(int day, int month, int year, double hours, double longitude, double latitude) {
  SkyState sky;
  SetInstant(sky, day, month, year, hours);
  sky.longitude = longitude;
  sky.latitude = latitude;
  sky.isWest = longitude < 0;
  sky.isSouth = latitude < 0;
  return sky;
}

std::size_t InstantArgumentCount(const std::vector<std::string>& args) {
  return !args.empty() && IsNow(args[0]) ? 1 : 2;
}

Status CheckInstantAndPlaceCount(const std::vector<std::string>& args) {
  const std::size_t instant = InstantArgumentCount(args);
  if (args.size() == instant || args.size() == instant + 2) return Status::Success();
  return Status::Failure(Said(QT_TRANSLATE_NOOP(
      "sternwerk-sky", "erwartet Datum und Zeit oder jetzt, dazu wahlweise Länge und Breite")));
}

Outcome<SkyState> SkyForArguments(const std::vector<std::string>& args) {
  const Status counted = CheckInstantAndPlaceCount(args);
  if (!counted.ok()) return Outcome<SkyState>::Failure(counted.error());
  const Outcome<ArgumentInstant> instant = ParseInstant(args, true);
  if (!instant.ok()) return Outcome<SkyState>::Failure(instant.error());
  const std::size_t at = InstantArgumentCount(args);
  const Outcome<Place> place = args.size() > at ? ParsePlace(args[at], args[at + 1])
                                                : Outcome<Place>::Success(kDefaultPlace);
  if (!place.ok()) return Outcome<SkyState>::Failure(place.error());
  const CalendarDate& day = instant.value().date;
  return Outcome<SkyState>::Success(SkyFor(day.day, day.month, day.year, instant.value().hours,
                                           place.value().longitude, place.value().latitude));
}

std::vector<std::string> SkyReport(const SkyState& sky, ComputationUsed computation) {
  std::vector<std::string> lines = {
      WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText,
      FormatUniversalHours(sky.hours),
      FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth),
  };
  if (computation != ComputationUsed::kOwn) {
    lines.push_back(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Berechnung: ")) +
                    ComputationName(computation));
  }
  for (int factor = 0; factor <= kGZ; ++factor) {
    lines.push_back(PositionListLine(factor, sky.longitudes[factor]));
  }
  return lines;
}

void ReportFallback(const SkyComputation& computation) {
  if (computation.used != ComputationUsed::kOwnAfterFailure) return;
  std::cerr << "sternwerk-sky: Swiss Ephemeris: " << computation.fallbackReason
            << Said(QT_TRANSLATE_NOOP("sternwerk-sky", "; es gilt die eigene Berechnung")) << '\n';
}

std::string TsvHeader() {
  std::string header = "T\tRAMC\t";
  for (int factor = 0; factor <= kGZ; ++factor)
    header += std::string(kFactorCodes[static_cast<std::size_t>(factor)]) + '\t';
  return header + "retrograd";
}

std::string TsvLine(const SkyState& sky) {
  char number[64];
  std::string line;
  const auto field = [&](double value) {
    std::snprintf(number, sizeof number, "%.9f\t", value);
    line += number;
  };
  field(sky.centuries);
  field(sky.ramc);
  for (int factor = 0; factor <= kGZ; ++factor) field(sky.longitudes[factor]);
  line += sky.retrograde[kSun] ? '1' : '0';
  for (int factor = kMercury; factor <= kPoseidon; ++factor)
    line += sky.retrograde[factor] ? '1' : '0';
  return line;
}

}  // namespace sternwerk
