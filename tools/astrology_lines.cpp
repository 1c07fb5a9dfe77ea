#include "tools/astrology_lines.h"

#include "astrology/aspects.h"
#include "astrology/chart_lines.h"
#include "astrology/chart_points.h"
#include "astrology/midpoint_text.h"
#include "astrology/midpoints.h"
#include "base/text_encoding.h"
#include "engine/factors.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr std::string_view kHousesOption = "--houses";
constexpr std::string_view kAspectsOption = "--aspects";
constexpr std::string_view kMidpointsOption = "--midpoints";
constexpr std::string_view kAllOption = "--all";

// A flag option given twice is refused like any other repetition.
Status TakeFlag(bool& flag, std::string_view option) {
  if (flag)
    return Status::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 darf nur einmal stehen")), {option}));
  flag = true;
  return Status::Success();
}

Status TakeHouseSystem(AstrologyRequest& request, const std::vector<std::string>& args,
                       std::size_t& at) {
  if (request.houses)
    return Status::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "%1 darf nur einmal stehen")), {kHousesOption}));
  const std::string letters = HouseSystemLetters();
  if (at + 1 == args.size())
    return Status::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "--houses erwartet den Buchstaben eines Häusersystems (%1)")),
        {letters}));
  const std::string& letter = args[++at];
  request.houses = letter.size() == 1 ? HouseSystemOfLetter(letter[0]) : std::nullopt;
  if (!request.houses)
    return Status::Failure(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky",
                               "--houses: \"%1\" ist kein Häusersystem (eines von %2)")),
        {letter, letters}));
  return Status::Success();
}

}  // namespace

bool IsAstrologyOption(std::string_view argument) {
  return argument == kHousesOption || argument == kAspectsOption || argument == kMidpointsOption ||
         argument == kAllOption;
}

Outcome<AstrologyRequest> TakeAstrologyOptions(std::vector<std::string>& args) {
  AstrologyRequest request;
  std::vector<std::string> rest;
  for (std::size_t at = 0; at < args.size(); ++at) {
    Status taken = Status::Success();
    if (args[at] == kHousesOption) {
      taken = TakeHouseSystem(request, args, at);
    } else if (args[at] == kAspectsOption) {
      taken = TakeFlag(request.aspects, kAspectsOption);
    } else if (args[at] == kMidpointsOption) {
      taken = TakeFlag(request.midpoints, kMidpointsOption);
    } else if (args[at] == kAllOption) {
      taken = TakeFlag(request.allFactors, kAllOption);
    } else {
      rest.push_back(args[at]);
    }
    if (!taken.ok()) return Outcome<AstrologyRequest>::Failure(taken.error());
  }
  args = std::move(rest);
  return Outcome<AstrologyRequest>::Success(request);
}

Outcome<AstrologyText> AstrologyTextFor(const AstrologyRequest& request, const SkyState& sky,
                                        ComputationMode mode) {
  AstrologyText text;
  if (request.houses) {
    const Outcome<HouseCusps> houses = ComputeHouseCusps(sky, *request.houses);
    if (!houses.ok()) return Outcome<AstrologyText>::Failure(houses.error());
    for (const std::string& line : HouseLines(houses.value()))
      text.lines.push_back(Windows1252ToUtf8(line));
    if (!houses.value().note.empty()) text.notes.push_back(houses.value().note);
  }
  if (!request.aspects && !request.midpoints) return Outcome<AstrologyText>::Success(text);
  const std::vector<ChartPoint> points = ChartPoints(sky, mode, request.allFactors);
  if (request.aspects) {
    for (const Aspect& aspect : FindAspects(points, AspectOrbs{}))
      text.lines.push_back(AspectLine(aspect));
  }
  if (request.midpoints) {
    for (const Midpoint& midpoint : SortedMidpoints(points))
      text.lines.push_back(Windows1252ToUtf8(MidpointText(midpoint)));
  }
  return Outcome<AstrologyText>::Success(text);
}

}  // namespace sternwerk
