#include "clock/dial_view.h"

#include <QPainter>

namespace sternwerk {

void DialView::SetImage(QImage image) {
  image_ = std::move(image);
  update();
}

void DialView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace sternwerk
