// The failures of the layers below the windows told in English once the
// English translation is loaded, and in German, unchanged, without it: the
// system's reasons, a file that cannot be written, a broken picture, an
// unknown time zone and the local time of a place.
#include <gtest/gtest.h>
#include <locale.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "base/file_replacement.h"
#include "base/system_error_text.h"
#include "places/qt/civil_time.h"
#include "places/qt/place_time_text.h"
#include "places/zone_texts.h"
#include "platform/jpeg_decoder.h"
#include "platform/program_language.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"

namespace sternwerk {
namespace {

// The C library's own English text for an errno value, whatever the locale
// the test runs in.
std::string CLibraryText(int error) {
  const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  std::string text = strerror_l(error, c);
  freelocale(c);
  return text;
}

// The failure of writing `file`, in the language of the run.
std::string WriteFailure(const std::filesystem::path& file) {
  const Status written = ReplaceFileContent(file, "x");
  EXPECT_FALSE(written.ok()) << file;
  return written.error();
}

TEST(EnglishFailures, SystemReasonsReadAsTheCLibraryWritesThem) {
  // Each of these has a German text of its own; in English it is the C
  // library's, word for word. Unknown values too ("Unknown error 9999").
  const int errors[] = {ENOENT,  EACCES, EPERM,        ENOSPC, EDQUOT, EROFS, EISDIR,
                        ENOTDIR, EEXIST, ENAMETOOLONG, ELOOP,  EMFILE, EIO,   EBUSY,
                        ENODEV,  EINVAL, EINTR,        EAGAIN, EFBIG,  9999};
  {
    const ProgramTranslation english(Language::kEnglish);
    ASSERT_TRUE(english.status().ok()) << english.status().error();
    for (const int error : errors) EXPECT_EQ(SystemErrorText(error), CLibraryText(error));
    EXPECT_EQ(SystemErrorText(ENOMEM), "Cannot allocate memory");
  }
  for (const int error : errors) EXPECT_NE(SystemErrorText(error), CLibraryText(error)) << error;
}

TEST(EnglishFailures, AFileThatCannotBeWrittenIsOneEnglishSentence) {
  const testing::TemporaryDirectory folder;
  const std::filesystem::path missing = folder.path() / "missing" / "chart.wmf";
  const std::string german = WriteFailure(missing);
  EXPECT_EQ(german, "Die Datei " + missing.string() +
                        " kann nicht geschrieben werden: Datei oder Verzeichnis nicht gefunden");
  const ProgramTranslation english(Language::kEnglish);
  EXPECT_EQ(WriteFailure(missing),
            "The file " + missing.string() + " cannot be written: No such file or directory");
  // A folder in the way of the file.
  EXPECT_EQ(WriteFailure(folder.path()),
            "The file " + folder.path().string() + " cannot be written: Is a directory");
  if (geteuid() != 0) {  // the superuser writes into a read-only folder all the same
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::filesystem::path locked = folder.path() / "chart.wmf";
    EXPECT_EQ(WriteFailure(locked),
              "The file " + locked.string() + " cannot be written: Permission denied");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
  }
}

TEST(EnglishFailures, ABrokenOrMissingJpegIsToldInEnglish) {
  const std::string text = "no picture at all";
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  const std::string german = DecodeJpeg(bytes).error();
  EXPECT_TRUE(
      german.starts_with("Das JPEG-Bild kann nicht gelesen werden: Die Daten sind kein "
                         "JPEG-Bild (libjpeg-Meldung "))
      << german;

  const ProgramTranslation english(Language::kEnglish);
  const std::string said = DecodeJpeg(bytes).error();
  EXPECT_EQ(said,
            "The JPEG picture cannot be read: The data is not a JPEG picture (libjpeg "
            "message " +
                german.substr(german.rfind(' ') + 1));
  EXPECT_EQ(DecodeJpeg({}).error(), "The JPEG file is empty.");
  EXPECT_EQ(LoadJpegFile("/nonexistent/start.jpg").error(),
            "The file /nonexistent/start.jpg cannot be opened: No such file or directory.");
}

TEST(EnglishFailures, ZonesAndTheLocalTimeOfAPlace) {
  const PlaceIdentity berlin{"Berlin", "", "", "Europe/Berlin"};
  const SkyState winter = testing::SkyAt(7, 12, 2026, 11.0, 13.4);
  const SkyState summer = testing::SkyAt(21, 6, 2026, 10.0, 13.4);
  const PlaceIdentity ulm{"Ulm", "", "", "Europe/Berlin"};
  const SkyState before1893 = testing::SkyAt(14, 3, 1879, 11.5, 9.99);
  const PlaceIdentity unknown{"Olymp", "", "", "Mars/Olympus"};
  EXPECT_EQ(PlaceTimeAt(berlin, winter).time, "12:00:00 MEZ (UT+1)");
  EXPECT_EQ(PlaceTimeAt(unknown, winter).zoneProblem,
            "Die Zeitzone Mars/Olympus ist in den Zeitzonendaten dieses Rechners unbekannt. Es "
            "gilt die mittlere Ortszeit des Ortes.");

  const ProgramTranslation english(Language::kEnglish);
  EXPECT_EQ(PlaceTimeAt(berlin, winter).time, "12:00:00 CET (UT+1)");
  EXPECT_EQ(PlaceTimeAt(berlin, summer).time, "12:00:00 CEST (UT+2)");
  EXPECT_EQ(PlaceTimeAt(ulm, before1893).time, "12:09:58 local mean time (UT+0:39:58)");
  EXPECT_EQ(ChartPlaceTimeText(berlin, winter),
            "Local time in Berlin: Mon, 07.12.2026 / 12:00:00 CET (UT+1)");
  EXPECT_EQ(PlaceTimeAt(unknown, winter).zoneProblem,
            "The time zone Mars/Olympus is unknown to this computer's time-zone data. The "
            "place's local mean time applies.");
  // The other European zones by their English names; tzdata's own stay.
  EXPECT_EQ(
      ZoneAbbreviationText(OffsetAt("Europe/Lisbon", ClockSecondsOf(1, 7, 2026, 12), -9).value()),
      "WEST");
  EXPECT_EQ(
      ZoneAbbreviationText(OffsetAt("Europe/Athens", ClockSecondsOf(1, 1, 2026, 12), 23).value()),
      "EET");
  EXPECT_EQ(ZoneAbbreviationText({-5 * 3600, "EST", false}), "EST");
}

}  // namespace
}  // namespace sternwerk
