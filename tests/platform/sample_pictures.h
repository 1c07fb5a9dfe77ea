// Pictures used by several platform tests: a small dial with every kind of
// operation and state a picture can hold.
#pragma once

#include "platform/picture.h"

namespace sternwerk {

// A 520 x 520 dial: background, circles, lines in several pens, texts in
// several fonts and escapements, opaque and clear, and a 32 x 32 icon.
Picture SampleDial();

// A 32 x 32 image with transparent corners.
Image SampleIcon();

}  // namespace sternwerk
