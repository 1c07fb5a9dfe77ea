// The printed page: the position list of both factor sets, the header line
// under the chart, and the printer advice for the three resolution classes.
#include "charts/chart_print_page.h"

#include <gtest/gtest.h>

#include "astrology/chart_lines.h"
#include "base/text_encoding.h"
#include "tests/support/chart_test_support.h"
#include "windows/printer_advice.h"

namespace sternwerk {
namespace {

using testing::ChartSkyWith;

TEST(PrintList, AllFactorsInColumnsOfSixWithSignColumn) {
  testing::ShownSky sky = ChartSkyWith(
      {{kAriesPoint, 0}, {kSun, 45.396}, {kMercury, 273.12}, {kVenus, 359.99}, {kMoon, 360.002}},
      true);
  sky.retrograde[kMercury] = true;
  const std::vector<PrintListEntry> entries = PrintListEntries(sky, sky.options);
  ASSERT_EQ(entries.size(), 23u);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].at.x, 10 + 160 * static_cast<int>(i / 6)) << i;
    EXPECT_EQ(entries[i].at.y, 800 + 15 * static_cast<int>(i % 6)) << i;
  }
  EXPECT_EQ(entries[kSun].text,
            "   SO 15\xB0"
            "23'45  STI");
  EXPECT_EQ(entries[kMercury].text,
            " R ME   03\xB0"
            "07'  STE");
  EXPECT_EQ(entries[kAriesPoint].text,
            "   WI   00\xB0"
            "00'  WID");
  EXPECT_EQ(entries[kVenus].text,
            "   VE   29\xB0"
            "59'  FIS");
  EXPECT_EQ(entries[kMoon].text.substr(0, 17),
            "   MO   00\xB0"
            "00'  ");
  EXPECT_EQ(entries[kMoon].text.size(), 16u);  // no sign past 360
  EXPECT_EQ(entries[kGZ].at, (Point{490, 860}));
  for (const PrintListEntry& entry : entries) {
    if (entry.text != entries[kMoon].text) {
      EXPECT_EQ(entry.text.size(), 19u) << entry.text;
    }
  }
}

TEST(PrintList, TwelveFactorsInOneColumnWithFullAngles) {
  const testing::ShownSky sky = ChartSkyWith({{kMC, 123.7534}, {kAriesPoint, 0}}, false);
  const std::vector<PrintListEntry> entries = PrintListEntries(sky, sky.options);
  ASSERT_EQ(entries.size(), 13u);
  EXPECT_EQ(entries[0].text,
            "MC  123\xB0"
            "45'12\"");
  EXPECT_EQ(entries[0].at, (Point{35, 800}));
  EXPECT_EQ(entries[1].text.substr(0, 4), "WI  ");
  EXPECT_EQ(entries[4].text.substr(0, 2), "MO");
  EXPECT_EQ(entries[5].text.substr(0, 2), "ME");  // the node is left out
  EXPECT_EQ(entries[12].text.substr(0, 2), "PL");
  EXPECT_EQ(entries[12].at, (Point{35, 980}));
}

TEST(PrintPage, ChartFillsTheFrameWithHeaderAndListBelow) {
  const testing::ShownSky sky = ChartSkyWith({}, true);
  auto chart = std::make_shared<Picture>(testing::ChartOf(sky));
  const Picture page = ChartPrintPicture(chart, sky, sky.options,
                                         {"010\xB0"
                                          "00' E, 50\xB0"
                                          "00' N",
                                          "", ""});
  EXPECT_EQ(page.width(), 740);
  EXPECT_EQ(page.height(), 740);
  const auto drawn = page.All<PictureOp>();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].target, (Rect{0, 0, 740, 740}));
  EXPECT_EQ(drawn[0].picture, chart);
  const std::vector<TextOp> texts = page.Texts();
  ASSERT_EQ(texts.size(), 24u);
  EXPECT_EQ(texts[0].text,
            "Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT   Ort: 010\xB0"
            "00' E, 50\xB0"
            "00' N");
  EXPECT_EQ(texts[0].at, (Point{35, 780}));
  EXPECT_EQ(texts[0].font.face, "courier new");
  EXPECT_EQ(texts[0].font.size, 10);
}

// A named place's local time stands between the chart and the header, the
// rest of the page as for a typed place.
TEST(PrintPage, ANamedPlacesLocalTimeStandsAboveTheHeader) {
  const testing::ShownSky sky = ChartSkyWith({});
  const ChartTexts typed{"x", "", ""};
  ChartTexts named = typed;
  named.placeTime = "Ortszeit Berlin: Mo, 07.12.2026 / 15:05:09 MEZ (UT+1)";
  auto chart = std::make_shared<Picture>(testing::ChartOf(sky, named));
  const std::vector<TextOp> typedTexts = ChartPrintPicture(chart, sky, sky.options, typed).Texts();
  std::vector<TextOp> namedTexts = ChartPrintPicture(chart, sky, sky.options, named).Texts();
  ASSERT_EQ(namedTexts.size(), typedTexts.size() + 1);
  EXPECT_EQ(namedTexts[0].text, named.placeTime);
  EXPECT_EQ(namedTexts[0].at, (Point{35, 745}));
  EXPECT_EQ(namedTexts[0].font, typedTexts[0].font);
  namedTexts.erase(namedTexts.begin());
  EXPECT_EQ(namedTexts, typedTexts);
}

// The cusps, the system's name and the note fit beside or below either
// factor set's list within an A4 page at the chart's width, touching no
// other entry (Courier of 10 points: 8 units a character, 15 a line).
TEST(PrintPage, HouseLinesStandFreeOfTheFactorListOnThePage) {
  ChartAstrology astrology{HouseCusps{}, {}, {}, "Placidus ist hier nicht definiert"};
  for (int house = 0; house < kHouses; ++house)
    astrology.houses->cusps[house] = 101.64 + 30 * house;
  const auto box = [](const PrintListEntry& entry) {
    return Rect{entry.at.x, entry.at.y, entry.at.x + 8 * static_cast<int>(entry.text.size()),
                entry.at.y + 15};
  };
  for (const bool allFactors : {false, true}) {
    const testing::ShownSky sky = ChartSkyWith({}, allFactors);
    const std::vector<PrintListEntry> houses = PrintHouseEntries(astrology, allFactors);
    ASSERT_EQ(houses.size(), 14u);
    EXPECT_EQ(houses[12].text, "(Placidus)");
    std::vector<PrintListEntry> all = PrintListEntries(sky, sky.options);
    for (const PrintListEntry& house : houses) {
      const Rect at = box(house);
      EXPECT_TRUE(at.right <= 740 && at.bottom <= 1046) << house.text;
      for (const PrintListEntry& other : all) {
        const Rect b = box(other);
        EXPECT_FALSE(at.left < b.right && b.left < at.right && at.top < b.bottom &&
                     b.top < at.bottom)
            << house.text << " / " << other.text;
      }
      all.push_back(house);
    }
  }
}

// The aspect list runs on in two columns of 64 lines a page, each page
// headed by the instant, every aspect once and in its order; no page
// without aspects asked for, an empty list where none was found.
TEST(PrintPage, AspectListRunsOnInTwoColumnsAPage) {
  const testing::ShownSky sky = ChartSkyWith({});
  for (const auto& [aspects, pages] :
       {std::pair<std::size_t, std::size_t>{0, 1}, {128, 1}, {129, 2}, {300, 3}}) {
    ChartAstrology astrology;
    astrology.aspects.emplace();
    for (std::size_t i = 0; i < aspects; ++i)
      astrology.aspects->push_back({kSun, kMoon, AspectKind::kTrine, (i + 0.5) / 60, i % 2 == 0});
    const std::vector<Picture> drawn = AspectListPages(sky, astrology);
    ASSERT_EQ(drawn.size(), pages) << aspects;
    std::vector<TextOp> listed;
    for (const Picture& page : drawn) {
      std::vector<TextOp> texts = page.Texts();
      ASSERT_FALSE(texts.empty());
      EXPECT_EQ(texts[0].text, "Aspekte, " + ChartInstantText(sky));
      listed.insert(listed.end(), texts.begin() + 1, texts.end());
    }
    ASSERT_EQ(listed.size(), aspects);
    for (std::size_t i = 0; i < listed.size(); ++i) {
      const std::size_t row = i % 128 % 64, column = i % 128 / 64;
      EXPECT_EQ(listed[i].text, Utf8ToWindows1252(AspectLine((*astrology.aspects)[i])));
      EXPECT_EQ(listed[i].at,
                (Point{20 + 360 * static_cast<int>(column), 50 + 15 * static_cast<int>(row)}));
    }
  }
  EXPECT_TRUE(AspectListPages(sky, {}).empty());
}

TEST(PrinterAdvice, ResolutionClassAndNoteFollowThePageWidth) {
  struct Case {
    int width;
    int resolution;
    bool note;
  };
  for (const Case c : {Case{2500, 300, false}, Case{2600, 600, true}, Case{9000, 600, true},
                       Case{9100, 1200, true}}) {
    const PrinterAdviceText advice = PrinterAdvice(c.width);
    const std::string line =
        "\r                            Ihr Drucker ist eingestellt auf " + std::to_string(c.width) +
        " Pixel\r                            Papierbreite = " + std::to_string(c.resolution) +
        " Pixel pro Inch.\r\r";
    EXPECT_TRUE(advice.text.starts_with(line)) << c.width;
    EXPECT_EQ(advice.text.find("(Notfalls") != std::string::npos, c.note) << c.width;
    EXPECT_EQ(advice.title,
              "       Falls das Diagramm nicht seitenfüllend oder zu groß gedruckt wird:");
  }
  const std::string withNote = PrinterAdvice(5000).text;
  EXPECT_NE(withNote.find("kontrollieren.\r\r                            (Notfalls stellen Sie die "
                          "Druckereigenschaften des\r"),
            std::string::npos);
  EXPECT_NE(withNote.find("\r                            erscheinenden Dialog bitte die Taste "
                          "´Eigenschaften´\r"),
            std::string::npos);
  EXPECT_TRUE(PrinterAdvice(300).text.ends_with("das Aussehen zu kontrollieren.\r\r"));
}

}  // namespace
}  // namespace sternwerk
