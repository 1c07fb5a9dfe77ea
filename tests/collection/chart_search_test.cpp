// Search as typed over the collection, and the chart a name stands for.
#include "collection/chart_search.h"

#include <gtest/gtest.h>

#include "tests/collection/sample_charts.h"

namespace sternwerk {
namespace {

std::vector<std::string> Names(const std::vector<Chart>& charts,
                               const std::vector<std::size_t>& found) {
  std::vector<std::string> names;
  for (const std::size_t i : found) names.push_back(charts[i].name);
  return names;
}

TEST(ChartSearch, EveryTypedWordMatchesNamePlaceOrYear) {
  const std::vector<Chart> charts = testing::SampleCharts();
  const ChartFilter filter(charts);
  const struct {
    const char* typed;
    std::vector<std::string> names;
  } cases[] = {
      {"", {"Ferber", "Müller-Lüdenscheidt", "Mondlandung", "Cezanne", "Sternwarte"}},
      {"FER", {"Ferber"}},
      {"käthe", {"Müller-Lüdenscheidt"}},
      {"MÜLLER äugsburg", {"Müller-Lüdenscheidt"}},  // capital umlauts, two fields
      {"bayern 1983", {"Müller-Lüdenscheidt"}},
      {"19", {"Ferber", "Müller-Lüdenscheidt", "Mondlandung"}},  // years 1970, 1983, 1969
      {"rio 2000", {"Sternwarte"}},
      {"ferber 1983", {}},
      {"paul, aix", {"Cezanne"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Names(charts, filter.Matching(c.typed)), c.names) << c.typed;
}

TEST(ChartSearch, NameOrItsUniqueBeginningNamesOneChart) {
  std::vector<Chart> charts = testing::SampleCharts();
  charts.push_back(charts[0]);
  charts.back().firstName = "Anna";
  charts.push_back(charts[2]);
  charts.back().name = "Mondlandung Apollo 12";
  const struct {
    const char* typed;
    const char* found;    // the full name found; empty: a failure
    const char* message;  // a part of the failure
  } cases[] = {
      {"cez", "Cezanne, Paul", ""},
      {"Mondlandung", "Mondlandung", ""},  // the exact name before longer ones
      {"ferber, anna", "Ferber, Anna", ""},
      {"Ferber", "", "2 Horoskope passen zu \"Ferber\": Ferber, Tobias (27.09.1970); Ferber, Anna"},
      {"Mond", "", "Mondlandung (21.07.1969); Mondlandung Apollo 12"},
      {"Xaver", "", "Kein Horoskop heißt \"Xaver\""},
      {" ", "", "Kein Horoskop"},
  };
  for (const auto& c : cases) {
    const Outcome<Chart> found = ChartNamed(charts, c.typed);
    if (*c.found != '\0') {
      ASSERT_TRUE(found.ok()) << c.typed << ": " << found.error();
      EXPECT_EQ(FullName(found.value()), c.found);
    } else {
      ASSERT_FALSE(found.ok()) << c.typed;
      EXPECT_NE(found.error().find(c.message), std::string::npos) << found.error();
    }
  }
}

}  // namespace
}  // namespace sternwerk
