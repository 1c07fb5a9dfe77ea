#include "tools/places_command.h"

#include <cstdio>

#include "base/translation.h"
#include "engine/place_identity.h"
#include "tools/located_sky.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

constexpr int kExitNoPlace = 1;

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5f", value);
  return text;
}

}  // namespace

std::vector<std::string> PlaceListLines(const PlaceAtlas& atlas, std::string_view typed) {
  std::vector<std::string> lines;
  for (const AtlasPlace* match : atlas.Find(typed, kPlacesListed, ShownLanguage())) {
    const PlaceIdentity shown = IdentityOf(*match, ShownLanguage());
    lines.push_back(shown.name + '\t' + shown.region + '\t' + shown.country + '\t' +
                    Degrees(match->latitude) + '\t' + Degrees(match->longitude) + '\t' +
                    shown.timeZone);
  }
  return lines;
}

Outcome<int> ListPlaces(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1)
    return Outcome<int>::Failure(
        ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "--places erwartet einen Ortsnamen")));
  const Status utf8 =
      RequireUtf8(args[0], ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "Ortsname")));
  if (!utf8.ok()) return Outcome<int>::Failure(utf8.error());
  if (args[0].find_first_not_of(' ') == std::string::npos)
    return Outcome<int>::Success(Refuse(
        {kExitNoPlace,
         ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "Kein Ort gesucht: Der Name ist leer"))}));
  const std::vector<std::string> lines = PlaceListLines(ProgramAtlas(), args[0]);
  if (lines.empty()) {
    return Outcome<int>::Success(Refuse(
        {kExitNoPlace,
         WithArguments(ToolText(QT_TRANSLATE_NOOP("sternwerk-sky", "Kein Ort beginnt mit \"%1\"")),
                       {Printable(args[0])})}));
  }
  for (const std::string& line : lines) out << line << '\n';
  return Outcome<int>::Success(0);
}

}  // namespace sternwerk
