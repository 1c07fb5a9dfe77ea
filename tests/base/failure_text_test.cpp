// The one wording of a failed file operation, and the line reader's failure
// told in it.
#include "base/failure_text.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/line_reader.h"

namespace sternwerk {
namespace {

TEST(FailureText, NamesWhatWhatFailedAndWhy) {
  EXPECT_EQ(FailureText("/tmp/x.svg", kWritten, "Kein Speicherplatz mehr auf dem Gerät"),
            "Die Datei /tmp/x.svg kann nicht geschrieben werden: "
            "Kein Speicherplatz mehr auf dem Gerät");
  EXPECT_EQ(FailureText("ALT.DAT", kRead, "Keine Berechtigung"),
            "Die Datei ALT.DAT kann nicht gelesen werden: Keine Berechtigung");
  // A name that looks like a mark of the sentence is put in as it is.
  EXPECT_EQ(FailureText("/tmp/100%2.wmf", kOpened, "Ist ein Verzeichnis"),
            "Die Datei /tmp/100%2.wmf kann nicht geöffnet werden: Ist ein Verzeichnis");
}

// A read that fails is told by the system's reason, and ends the lines.
TEST(LineReader, AFailedReadIsToldInGerman) {
  const int directory = open(std::filesystem::temp_directory_path().c_str(), O_RDONLY);
  ASSERT_GE(directory, 0);
  LineReader reader(directory);
  EXPECT_EQ(reader.ReadLine(10), std::nullopt);
  EXPECT_EQ(reader.status().error(), "Ist ein Verzeichnis");
  EXPECT_EQ(reader.ReadLine(10), std::nullopt) << "no read after a failed one";
  close(directory);

  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  ASSERT_EQ(write(ends[1], "12345\r\nab", 9), 9);
  close(ends[1]);
  LineReader lines(ends[0]);
  EXPECT_EQ(lines.ReadLine(3), "123");
  EXPECT_EQ(lines.ReadLine(3), "ab");
  EXPECT_EQ(lines.ReadLine(3), std::nullopt);
  EXPECT_TRUE(lines.status().ok()) << lines.status().error();
  close(ends[0]);
}

}  // namespace
}  // namespace sternwerk
