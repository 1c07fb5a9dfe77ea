// Replaying a recorded picture onto a QPainter (window, image or printer),
// as the Windows graphics interface draws it at 96 pixels per inch: boxes
// with right and bottom exclusive, lines without antialiasing and without
// their end point, fonts of P points P*96/72 pixels high, texts by the
// top-left corner of their box, turned counterclockwise by the escapement.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRectF>

#include "platform/picture.h"

namespace sternwerk {

// Draws the picture 1:1 with its origin at `origin`; nothing is clipped.
void PaintPicture(QPainter& painter, const Picture& picture, QPoint origin = {0, 0});

// Draws the picture with its nominal area stretched onto `target`; what lies
// outside the nominal area follows at the same scale.
void PaintPictureScaled(QPainter& painter, const Picture& picture, const QRectF& target);

// A rectangle holding every pixel that drawing the operation 1:1 paints.
// Texts are measured in the font they are drawn in, which gives a much
// tighter rectangle than OperationBounds does.
QRect PaintedBounds(const Operation& operation);

// The picture drawn 1:1 into an image of its nominal size.
QImage RenderPicture(const Picture& picture, QColor background = Qt::transparent);

}  // namespace sternwerk
