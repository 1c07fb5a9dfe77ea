// CSV: the collection written and read back, rows of other programs (the
// delimiters, quoting, named places, zones), and rows that are refused.
#include "collection/chart_csv.h"

#include <gtest/gtest.h>

#include "tests/collection/same_chart.h"
#include "tests/collection/sample_charts.h"

namespace sternwerk {
namespace {

// One named place, Berlin time with summer time from 29.03.2026 01:00 UT
// to 25.10.2026 01:00 UT, no other zone.
class FixtureLookup : public PlaceLookup {
 public:
  std::optional<ChartPlace> Named(std::string_view name) const override {
    if (name != "Kandel") return std::nullopt;
    return ChartPlace{"Kandel", "Rheinland-Pfalz", "Deutschland", 8.18, 49.08, "Europe/Berlin"};
  }
  std::string ZoneNear(double, double latitude) const override {
    return latitude > 47 && latitude < 55 ? "Europe/Berlin" : "";
  }
  Outcome<std::vector<ZoneOffset>> Offsets(const std::string& zone, ClockSeconds local,
                                           double) const override {
    if (zone != "Europe/Berlin") return Outcome<std::vector<ZoneOffset>>::Failure("no " + zone);
    std::vector<ZoneOffset> offsets;
    for (const ZoneOffset& offset : {ZoneOffset{7200, "MESZ"}, ZoneOffset{3600, "MEZ"}}) {
      const ClockSeconds universal = local - offset.seconds;
      const bool summer = universal >= ClockSecondsOf(29, 3, 2026, 1) &&
                          universal < ClockSecondsOf(25, 10, 2026, 1);
      if (summer == (offset.seconds == 7200)) offsets.push_back(offset);
    }
    return Outcome<std::vector<ZoneOffset>>::Success(offsets);
  }
};

TEST(ChartCsv, CollectionReadsBackAsWritten) {
  const std::vector<Chart> charts = testing::SampleCharts();
  const ImportedCharts read = ReadChartCsv(WrittenChartCsv(charts), FixtureLookup());
  EXPECT_TRUE(read.problems.empty()) << read.problems.front().message;
  ASSERT_EQ(read.charts.size(), charts.size());
  for (std::size_t i = 0; i < charts.size(); ++i) {
    // The zone column names a zone, not its summer time; the abbreviation
    // is the zone's at the offset (the fixture's Berlin has UT+1 before
    // 2026 and knows no other zone).
    Chart expected = charts[i];
    if (expected.reading == TimeReading::kZoneTime) {
      expected.summerSeconds = 0;
      if (expected.offsetSeconds != 3600) expected.zoneName.clear();
    }
    testing::ExpectSameChart(read.charts[i], expected);
  }
}

// Rows as other programs write them: each gives its chart's Universal Time,
// place and reading, or the problem at its line.
TEST(ChartCsv, RowsOfOtherPrograms) {
  struct Case {
    const char* file;
    const char* universal;  // of the last chart; empty: none read
    TimeReading reading;
    const char* place;
    int problemLine;  // 0: none
  };
  const Case cases[] = {
      {"Name,Datum,Zeit,Breite,Länge\nA,01.02.2026,10:00,52.5,13.4\n", "01.02.2026 09:00:00",
       TimeReading::kZoneTime, "", 0},
      {"name;date;time;latitude;longitude;zone\nA;2026-07-01;10:00;-33,9;151,2;UT+10\n",
       "01.07.2026 00:00:00", TimeReading::kZoneTime, "", 0},
      {"Name\tOrt\tDatum\tZeit\nA\tKandel\t01.07.2026\t12:00:30\n", "01.07.2026 10:00:30",
       TimeReading::kZoneTime, "Kandel", 0},
      {"Ort,Name,Datum,Zeit,Zone,Notizen\nKandel,\"Meier, \"\"Hans\"\"\",01.07.2026,12:00,"
       "LMT,\"eins\r\nzwei\"\n",
       "01.07.2026 11:27:17", TimeReading::kMeanTime, "Kandel", 0},
      {"Name,Datum,Zeit,Breite,Länge,Zone\nA,01.07.2026,12:00,0,-30,\n", "01.07.2026 14:00:00",
       TimeReading::kMeanTime, "", 0},
      {"Name,Datum,Zeit,Breite,Länge,Zone,Weltzeit\nA,01.07.2026,12:00,0,0,UT,"
       "01.07.2026 11:00:00\n",
       "01.07.2026 11:00:00", TimeReading::kUniversal, "", 0},
      // The later of the two readings of 02:30 in autumn is not taken.
      {"Name,Ort,Datum,Zeit\nA,Kandel,25.10.2026,02:30\n", "25.10.2026 00:30:00",
       TimeReading::kZoneTime, "Kandel", 0},
      {"Name,Ort,Datum,Zeit\nA,Kandel,29.03.2026,02:30\n", "", TimeReading::kZoneTime, "", 2},
      {"Name,Ort,Datum,Zeit\n\nA,Atlantis,01.01.2026,12:00\n", "", TimeReading::kZoneTime, "", 3},
      {"Name,Datum,Zeit,Breite,Länge,Zone\nA,01.01.2026,12:00,91,0,UT\n", "",
       TimeReading::kZoneTime, "", 2},
      {"Name,Datum,Zeit,Breite,Länge,Zone\nA,01.01.2026,12:00,50,10,Mars/Olympus\n", "",
       TimeReading::kZoneTime, "", 2},
      {"Name,Datum,Zeit,Ort\n\"A\nB\",30.02.2026,12:00,Kandel\n", "", TimeReading::kZoneTime, "",
       2},
      {"Name,Datum,Zeit\nA,01.01.2026,12:00\n", "", TimeReading::kZoneTime, "", 1},
  };
  for (const Case& c : cases) {
    const ImportedCharts read = ReadChartCsv(c.file, FixtureLookup());
    if (c.problemLine != 0) {
      ASSERT_EQ(read.problems.size(), 1u) << c.file;
      EXPECT_EQ(read.problems[0].line, c.problemLine) << c.file << read.problems[0].message;
      EXPECT_TRUE(read.charts.empty()) << c.file;
      continue;
    }
    EXPECT_TRUE(read.problems.empty()) << c.file << read.problems.front().message;
    ASSERT_EQ(read.charts.size(), 1u) << c.file;
    const Chart& chart = read.charts.back();
    EXPECT_EQ(ReadingText(ReadingOf(chart.universal)), c.universal) << c.file;
    EXPECT_EQ(chart.reading, c.reading) << c.file;
    EXPECT_EQ(chart.place.name, c.place) << c.file;
  }
  const ImportedCharts quoted = ReadChartCsv(cases[3].file, FixtureLookup());
  ASSERT_EQ(quoted.charts.size(), 1u);
  EXPECT_EQ(quoted.charts[0].name, "Meier, \"Hans\"");
  EXPECT_EQ(quoted.charts[0].notes, "eins\nzwei");
}

}  // namespace
}  // namespace sternwerk
