// The chart's files in a working directory: numbered copies, the clean-up
// at the end of a visit, files that existed before, and unwritable names.
#include "charts/chart_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/chart_test_support.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/wmf_reader.h"

namespace sternwerk {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

class ChartFilesTest : public ::testing::Test {
 protected:
  bool Exists(const std::string& name) const { return fs::exists(directory.path() / name); }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory.path()), {}));
  }

  testing::TemporaryDirectory directory;
  ChartFiles files{directory.path()};
  Picture first = testing::ChartOf(testing::ChartSkyWith({{kSun, 10}}));
  Picture last = testing::ChartOf(testing::ChartSkyWith({{kSun, 200}}));
};

TEST_F(ChartFilesTest, ThreeSavesThenTheLastCopyHoldsTheFinalChart) {
  files.BeginVisit();
  ASSERT_TRUE(files.WriteWorkingFile(first).ok());
  for (const char* name : {"RURed-01.WMF", "RURed-02.WMF", "RURed-03.WMF"}) {
    const Outcome<std::string> saved = files.SaveCopy(first);
    ASSERT_TRUE(saved.ok()) << saved.error();
    EXPECT_EQ(saved.value(), name);
    EXPECT_EQ(Contents(directory.path() / name), Contents(directory.path() / "img.wmf"));
  }
  ASSERT_TRUE(files.WriteWorkingFile(last).ok());
  const std::string finalChart = Contents(directory.path() / "img.wmf");
  files.EndVisit(last);

  EXPECT_FALSE(Exists("img.wmf"));
  EXPECT_EQ(Contents(directory.path() / "RURed-03.WMF"), finalChart);
  EXPECT_NE(Contents(directory.path() / "RURed-02.WMF"), finalChart);
  const Outcome<Picture> reread = LoadWmfFile((directory.path() / "RURed-03.WMF").string());
  ASSERT_TRUE(reread.ok()) << reread.error();
  EXPECT_EQ(reread.value().width(), 740);

  files.BeginVisit();
  ASSERT_TRUE(files.WriteWorkingFile(first).ok());
  EXPECT_EQ(files.SaveCopy(first).value(), "RURed-04.WMF");
}

TEST_F(ChartFilesTest, VisitWithoutSavingLeavesNoFile) {
  files.BeginVisit();
  ASSERT_TRUE(files.WriteWorkingFile(first).ok());
  EXPECT_TRUE(Exists("img.wmf"));
  files.EndVisit(first);
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(ChartFilesTest, CopiesFromAnEarlierRunAreNeverOverwritten) {
  std::ofstream(directory.path() / "RURed-01.WMF") << "earlier";
  std::ofstream(directory.path() / "RURed-03.WMF") << "earlier too";
  files.BeginVisit();
  ASSERT_TRUE(files.WriteWorkingFile(first).ok());
  EXPECT_EQ(files.SaveCopy(first).value(), "RURed-02.WMF");
  EXPECT_EQ(files.SaveCopy(first).value(), "RURed-04.WMF");
  files.EndVisit(first);
  EXPECT_EQ(Contents(directory.path() / "RURed-01.WMF"), "earlier");
  EXPECT_EQ(Contents(directory.path() / "RURed-03.WMF"), "earlier too");
  EXPECT_TRUE(Exists("RURed-04.WMF"));
  EXPECT_FALSE(Exists("img.wmf"));
}

TEST_F(ChartFilesTest, GarbageInTheWorkingFileNeverReachesACopy) {
  files.BeginVisit();
  ASSERT_TRUE(files.WriteWorkingFile(first).ok());
  std::ofstream(directory.path() / "img.wmf", std::ios::trunc) << "not a metafile";
  ASSERT_TRUE(files.SaveCopy(first).ok());
  const std::string saved = Contents(directory.path() / "RURed-01.WMF");
  std::ofstream(directory.path() / "img.wmf", std::ios::trunc) << "garbage again";
  files.EndVisit(first);
  EXPECT_EQ(Contents(directory.path() / "RURed-01.WMF"), saved);
  EXPECT_TRUE(LoadWmfFile((directory.path() / "RURed-01.WMF").string()).ok());
  EXPECT_FALSE(Exists("img.wmf"));
}

TEST_F(ChartFilesTest, NumbersGrowPastTwoDigits) {
  EXPECT_EQ(ChartCopyName(7), "RURed-07.WMF");
  EXPECT_EQ(ChartCopyName(99), "RURed-99.WMF");
  EXPECT_EQ(ChartCopyName(100), "RURed-100.WMF");
  EXPECT_EQ(ChartCopyName(256), "RURed-256.WMF");
}

TEST_F(ChartFilesTest, UnwritableWorkingFileIsReportedAndLeftAlone) {
  fs::create_directory(directory.path() / "img.wmf");  // not writable as a file, even for root
  files.BeginVisit();
  const Status written = files.WriteWorkingFile(first);
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("img.wmf"), std::string::npos);
  EXPECT_NE(written.error().find(": "), std::string::npos);  // the reason follows

  const Outcome<std::string> saved = files.SaveCopy(first);  // from the chart in memory
  ASSERT_TRUE(saved.ok());
  files.EndVisit(first);
  EXPECT_TRUE(fs::is_directory(directory.path() / "img.wmf"));
  EXPECT_TRUE(LoadWmfFile((directory.path() / saved.value()).string()).ok());
}

TEST_F(ChartFilesTest, FailedSaveKeepsTheNumber) {
  ChartFiles unwritable(directory.path() / "missing");
  unwritable.BeginVisit();
  const Outcome<std::string> failed = unwritable.SaveCopy(first);
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.error().find("RURed-01.WMF"), std::string::npos);
  EXPECT_FALSE(unwritable.savedThisVisit());
  // The directory now exists; the same number is tried again.
  fs::create_directory(directory.path() / "missing");
  EXPECT_EQ(unwritable.SaveCopy(first).value(), "RURed-01.WMF");
}

}  // namespace
}  // namespace sternwerk
