// AAF: records written and read back, the format's own example records,
// and a file with damaged records.
#include "collection/aaf_format.h"

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "tests/collection/same_chart.h"
#include "tests/collection/sample_charts.h"

namespace sternwerk {
namespace {

// The chart as the format keeps it: without region and IANA zone.
Chart AsExchanged(Chart chart) {
  chart.place.region.clear();
  chart.place.timeZone.clear();
  return chart;
}

TEST(AafFormat, ChartsReadBackAsWritten) {
  const std::vector<Chart> charts = testing::SampleCharts();
  const std::string file = WrittenAaf(charts);
  EXPECT_TRUE(HoldsAafRecords(file));
  // Windows-1252 for the format's programs: "ü" is one byte.
  EXPECT_NE(file.find("M\xFCller"), std::string::npos);
  const ImportedCharts read = ReadAaf(file);
  EXPECT_TRUE(read.problems.empty()) << read.problems.front().message;
  ASSERT_EQ(read.charts.size(), charts.size());
  for (std::size_t i = 0; i < charts.size(); ++i)
    testing::ExpectSameChart(read.charts[i], AsExchanged(charts[i]));
}

// The format's published examples; the Julian day wins over the typed time.
TEST(AafFormat, ExampleRecordsGiveTheirInstants) {
  struct Case {
    const char* records;
    const char* universal;  // "DD.MM.YYYY HH:MM:SS"
    TimeReading reading;
    int offset;
    double latitude;
    double longitude;
  };
  const Case cases[] = {
      {"#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n"
       "#ZNAM:CET\n#COM:Programmierer der AAF-DLL\n",
       "27.09.1970 10:04:00", TimeReading::kZoneTime, 3600, 49 + 5 / 60.0, 8 + 11 / 60.0},
      {"#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
       "#B93:2392758.526528,43n31,5e27,0e21:48,m\n#ZNAM:LMT\n",
       "19.01.1839 00:38:12", TimeReading::kMeanTime, 1308, 43 + 31 / 60.0, 5 + 27 / 60.0},
      // Typed 18:09 would be 16:09 UT; the Julian day says 15:09:57.
      {"#A93:Geburt,*,*,20.4.1983,18:09,Muenchen,D\n#B93:2445445.131907,48n24,11e45,1he00,1\n",
       "20.04.1983 15:09:57", TimeReading::kZoneTime, 7200, 48.4, 11.75},
      {"#A93:Westen,*,e,1.1.2000,7:00,Lima,PE\n#B93:*,12s03,77w02:30,5hw,0\n#ZNAM:UT\n",
       "01.01.2000 12:00:00", TimeReading::kZoneTime, -18000, -(12 + 3 / 60.0), -(77 + 2.5 / 60.0)},
  };
  for (const Case& c : cases) {
    const ImportedCharts read = ReadAaf(c.records);
    ASSERT_TRUE(read.problems.empty()) << c.records << read.problems.front().message;
    ASSERT_EQ(read.charts.size(), 1u) << c.records;
    const Chart& chart = read.charts[0];
    EXPECT_EQ(ReadingText(ReadingOf(chart.universal)), c.universal) << c.records;
    EXPECT_EQ(chart.reading, c.reading) << c.records;
    EXPECT_EQ(chart.offsetSeconds, c.offset) << c.records;
    EXPECT_NEAR(chart.place.latitude, c.latitude, 1e-9) << c.records;
    EXPECT_NEAR(chart.place.longitude, c.longitude, 1e-9) << c.records;
  }
}

// Each damaged record is reported with its line and skipped; the good ones
// around it are read whole.
TEST(AafFormat, DamagedRecordsAreReportedByLineAndSkipped) {
  const std::string file =
      "#: a file with faults\r\n"
      "#A93:Gut,Anna,f,1.2.1990,10:00,Berlin,D\r\n"  // 2
      "#B93:*,52n31,13e24,1he00,0\r\n"
      "#A93:Tag,*,m,31.2.1990,10:00,Berlin,D\r\n"  // 4: no 31 February
      "#B93:*,52n31,13e24,1he00,0\r\n"
      "#A93:Ohne Ort,*,e,1.2.1990,10:00,Berlin,D\r\n"  // 6: no #B93
      "#A93:Breite,*,e,1.2.1990,10:00,Berlin,D\r\n"
      "#B93:*,52x31,13e24,1he00,0\r\n"  // 8
      "#A93:Zone,*,e,1.2.1990,10:00,Berlin,D\r\n"
      "#B93:*,52n31,13e24,1hx00,0\r\n"  // 10
      "#A93:Ohne Zeit,*,e,1.2.1990,*,Berlin,D\r\n"
      "#B93:*,52n31,13e24,1he00,0\r\n"             // 12: no instant
      "#A93:Kurz,*,e,1.2.1990,10:00\r\n"           // 13: five fields
      "#A93:Fr\xFCh,*,m,1.2.1500,10:00,Rom,I\r\n"  // 14: before 1600, Windows-1252
      "#B93:*,41n54,12e29,1he00,0\r\n"
      "#A93:Auch gut,*,e,3.4.2001,*,Hamburg,D\r\n"
      "#B93:2452003.000000,53n33,9e59,1he00,1\r\n"
      "#COM:Zeit nur aus dem Julianischen Tag\r\n"
      "und eine zweite Zeile\r\n";
  const ImportedCharts read = ReadAaf(file);
  std::vector<int> lines;
  for (const ImportProblem& problem : read.problems) {
    lines.push_back(problem.line);
    EXPECT_FALSE(problem.message.empty());
  }
  EXPECT_EQ(lines, (std::vector<int>{4, 6, 8, 10, 12, 13, 14}));
  ASSERT_EQ(read.charts.size(), 2u);
  EXPECT_EQ(read.charts[0].name, "Gut");
  EXPECT_EQ(read.charts[1].name, "Auch gut");
  EXPECT_EQ(ReadingText(read.charts[1].typed), "03.04.2001 14:00:00");
  EXPECT_EQ(read.charts[1].notes, "Zeit nur aus dem Julianischen Tag\nund eine zweite Zeile");
  EXPECT_NE(read.problems[6].message.find("1600"), std::string::npos);
}

}  // namespace
}  // namespace sternwerk
