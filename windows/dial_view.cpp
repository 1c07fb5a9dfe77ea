#include "windows/dial_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "charts/dial_drawing.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

// The operations that may paint inside the area, in drawing order.
Picture PartWithin(const Picture& picture, const std::vector<QRect>& bounds, const QRegion& area) {
  Picture part(picture.width(), picture.height());
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    if (area.intersects(bounds[i])) part.Add(picture.operations()[i]);
  }
  return part;
}

}  // namespace

void DialView::SetPicture(const Picture& picture) {
  const QRegion area = Remeasure(picture);
  picture_ = picture;
  if (area.isEmpty()) return;

  // Within the area the ground and every operation that reaches into it are
  // painted again, in order, which leaves the pixels a whole redraw leaves.
  QPainter painter(&image_);
  painter.setClipRegion(area);
  painter.fillRect(area.boundingRect(), ToQColor(kNavy));
  PaintPicture(painter, PartWithin(picture, bounds_, area));
  painter.end();
  update(area);
}

QRegion DialView::Remeasure(const Picture& picture) {
  const std::vector<Operation>& operations = picture.operations();
  std::vector<QRect> bounds(operations.size());
  if (image_.isNull() || picture.width() != picture_.width() ||
      picture.height() != picture_.height() || operations.size() != picture_.operations().size()) {
    // The first picture, or one drawn otherwise, is painted whole.
    image_ =
        QImage(kDialBackgroundWidth, kDialBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
    std::ranges::transform(operations, bounds.begin(), PaintedBounds);
    bounds_ = std::move(bounds);
    return image_.rect();
  }
  QRegion changed;
  for (std::size_t i = 0; i < operations.size(); ++i) {
    if (operations[i] == picture_.operations()[i]) {
      bounds[i] = bounds_[i];
    } else {
      bounds[i] = PaintedBounds(operations[i]);
      changed += bounds_[i];
      changed += bounds[i];
    }
  }
  bounds_ = std::move(bounds);
  return changed & image_.rect();
}

void DialView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace sternwerk
