// The small pictures on the clock window's picture buttons.
#pragma once

#include <QIcon>

namespace sternwerk {

QIcon FullMoonPicture();
QIcon NewMoonPicture();
// A clock face, beside "Real Time".
QIcon RealTimePicture();

}  // namespace sternwerk
