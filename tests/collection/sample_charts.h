// Charts for the collection's tests and benchmark: each way of reading a
// time, both hemispheres, umlauts, notes over several lines.
#pragma once

#include <string>
#include <vector>

#include "collection/chart.h"

namespace sternwerk::testing {

// A chart whose typed reading is `typed` (seconds as if UT) read with
// `offset`.
inline Chart SampleChart(std::string name, ChartKind kind, ClockSeconds typed, TimeReading reading,
                         int offset, ChartPlace place) {
  Chart chart;
  chart.name = std::move(name);
  chart.kind = kind;
  chart.typed = ReadingOf(typed);
  chart.reading = reading;
  chart.offsetSeconds = offset;
  chart.universal = typed - offset;
  chart.place = std::move(place);
  return chart;
}

inline std::vector<Chart> SampleCharts() {
  std::vector<Chart> charts;
  Chart chart =
      SampleChart("Ferber", ChartKind::kMale, ClockSecondsOf(27, 9, 1970, 11 + 4 / 60.0),
                  TimeReading::kZoneTime, 3600,
                  {"Kandel", "Pfalz", "D", 8 + 11 / 60.0, 49 + 5 / 60.0, "Europe/Berlin"});
  chart.firstName = "Tobias";
  chart.zoneName = "MEZ";
  chart.notes = "Programmierer\nmit zwei Zeilen, Komma";
  charts.push_back(chart);
  chart = SampleChart("Müller-Lüdenscheidt", ChartKind::kFemale,
                      ClockSecondsOf(20, 4, 1983, 17 + 9 / 60.0 + 56 / 3600.0),
                      TimeReading::kZoneTime, 7200,
                      {"Äugsburg", "Bayern", "D", 10 + 53 / 60.0, 48 + 22 / 60.0, "Europe/Berlin"});
  chart.firstName = "Käthe";
  chart.summerSeconds = 3600;
  chart.zoneName = "MESZ";
  charts.push_back(chart);
  chart = SampleChart(
      "Mondlandung", ChartKind::kEvent, ClockSecondsOf(21, 7, 1969, 2 + 56 / 60.0 + 15 / 3600.0),
      TimeReading::kUniversal, 0,
      {"Meer der Ruhe", "", "", 23 + 28 / 60.0 + 23 / 3600.0, 40 / 60.0 + 27 / 3600.0, ""});
  chart.zoneName = "UT";
  charts.push_back(chart);
  chart = SampleChart("Cezanne", ChartKind::kMale, ClockSecondsOf(19, 1, 1839, 1),
                      TimeReading::kMeanTime, 1308,
                      {"Aix-En-Provence", "", "F", 5 + 27 / 60.0, 43 + 31 / 60.0, ""});
  chart.firstName = "Paul";
  chart.zoneName = "LMT";
  charts.push_back(chart);
  chart = SampleChart("Sternwarte", ChartKind::kOrganisation,
                      ClockSecondsOf(1, 1, 2000, 12 + 30 / 60.0 + 15 / 3600.0),
                      TimeReading::kZoneTime, -7200,
                      {"Rio de Janeiro", "", "BR", -(43 + 10 / 60.0 + 22 / 3600.0),
                       -(22 + 54 / 60.0 + 24 / 3600.0), "America/Sao_Paulo"});
  chart.summerSeconds = 3600;
  chart.zoneName = "BRST";
  charts.push_back(chart);
  return charts;
}

}  // namespace sternwerk::testing
