// A recorded vector picture: a nominal size in pixels and the ordered list of
// drawing operations, each with the complete drawing state it was made with.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/colors.h"
#include "platform/faces.h"

namespace sternwerk {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A box by its edges; right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Pen {
  Rgb color{0, 0, 0};
  int width = 1;  // pixels
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A clear brush fills nothing; its colour is kept so that it can be made
// solid again.
struct Brush {
  Rgb color{255, 255, 255};
  bool solid = true;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  std::string face = kSansSerifFace;  // passed to the font lookup as written
  int size = 8;                       // points
  bool bold = false;
  Rgb color{0, 0, 0};
  int escapement = 0;  // tenths of a degree, counterclockwise
  friend bool operator==(const Font&, const Font&) = default;
};

// A font made from another font's description with only the escapement new.
Font FontWithEscapement(const Font& description, int escapement);

// Character height in pixels of a font of the given size at 96 pixels per
// inch, rounded as the Windows font mapper does.
int FontPixelHeight(int points);

// An image of width x height pixels, row by row from the top, each pixel
// 0xAARRGGBB (alpha 0xFF opaque).
struct Image {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  friend bool operator==(const Image&, const Image&) = default;
};

class Picture;

struct LineOp {
  Point from, to;  // the end point itself is not drawn
  Pen pen;
  friend bool operator==(const LineOp&, const LineOp&) = default;
};

struct RectangleOp {
  Rect box;
  Pen pen;
  Brush brush;
  friend bool operator==(const RectangleOp&, const RectangleOp&) = default;
};

struct EllipseOp {
  Rect box;
  Pen pen;
  Brush brush;
  friend bool operator==(const EllipseOp&, const EllipseOp&) = default;
};

// A text placed by the top-left corner of its box; the box is filled with the
// brush colour when the brush is solid. The text is Windows-1252.
struct TextOp {
  Point at;
  std::string text;
  Font font;
  Brush brush;
  friend bool operator==(const TextOp&, const TextOp&) = default;
};

struct ImageOp {
  Rect target;
  Image image;
  friend bool operator==(const ImageOp&, const ImageOp&) = default;
};

// Another picture drawn with its nominal area stretched onto the target.
struct PictureOp {
  Rect target;
  std::shared_ptr<const Picture> picture;
  friend bool operator==(const PictureOp& a, const PictureOp& b);
};

using Operation = std::variant<LineOp, RectangleOp, EllipseOp, TextOp, ImageOp, PictureOp>;

class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<Operation>& operations() const { return operations_; }

  void Add(Operation operation) { operations_.push_back(std::move(operation)); }

  // The operations of one kind, in drawing order (nested pictures not opened).
  template <typename Op>
  std::vector<Op> All() const {
    std::vector<Op> found;
    for (const Operation& operation : operations_) {
      if (const Op* op = std::get_if<Op>(&operation)) found.push_back(*op);
    }
    return found;
  }
  std::vector<LineOp> Lines() const { return All<LineOp>(); }
  std::vector<EllipseOp> Ellipses() const { return All<EllipseOp>(); }
  std::vector<TextOp> Texts() const { return All<TextOp>(); }

  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  int width_;
  int height_;
  std::vector<Operation> operations_;
};

}  // namespace sternwerk
