// Lines of the position list: code, full angle, angle within the sign, sign.
#pragma once

#include <string>
#include <string_view>

namespace sternwerk {

// For example " SO 255°30'12\"=15°30'SCH" (Windows-1252), with the
// code and sign of the language shown. A longitude past 360 is listed
// without a sign.
std::string PositionListLine(int factor, double longitude);

// The same form for another list entry, its code column given whole, e.g.
// "H10 101°38'28\"=11°38'KRE".
std::string PositionListLine(std::string_view codeColumn, double longitude);

}  // namespace sternwerk
