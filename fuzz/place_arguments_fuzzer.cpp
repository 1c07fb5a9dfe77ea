// Any command line with --place, --local or --places for sternwerk-sky (the
// input's lines are the arguments), on the real atlas loaded once: it is
// refused with a message, or the instant lies in the calendar's years at a
// place within its bounds and its place lines end with the local time; the
// places found for any name are at most twenty lines of six UTF-8 fields.
// --saved reads no collection on disk: its collection is one that does not
// exist, so that it is always refused.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "tools/located_sky.h"
#include "tools/places_command.h"

using namespace sternwerk;

namespace {

constexpr std::size_t kMaxArguments = 8;
constexpr std::ptrdiff_t kPlaceListFields = 6;
constexpr const char* kNoCollection = "/nonexistent/sternwerk-fuzz/horoskope.db";

void CheckPlaceList(const std::string& typed) {
  if (!RequireUtf8(typed, "Ortsname").ok()) return;
  const std::vector<std::string> lines = PlaceListLines(ProgramAtlas(), typed);
  FUZZ_CHECK(lines.size() <= kPlacesListed);
  for (const std::string& line : lines) {
    FUZZ_CHECK(std::count(line.begin(), line.end(), '\t') == kPlaceListFields - 1);
    FUZZ_CHECK(RequireUtf8(line, "Ort").ok());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ProgramAtlas();  // loaded once, before the first input
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args = fuzz::Lines(fuzz::Text(data, size));
  if (args.size() > kMaxArguments) return 0;
  if (!args.empty()) CheckPlaceList(args.front());
  const Outcome<PlaceOptions> options = TakePlaceOptions(args);
  if (!options.ok()) {
    FUZZ_CHECK(!options.error().empty());
    return 0;
  }
  PlaceOptions chosen = options.value();
  if (chosen.collection || chosen.saved) chosen.collection = kNoCollection;
  const ToolOutcome<LocatedSky> located = LocateArguments(args, chosen);
  FUZZ_CHECK(!chosen.saved || !located.ok());
  if (!located.ok()) {
    const ToolResult& ending = located.ending();
    FUZZ_CHECK(ending.status() == kExitNotFound || ending.status() == kExitFailure);
    FUZZ_CHECK(ending.ErrorText().size() > std::string("sternwerk-sky: \n").size());
    return 0;
  }
  const LocatedSky& at = located.value();
  FUZZ_CHECK(at.sky.year >= kFirstCalendarYear && at.sky.year <= kLastCalendarYear);
  FUZZ_CHECK(std::abs(at.sky.longitude) <= 180 && std::abs(at.sky.latitude) <= 90);
  const std::vector<std::string> lines = PlaceLines(at, UniversalSeconds(at.sky), at.twice);
  FUZZ_CHECK(lines.empty() != options.value().any());
  if (!lines.empty()) FUZZ_CHECK(lines.back().starts_with("Ortszeit: "));
  return 0;
}
