// A contact of an eclipse: when it happens and how high the eclipsed body
// then stands for the observer.
#pragma once

#include <string>

#include "engine/calendar.h"

namespace sternwerk {

struct EclipseContact {
  // The usual name: "C1" to "C4" for a solar eclipse; "P1", "U1" to "U4",
  // "P4" for a lunar eclipse (penumbra and umbra).
  std::string code;
  ClockSeconds instant = 0;  // Universal Time
  double altitude = 0;       // degrees, the eclipsed body's centre, refracted
  bool up = false;           // the body's upper limb above the horizon
};

}  // namespace sternwerk
