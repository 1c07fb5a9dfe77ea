#include "platform/operation_bounds.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/faces.h"
#include "platform/picture_painter.h"

namespace sternwerk {
namespace {

constexpr int kSide = 400;
constexpr Point kMiddle{kSide / 2, kSide / 2};

// Every pixel the operation paints, drawn alone, lies within its bounds,
// those without a font engine and those measured in the painter's fonts.
void ExpectPaintedWithinBounds(const Operation& operation) {
  Picture picture(kSide, kSide);
  picture.Add(operation);
  const QImage image = RenderPicture(picture, Qt::white);
  const QRect bounds = OperationBounds(operation) & PaintedBounds(operation);
  int painted = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (image.pixel(x, y) == qRgb(255, 255, 255)) continue;
      ++painted;
      ASSERT_TRUE(bounds.contains(x, y))
          << x << "," << y << " outside " << bounds.x() << "," << bounds.y() << " "
          << bounds.width() << "x" << bounds.height();
    }
  }
  EXPECT_GT(painted, 0);
}

TEST(OperationBounds, HoldEveryPaintedPixelOfShapes) {
  const Pen thick{{0, 0, 0}, 5};
  ExpectPaintedWithinBounds(LineOp{{300, 90}, {120, 310}, thick});
  ExpectPaintedWithinBounds(RectangleOp{{150, 160, 90, 100}, thick, {{0, 0, 128}, true}});
  ExpectPaintedWithinBounds(EllipseOp{{100, 120, 260, 200}, thick, {{255, 255, 0}, true}});
  ExpectPaintedWithinBounds(ImageOp{{180, 180, 212, 212}, Image{1, 1, {0xFF000080}}});
}

TEST(OperationBounds, HoldEveryPaintedPixelOfTextsAtAnyAngle) {
  for (const char* face : {"Arial", "Courier New", kSymbolFace}) {
    for (int escapement = 0; escapement < 3600; escapement += 150) {
      const Font font{face, 14, true, {0, 0, 0}, escapement};
      ExpectPaintedWithinBounds(TextOp{kMiddle, "WM@%", font, {{0, 128, 0}, true}});
      ExpectPaintedWithinBounds(TextOp{kMiddle, "\xB0jgy", font, {{0, 0, 0}, false}});
    }
  }
}

}  // namespace
}  // namespace sternwerk
