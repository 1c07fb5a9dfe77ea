#include "windows/dial_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "charts/dial_drawing.h"
#include "platform/operation_bounds.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

// Where the two pictures' operations differ, before and after; empty when
// they are equal.
QRect ChangedArea(const Picture& before, const Picture& after) {
  QRect changed;
  for (std::size_t i = 0; i < after.operations().size(); ++i) {
    const Operation& was = before.operations()[i];
    const Operation& is = after.operations()[i];
    if (was != is) changed |= OperationBounds(was) | OperationBounds(is);
  }
  return changed;
}

// The operations that may paint inside the area, in drawing order.
Picture PartWithin(const Picture& picture, const QRect& area) {
  Picture part(picture.width(), picture.height());
  for (const Operation& operation : picture.operations()) {
    if (OperationBounds(operation).intersects(area)) part.Add(operation);
  }
  return part;
}

}  // namespace

void DialView::SetPicture(const Picture& picture) {
  QRect area;
  if (!image_.isNull() && picture.width() == picture_.width() &&
      picture.height() == picture_.height() &&
      picture.operations().size() == picture_.operations().size()) {
    area = ChangedArea(picture_, picture) & image_.rect();
  } else {  // the first picture, or one drawn otherwise, is painted whole
    image_ =
        QImage(kDialBackgroundWidth, kDialBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
    area = image_.rect();
  }
  picture_ = picture;
  if (area.isEmpty()) return;

  // Within the area the ground and every operation that reaches into it are
  // painted again, in order, which leaves the pixels a whole redraw leaves.
  QPainter painter(&image_);
  painter.setClipRect(area);
  painter.fillRect(area, ToQColor(kNavy));
  PaintPicture(painter, PartWithin(picture, area));
  painter.end();
  update(area);
}

void DialView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace sternwerk
