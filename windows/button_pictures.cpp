#include "windows/button_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace sternwerk {
namespace {

constexpr int kSize = 24;

QIcon Disc(const QColor& fill, const QColor& rim) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(rim, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(QRectF(2, 2, kSize - 4, kSize - 4));
  return QIcon(pixmap);
}

}  // namespace

QIcon FullMoonPicture() {
  return Disc(QColor(255, 250, 200), QColor(200, 180, 80));
}

QIcon NewMoonPicture() {
  return Disc(QColor(30, 30, 40), QColor(160, 160, 170));
}

QIcon RealTimePicture() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(3, 3, kSize - 6, kSize - 6));
  const QPointF centre(kSize / 2.0, kSize / 2.0);
  painter.drawLine(centre, centre + QPointF(0, -6));
  painter.drawLine(centre, centre + QPointF(5, 0));
  return QIcon(pixmap);
}

}  // namespace sternwerk
