// The astrological lines as lists show them, shared by the clock window's
// position list, the enlarged chart's aspect list and page, and
// sternwerk-sky: the house cusps in the position list's form and one line
// per aspect.
#pragma once

#include <string>
#include <vector>

#include "astrology/aspects.h"
#include "astrology/house_cusps.h"

namespace sternwerk {

// " H1 101°38'28\"=11°38'KRE" ... "H12 ...": the twelve cusps in the
// position list's form (Windows-1252), the codes right-aligned.
std::vector<std::string> HouseLines(const HouseCusps& houses);

// "SO MO Trigon 3°05' applikativ": the factors' codes, the aspect's name,
// the orb in degrees and whole minutes (DegreesAndMinutes), applying or
// separating, in the language shown (UTF-8).
std::string AspectLine(const Aspect& aspect);

}  // namespace sternwerk
