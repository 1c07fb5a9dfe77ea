#include "clock/dial_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "clock/image_difference.h"
#include "dial/dial_drawing.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"

namespace sternwerk {

void DialView::SetPicture(const Picture& picture) {
  if (!image_.isNull() && picture == picture_) return;
  QImage image(kDialBackgroundWidth, kDialBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(kNavyColour);
  QPainter painter(&image);
  PaintPicture(painter, picture);
  painter.end();

  const QRect changed = DifferingRect(image_, image);
  picture_ = picture;
  image_ = std::move(image);
  if (!changed.isEmpty()) update(changed);
}

void DialView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace sternwerk
