#include "platform/canvas.h"

#include <string>
#include <utility>

namespace sternwerk {

void Canvas::MoveTo(int x, int y) {
  position_ = {x, y};
}

void Canvas::LineTo(int x, int y) {
  const Point to{x, y};
  picture_.Add(LineOp{position_, to, pen});
  position_ = to;
}

void Canvas::Line(Point from, Point to) {
  MoveTo(from.x, from.y);
  LineTo(to.x, to.y);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  picture_.Add(RectangleOp{{left, top, right, bottom}, pen, brush});
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  picture_.Add(EllipseOp{{left, top, right, bottom}, pen, brush});
}

void Canvas::TextOut(int x, int y, std::string_view windows1252Text) {
  picture_.Add(TextOp{{x, y}, std::string(windows1252Text), font, brush});
}

void Canvas::Draw(int x, int y, const Image& image) {
  picture_.Add(ImageOp{{x, y, x + image.width, y + image.height}, image});
}

void Canvas::Draw(int x, int y, std::shared_ptr<const Picture> picture) {
  const Rect target{x, y, x + picture->width(), y + picture->height()};
  StretchDraw(target, std::move(picture));
}

void Canvas::StretchDraw(const Rect& target, std::shared_ptr<const Picture> picture) {
  picture_.Add(PictureOp{target, std::move(picture)});
}

}  // namespace sternwerk
