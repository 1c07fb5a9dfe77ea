#include "charts/position_list_text.h"

#include <algorithm>

#include "astrology/chart_lines.h"
#include "base/text_encoding.h"
#include "engine/factors.h"
#include "engine/position_list.h"

namespace sternwerk {

namespace {

// The width of a factor's or a cusp's line, "H12 101°38'28\"=11°38'KRE".
constexpr std::size_t kListLineWidth = 24;

const char* HeadingSource(ComputationUsed computation) {
  switch (computation) {
    case ComputationUsed::kOwn:
      return kPositionListHeading;
    case ComputationUsed::kEphemerisFiles:
    case ComputationUsed::kAnalyticalTheory:
      return kPreciseListHeading;
    case ComputationUsed::kOwnAfterFailure:
      return kFallbackListHeading;
  }
  return kPositionListHeading;
}

// The words of `text` in lines of at most `width` characters; a longer word
// stands alone.
std::vector<std::string> BrokenIntoLines(const std::string& text, std::size_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

std::string PositionListHeading(ComputationUsed computation) {
  return Translated("sternwerk::PositionList", HeadingSource(computation));
}

std::vector<std::string> PositionListLines(const SkyState& sky, const DisplayOptions& options) {
  std::vector<std::string> lines = {PositionListHeading(options.computation)};
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    if (InFactorSet(factor, options.transplutonian)) {
      lines.push_back(PositionListLine(factor, sky.longitudes[factor]));
    }
  }
  return lines;
}

std::vector<std::string> HouseListLines(const SkyState& sky, HouseSystem system) {
  const Outcome<HouseCusps> houses = ComputeHouseCusps(sky, system);
  if (!houses.ok()) return BrokenIntoLines(Utf8ToWindows1252(houses.error()), kListLineWidth);
  std::vector<std::string> lines = HouseLines(houses.value());
  for (std::string& line : BrokenIntoLines(Utf8ToWindows1252(houses.value().note), kListLineWidth))
    lines.push_back(std::move(line));
  return lines;
}

}  // namespace sternwerk
