// Any command line for sternwerk-sky's position list (the input's lines are
// the arguments): it is refused with a message, or it is a real date from
// 1600 to 9999, a time up to 24:00 (or the present instant) and a place
// within its bounds, and the list of positions is written for it.
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/calendar.h"
#include "engine/sky.h"
#include "fuzz/fuzz_support.h"
#include "tools/sky_report.h"

using namespace sternwerk;

namespace {

constexpr std::size_t kReportLines = 26;  // date, time, place and 23 factors
constexpr std::size_t kMaxArguments = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = fuzz::Lines(fuzz::Text(data, size));
  if (args.size() > kMaxArguments) return 0;
  Outcome<SkyState> read = SkyForArguments(args);
  if (!read.ok()) {
    FUZZ_CHECK(!read.error().empty());
    return 0;
  }
  SkyState sky = std::move(read).value();
  // A date and a time, or "jetzt"/"now" for both; then the place or none.
  const std::size_t instantArguments = args.size() % 2 == 0 ? 2 : 1;
  FUZZ_CHECK(args.size() == instantArguments || args.size() == instantArguments + 2);
  FUZZ_CHECK(sky.year >= kFirstCalendarYear && sky.year <= kLastCalendarYear);
  FUZZ_CHECK(sky.month >= 1 && sky.month <= 12);
  FUZZ_CHECK(sky.day >= 1 && sky.day <= 31);
  FUZZ_CHECK(sky.hours >= 0 && sky.hours <= 24.0001 + 1e-9);
  FUZZ_CHECK(std::abs(sky.longitude) <= 180 && std::abs(sky.latitude) <= 90);
  FUZZ_CHECK(sky.dateText == DateText(sky.day, sky.month, sky.year));
  ComputeSky(sky);
  FUZZ_CHECK(SkyReport(sky).size() == kReportLines);
  return 0;
}
