// The state file ALT.DAT: the last date, time and place of a run, four lines
// of Windows-1252 text with CR LF line ends, e.g.
//   07.12.2026 / 14:05:09 / -008°30' / +47°15'
// Readers take fixed character positions, so any content reads safely; a
// file of fewer lines reads the missing lines as empty texts.
#pragma once

#include <filesystem>
#include <string>

#include "base/outcome.h"
#include "engine/sky_state.h"

namespace sternwerk {

inline constexpr char kStateFileName[] = "ALT.DAT";

// A failure of reading or writing the state file is a UTF-8 message naming
// the file and the reason, ready for a message box.

// Stores FormatHours(hours) in timeText and replaces directory/ALT.DAT with
// the lines dateText, timeText, longitudeText, latitudeText. The new file is
// written beside the old one and renamed over it, so ALT.DAT is either the
// old or the complete new file, never a part.
Status WriteStateFile(const std::filesystem::path& directory, SkyState& sky);

// At start-up only the place is taken: lines 3 and 4 (first 10 characters
// each) become longitudeText and latitudeText and set the place. When the
// file cannot be opened and read, sky is unchanged.
Status ReadStartupPlace(const std::filesystem::path& directory, SkyState& sky);

// Reads the four lines (first 10 characters each) into dateText, timeText,
// longitudeText and latitudeText; the caller derives instant and place
// (SetInstantFromTexts, SetPlaceFromTexts). On failure sky is unchanged.
Status ReadStateFile(const std::filesystem::path& directory, SkyState& sky);

// ReadStateFile for a caller that takes the instant of the file: a date that
// is not a day of the clock's calendar (01.01.1600 to 31.12.9999), such as a
// year before 1600 that earlier versions let the clock step into, is refused
// with a message naming the file, the date and the calendar. On failure sky
// is unchanged.
Status ReadLastInstant(const std::filesystem::path& directory, SkyState& sky);

// At start-up: a state file dated before the clock's calendar (a four-digit
// year below 1600, where earlier versions let the clock step) is refused as
// ReadLastInstant refuses it. Any other file passes, missing or damaged: it
// is reported, if at all, when its instant is asked for.
Status CheckStartupDate(const std::filesystem::path& directory);

}  // namespace sternwerk
