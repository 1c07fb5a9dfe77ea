#include "platform/ui_style.h"

#include <QPalette>
#include <QScreen>

#include "platform/drawn_face.h"

namespace sternwerk {

QFont PixelFont(const QString& face, int pixels, bool bold) {
  QFont font(DrawnFace(face));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont PointFont(const QString& face, int points, bool bold) {
  constexpr int kPixelsPerInch = 96, kPointsPerInch = 72;
  return PixelFont(face, (points * kPixelsPerInch + kPointsPerInch / 2) / kPointsPerInch, bold);
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  if (text.isValid()) {
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
}

void CentreOnScreen(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
}

}  // namespace sternwerk
