#include "tools/places_command.h"

#include <cstdio>

#include "base/translation.h"
#include "places/place_identity.h"
#include "tools/located_sky.h"
#include "tools/tool_text.h"

namespace sternwerk {
namespace {

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5f", value);
  return text;
}

// Why no place matches `typed`.
ToolResult NothingFound(std::string_view typed, const PlaceSearch& search) {
  const char* message =
      search.foreignScript
          ? QT_TRANSLATE_NOOP(
                "sternwerk-sky",
                "Kein Ort beginnt mit \"%1\": Ortsnamen werden in lateinischen Buchstaben gesucht")
          : QT_TRANSLATE_NOOP("sternwerk-sky", "Kein Ort beginnt mit \"%1\"");
  return ToolResult::Failure(WithArguments(Said(message), {Printable(typed)}), kExitNotFound);
}

// The lines of --places for what the search found.
std::vector<std::string> ListLines(const PlaceSearch& search) {
  std::vector<std::string> lines;
  for (const FoundPlace& found : search.found) {
    const PlaceIdentity shown = IdentityOf(*found.place, ShownLanguage());
    lines.push_back(shown.name + '\t' + shown.region + '\t' + shown.country + '\t' +
                    Degrees(found.place->latitude) + '\t' + Degrees(found.place->longitude) + '\t' +
                    shown.timeZone);
  }
  return lines;
}

}  // namespace

std::vector<std::string> PlaceListLines(const PlaceAtlas& atlas, std::string_view typed) {
  return ListLines(atlas.Search(typed, kPlacesListed, ShownLanguage()));
}

ToolResult ListPlaces(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1)
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--places erwartet einen Ortsnamen")));
  const Status utf8 = RequireUtf8(args[0], Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Ortsname")));
  if (!utf8.ok()) return ToolResult::UsageError(utf8.error());
  if (args[0].find_first_not_of(' ') == std::string::npos)
    return ToolResult::Failure(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Kein Ort gesucht: Der Name ist leer")),
        kExitNotFound);
  const PlaceSearch search = ProgramAtlas().Search(args[0], kPlacesListed, ShownLanguage());
  if (search.found.empty()) return NothingFound(args[0], search);
  for (const std::string& line : ListLines(search)) out << line << '\n';
  return ToolResult::Done();
}

ToolOutcome<const AtlasPlace*> PlaceNamed(const PlaceAtlas& atlas, std::string_view typed,
                                          std::ostream& warnings) {
  const PlaceSearch search = atlas.Search(typed, 2, ShownLanguage());
  if (search.found.empty()) return NothingFound(typed, search);
  const FoundPlace& taken = search.found.front();
  if (search.found.size() > 1 && search.found[1].match == taken.match) {
    const PlaceIdentity shown = IdentityOf(*taken.place, ShownLanguage());
    std::string named = shown.name;
    for (const std::string* part : {&shown.region, &shown.country})
      if (!part->empty()) named += ", " + *part;
    warnings << "sternwerk-sky: "
             << WithArguments(
                    Said(QT_TRANSLATE_NOOP(
                        "sternwerk-sky",
                        "--place \"%1\": genommen ist %2 (Breite %3, Länge %4); andere Orte "
                        "passen ebenso gut, sternwerk-sky --places \"%1\" listet sie")),
                    {Printable(typed), named, Degrees(taken.place->latitude),
                     Degrees(taken.place->longitude)})
             << '\n';
  }
  return taken.place;
}

}  // namespace sternwerk
