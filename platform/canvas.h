// The drawing state of a recording canvas and its operations. Every
// operation is appended to the target picture with the state in force.
#pragma once

#include <memory>
#include <string_view>

#include "platform/picture.h"

namespace sternwerk {

class Canvas {
 public:
  // Records into `target`, which must outlive the canvas.
  explicit Canvas(Picture& target) : picture_(target) {}

  // State, changed by assignment and read by each following operation.
  Pen pen;
  Brush brush;
  Font font;

  Point PenPosition() const { return position_; }

  void MoveTo(int x, int y);
  // A line from the pen position to (x, y), which becomes the pen position.
  void LineTo(int x, int y);
  // MoveTo(from), then LineTo(to).
  void Line(Point from, Point to);
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  void TextOut(int x, int y, std::string_view windows1252Text);
  // An image at its own size with its top-left corner at (x, y).
  void Draw(int x, int y, const Image& image);
  // Another picture at its nominal size with its top-left corner at (x, y).
  void Draw(int x, int y, std::shared_ptr<const Picture> picture);
  void StretchDraw(const Rect& target, std::shared_ptr<const Picture> picture);

 private:
  Picture& picture_;
  Point position_;
};

}  // namespace sternwerk
