#include "clock/state_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "base/text_encoding.h"
#include "engine/calendar.h"
#include "engine/state_texts.h"
#include "tests/support/place_text.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

using testing::PlaceText;
using testing::TemporaryDirectory;

const std::string kWestLongitude = PlaceText("-008", "30");
const std::string kNorthLatitude = PlaceText("+47", "15");
const std::string kExampleFile =
    "07.12.2026\r\n14:05:09\r\n" + kWestLongitude + "\r\n" + kNorthLatitude + "\r\n";

// The run that ends at 14:05:09 UT on 07.12.2026 at 8°30' west, 47°15' north.
SkyState ExampleRun() {
  SkyState sky;
  SetInstant(sky, 7, 12, 2026, 14 + 5 / 60.0 + 9 / 3600.0);
  sky.timeText = "14.05.09";
  sky.longitudeText = kWestLongitude;
  sky.latitudeText = kNorthLatitude;
  SetPlaceFromTexts(sky);
  return sky;
}

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

class StateFileTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return directory.path() / kStateFileName; }

  TemporaryDirectory directory;
};

TEST_F(StateFileTest, WritesFourCrLfLinesInWindows1252) {
  SkyState sky = ExampleRun();
  ASSERT_TRUE(WriteStateFile(directory.path(), sky).ok());
  EXPECT_EQ(Contents(File()), kExampleFile);
  EXPECT_EQ(sky.timeText, "14:05:09");
}

TEST_F(StateFileTest, ReplacesTheOldFileWholeAndLeavesNothingElse) {
  WriteFile(File(), std::string(5000, 'x'));
  SkyState sky = ExampleRun();
  ASSERT_TRUE(WriteStateFile(directory.path(), sky).ok());
  EXPECT_EQ(Contents(File()), kExampleFile);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(StateFileTest, AFailedWriteNamesTheFileAndTheReason) {
  SkyState sky = ExampleRun();
  const std::filesystem::path missing = directory.path() / "missing";
  const Status noDirectory = WriteStateFile(missing, sky);
  EXPECT_FALSE(noDirectory.ok());
  EXPECT_NE(noDirectory.error().find((missing / "ALT.DAT").string()), std::string::npos);
  EXPECT_NE(noDirectory.error().find(": Datei oder Verzeichnis nicht gefunden"), std::string::npos)
      << noDirectory.error();
  EXPECT_EQ(noDirectory.error().find(std::strerror(ENOENT)), std::string::npos)
      << "no English inside the German message";

  // A directory in the way is neither replaced nor left with a stray file.
  std::filesystem::create_directory(File());
  EXPECT_FALSE(WriteStateFile(directory.path(), sky).ok());
  EXPECT_TRUE(std::filesystem::is_directory(File()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(StateFileTest, AWriteProtectedDirectoryKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any directory";
  WriteFile(File(), "old");
  std::filesystem::permissions(
      directory.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  SkyState sky = ExampleRun();
  const Status result = WriteStateFile(directory.path(), sky);
  std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_all);
  EXPECT_NE(result.error().find(": Keine Berechtigung"), std::string::npos) << result.error();
  EXPECT_EQ(Contents(File()), "old");
}

TEST_F(StateFileTest, StartUpTakesOnlyThePlace) {
  WriteFile(File(), kExampleFile);
  SkyState sky;
  SetInstant(sky, 1, 5, 2030, 8.5);
  ASSERT_TRUE(ReadStartupPlace(directory.path(), sky).ok());
  EXPECT_EQ(sky.longitudeText, kWestLongitude);
  EXPECT_EQ(sky.latitudeText, kNorthLatitude);
  EXPECT_DOUBLE_EQ(sky.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(sky.latitude, 47.2501);
  EXPECT_TRUE(sky.isWest);
  EXPECT_EQ(sky.dateText, "01.05.2030");
  EXPECT_EQ(sky.hours, 8.5);
}

TEST_F(StateFileTest, ReloadRestoresInstantAndPlaceOfTheLastRun) {
  SkyState last = ExampleRun();
  ASSERT_TRUE(WriteStateFile(directory.path(), last).ok());
  SkyState sky;
  ASSERT_TRUE(ReadStateFile(directory.path(), sky).ok());
  SetInstantFromTexts(sky);
  SetPlaceFromTexts(sky);
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_EQ(sky.timeText, "14:05:09");
  EXPECT_EQ(DateText(sky.day, sky.month, sky.year), "07.12.2026");
  EXPECT_DOUBLE_EQ(sky.hours, 14 + 5 / 60.0 + 9 / 3600.0);
  EXPECT_DOUBLE_EQ(sky.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(sky.latitude, 47.2501);
  EXPECT_EQ(PlaceLabelFromTexts(sky),
            PlaceText("008", "30") + " W, " + PlaceText("47", "15") + " N");
}

// Only a date of the clock's calendar is taken; another is refused, naming
// file and date, the sky unchanged. At start only one before 1600 is.
TEST_F(StateFileTest, TheLastInstantIsTakenOnlyWithinTheCalendar) {
  for (const auto& [date, taken, early] :
       {std::tuple{"01.01.1600", true, false}, std::tuple{"31.12.9999", true, false},
        std::tuple{"14.03.1329", false, true}, std::tuple{"29.02.2100", false, false},
        std::tuple{"07.12.\xB0\xB0", false, false}}) {
    WriteFile(File(), date + kExampleFile.substr(10));
    SkyState sky = ExampleRun();
    const Status read = ReadLastInstant(directory.path(), sky);
    EXPECT_EQ(sky.dateText, taken ? date : "07.12.2026");
    const std::string refusal =
        "Die Datei " + File().string() + " enthält das Datum " + Windows1252ToUtf8(date) + ";";
    EXPECT_EQ(read.error().starts_with(refusal), !taken) << read.error();
    EXPECT_EQ(CheckStartupDate(directory.path()).ok(), !early) << date;
  }
}

TEST_F(StateFileTest, AMissingFileLeavesTheSkyUnchanged) {
  SkyState sky = ExampleRun();
  const SkyState before = sky;
  EXPECT_FALSE(ReadStartupPlace(directory.path(), sky).ok());
  const Status reload = ReadStateFile(directory.path(), sky);
  EXPECT_FALSE(reload.ok());
  EXPECT_NE(reload.error().find(File().string()), std::string::npos);
  EXPECT_NE(reload.error().find(": Datei oder Verzeichnis nicht gefunden"), std::string::npos)
      << reload.error();
  EXPECT_EQ(sky.dateText, before.dateText);
  EXPECT_EQ(sky.timeText, before.timeText);
  EXPECT_EQ(sky.longitudeText, before.longitudeText);
  EXPECT_EQ(sky.longitude, before.longitude);
}

TEST_F(StateFileTest, LinesAreReadToTenCharactersAndSkippedToTheirEnd) {
  WriteFile(File(), "07.12.2026 Montag\r\n14:05:09\n" + kWestLongitude + "  and more text\r\n" +
                        PlaceText("+50", "30"));
  SkyState sky;
  ASSERT_TRUE(ReadStateFile(directory.path(), sky).ok());
  EXPECT_EQ(sky.dateText, "07.12.2026");
  EXPECT_EQ(sky.timeText, "14:05:09");
  EXPECT_EQ(sky.longitudeText, PlaceText("-008", "30") + "  ");
  EXPECT_EQ(sky.latitudeText, PlaceText("+50", "30"));

  SkyState startup;
  ASSERT_TRUE(ReadStartupPlace(directory.path(), startup).ok());
  EXPECT_DOUBLE_EQ(startup.latitude, 50.5001);
}

TEST_F(StateFileTest, MissingLinesReadAsEmptyTexts) {
  for (const std::string& contents : {std::string(), std::string("07.12.2026\r\n14:05:09\r\n")}) {
    WriteFile(File(), contents);
    SkyState sky;
    ASSERT_TRUE(ReadStartupPlace(directory.path(), sky).ok());
    EXPECT_EQ(sky.longitudeText, "");
    EXPECT_EQ(sky.latitudeText, "");
    EXPECT_DOUBLE_EQ(sky.longitude, 0.0001);
    EXPECT_DOUBLE_EQ(sky.latitude, 0.0001);
  }
}

TEST_F(StateFileTest, AnyBytesAndAnyLengthReadSafely) {
  std::mt19937 random(2026);
  std::string binary(100000, '\0');
  for (char& byte : binary) byte = static_cast<char>(random());
  const std::string longLine(10'000'000, '7');
  std::string manyLines;
  for (int line = 0; line < 1'000'000; ++line) manyLines += PlaceText("+12", "34") + "\r\n";

  for (const std::string* contents :
       std::array<const std::string*, 3>{&binary, &longLine, &manyLines}) {
    WriteFile(File(), *contents);
    SkyState sky;
    ASSERT_TRUE(ReadStateFile(directory.path(), sky).ok());
    for (const std::string* text :
         {&sky.dateText, &sky.timeText, &sky.longitudeText, &sky.latitudeText}) {
      EXPECT_LE(text->size(), 10u);
    }
    EXPECT_TRUE(ReadStartupPlace(directory.path(), sky).ok());
  }
  SkyState sky;
  ASSERT_TRUE(ReadStartupPlace(directory.path(), sky).ok());
  EXPECT_DOUBLE_EQ(sky.latitude, 12 + 34 / 60.0 + 0.0001);
}

TEST_F(StateFileTest, ADirectoryOrPipeOfThatNameIsNoStateFile) {
  std::filesystem::create_directory(File());
  SkyState sky;
  EXPECT_FALSE(ReadStartupPlace(directory.path(), sky).ok());
  const Status reload = ReadStateFile(directory.path(), sky);
  EXPECT_NE(reload.error().find(": Ist ein Verzeichnis"), std::string::npos) << reload.error();

  // A pipe without a writer would block a plain open for ever.
  std::filesystem::remove(File());
  ASSERT_EQ(mkfifo(File().c_str(), 0600), 0);
  EXPECT_FALSE(ReadStartupPlace(directory.path(), sky).ok());
  EXPECT_FALSE(ReadStateFile(directory.path(), sky).ok());
}

}  // namespace
}  // namespace sternwerk
