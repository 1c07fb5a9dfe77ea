// The instant and place of a command whose place is named (--place) or whose
// date and time are the place's local civil time (--local), and the lines
// that say which place and local time that is.
#pragma once

#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/sky_state.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"
#include "tools/place_options.h"
#include "tools/sky_arguments.h"
#include "tools/tool_result.h"

namespace sternwerk {

// The atlas of named places, loaded on the first call. When the German
// names cannot be read this says so on standard error, once, and the
// English names serve.
const PlaceAtlas& ProgramAtlas();

// The sky of a request at its place.
struct LocatedSky {
  SkyState sky;            // Universal Time and the place's coordinates, not computed
  PlaceIdentity place;     // the named place, or the zone of a typed one
  PlaceIdentity timeZone;  // as `place`, the zone dropped where this machine lacks it
  bool shown = false;      // --place or --local: the place lines are written
  std::string twice;       // after the local time: that it occurs twice
};

// The place of the arguments after the date and time: LONGITUDE LATITUDE,
// or nothing (the default place, or the place named by --place, which
// takes no coordinates); a usage error names a bad argument, and a name no
// place has is refused (kExitNotFound). The named place
// and the zone of typed coordinates are found in `atlas`, which may be
// null where the options name no place: then typed coordinates have no
// zone.
ToolOutcome<LocatedSky> LocatePlace(const std::vector<std::string>& coordinates,
                                    const PlaceOptions& options, const PlaceAtlas* atlas);

// What a local time the clocks skipped stands for: nothing (refused with
// kExitFailure), or
// the first instant after the gap, where a day begins whose midnight was
// skipped (zones that change at 00:00, such as Asia/Beirut).
enum class SkippedTime { kRefused, kInstantAfter };

// Sets the located sky's instant: `hours` of `date` in Universal Time, or
// with --local at the place's local time (the earlier instant of a time
// that occurs twice; a skipped time as `skipped` says). A local time whose
// Universal Time lies outside the calendar's years is refused too.
ToolOutcome<LocatedSky> AtLocalOrUniversalTime(LocatedSky located, const CalendarDate& date,
                                               double hours, bool local,
                                               SkippedTime skipped = SkippedTime::kRefused);

// The place without its zone where this machine's time-zone data lack it,
// which is said on standard error: then its mean time stands in.
PlaceIdentity WithKnownZone(PlaceIdentity place, double longitude);

// DATE TIME [LONGITUDE LATITUDE] with the place options, the atlas loaded
// only where they need it; with --saved no arguments, the saved chart's
// instant and place (LocateSaved).
ToolOutcome<LocatedSky> LocateArguments(const std::vector<std::string>& args,
                                        const PlaceOptions& options);

// The same with the place always looked up in the atlas: a named place, or
// the zone of the atlas place near typed coordinates; with --saved the
// saved chart's.
ToolOutcome<LocatedSky> LocateInAtlas(const std::vector<std::string>& args,
                                      const PlaceOptions& options);

// The lines written for a located sky at the instant `universal` (UTF-8):
// "Ort: NAME, REGION, COUNTRY, ZONE" (the parts the place has; no line for
// a typed place without a zone) and "Ortszeit: DD.MM.YYYY HH:MM:SS
// ABBREVIATION (UT+H:MM:SS)" with `note` after it; none unless `shown`.
std::vector<std::string> PlaceLines(const LocatedSky& located, ClockSeconds universal,
                                    const std::string& note = {});
// The second of them, whether shown or not.
std::string LocalTimeLine(const LocatedSky& located, ClockSeconds universal,
                          const std::string& note = {});

// The Universal Time of the located sky's instant, to the second.
ClockSeconds UniversalSeconds(const SkyState& sky);

}  // namespace sternwerk
