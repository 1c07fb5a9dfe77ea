// ALT.DAT that cannot be read or written, told in English with the English
// reason, and in German as before.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "clock/state_file.h"
#include "platform/program_language.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

TEST(EnglishStateFile, AnUnreadableOrUnwritableFileIsOneEnglishSentence) {
  const testing::TemporaryDirectory directory;
  const std::filesystem::path file = directory.path() / kStateFileName;
  SkyState sky;
  std::filesystem::create_directory(file);
  EXPECT_EQ(ReadStateFile(directory.path(), sky).error(),
            "Die Datei " + file.string() + " kann nicht gelesen werden: Ist ein Verzeichnis");

  const ProgramTranslation english(Language::kEnglish);
  ASSERT_TRUE(english.status().ok()) << english.status().error();
  EXPECT_EQ(ReadStateFile(directory.path(), sky).error(),
            "The file " + file.string() + " cannot be read: Is a directory");
  std::filesystem::remove(file);
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
  EXPECT_EQ(ReadStartupPlace(directory.path(), sky).error(),
            "The file " + file.string() + " cannot be read: not a regular file");

  const std::filesystem::path missing = directory.path() / "missing";
  EXPECT_EQ(WriteStateFile(missing, sky).error(),
            "The file " + (missing / kStateFileName).string() +
                " cannot be written: No such file or directory");
}

}  // namespace
}  // namespace sternwerk
