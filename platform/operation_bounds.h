// Where a recorded drawing operation can leave pixels, so that a picture
// that changed in a few operations is repainted only there.
#pragma once

#include <QRect>

#include "platform/picture.h"

namespace sternwerk {

// A rectangle, in the picture's pixels, that holds every pixel the operation
// may paint. Generous rather than tight: texts are measured without a font
// engine by AnyFaceTextWidthBound.
QRect OperationBounds(const Operation& operation);

}  // namespace sternwerk
