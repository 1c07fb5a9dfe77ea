// Where two pictures of a widget differ, so that only that part is repainted.
#pragma once

#include <QImage>
#include <QRect>

namespace sternwerk {

// The smallest rectangle holding every pixel in which the two images differ:
// empty when they are equal, the larger of the two when their sizes or
// formats differ.
QRect DifferingRect(const QImage& before, const QImage& after);

}  // namespace sternwerk
