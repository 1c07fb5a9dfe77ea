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

QColor ToQColor(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}

void SetColours(QWidget* widget, Rgb background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(background));
  palette.setColor(QPalette::Base, ToQColor(background));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetColours(QWidget* widget, Rgb background, Rgb text) {
  SetColours(widget, background);
  SetTextColour(widget, text);
}

void SetTextColour(QWidget* widget, Rgb text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(text));
  palette.setColor(QPalette::Text, ToQColor(text));
  widget->setPalette(palette);
}

void CentreOnScreen(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  window.move(screen.center() - window.rect().center());
}

}  // namespace sternwerk
