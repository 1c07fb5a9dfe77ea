// Any bytes as the state file ALT.DAT: each of the four lines is read to its
// first ten characters whatever the file holds, and the sky that the clock
// window derives from such a file on "reload" is computed and drawn safely.
#include <stdlib.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "charts/dial_drawing.h"
#include "clock/state_file.h"
#include "engine/calendar.h"
#include "engine/sky.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "fuzz/fuzz_support.h"
#include "platform/canvas.h"

using namespace sternwerk;

namespace {

constexpr std::size_t kTextLength = 10;

// One directory for the whole run, so that each input is one file write.
const std::filesystem::path& Directory() {
  static const std::filesystem::path directory = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sternwerk-fuzz-XXXXXX").string();
    FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
    return std::filesystem::path(pattern);
  }();
  return directory;
}

// What the four lines must read as: each line up to its line feed, without
// a carriage return that ends it, cut to ten characters; "" when missing.
std::array<std::string, 4> ExpectedTexts(std::string_view bytes) {
  std::array<std::string, 4> texts;
  const std::vector<std::string> lines = fuzz::Lines(bytes);
  for (std::size_t i = 0; i < texts.size() && i < lines.size(); ++i) {
    std::string line = lines[i];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    texts[i] = line.substr(0, kTextLength);
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Text(data, size);
  std::ofstream(Directory() / kStateFileName, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  SkyState sky;
  FUZZ_CHECK(ReadStateFile(Directory(), sky).ok());
  const std::array<std::string, 4> expected = ExpectedTexts(bytes);
  FUZZ_CHECK(sky.dateText == expected[0]);
  FUZZ_CHECK(sky.timeText == expected[1]);
  FUZZ_CHECK(sky.longitudeText == expected[2]);
  FUZZ_CHECK(sky.latitudeText == expected[3]);

  SkyState startup;
  FUZZ_CHECK(ReadStartupPlace(Directory(), startup).ok());
  FUZZ_CHECK(startup.longitudeText == expected[2] && startup.latitudeText == expected[3]);
  // Degrees and minutes are read from two or three digits each, whatever they say.
  FUZZ_CHECK(std::abs(startup.longitude) <= 999 + 99 / 60.0 + kEnteredOffset);
  FUZZ_CHECK(std::abs(startup.latitude) <= 99 + 99 / 60.0 + kEnteredOffset);

  // The reload takes only an instant of the clock's calendar.
  SkyState last = sky;
  const bool taken = ReadLastInstant(Directory(), last).ok();
  if (taken) {
    SetInstantFromTexts(last);
    FUZZ_CHECK(IsCalendarDate(last.day, last.month, last.year));
  }
  FUZZ_CHECK(CheckStartupDate(Directory()).ok() || !taken);  // refused at start, refused later

  // What the clock window does with a reloaded file.
  SetInstantFromTexts(sky);
  SetPlaceFromTexts(sky);
  FUZZ_CHECK(sky.longitude == startup.longitude && sky.latitude == startup.latitude);
  PlaceLabelFromTexts(sky);
  ComputeSky(sky);
  for (const double longitude : sky.longitudes) FUZZ_CHECK(std::isfinite(longitude));
  WeekdayName(sky.year, sky.month, sky.day);
  FormatHours(sky.hours);
  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(sky, DisplayOptions{}, canvas);
  return 0;
}
