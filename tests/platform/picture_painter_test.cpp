#include "platform/picture_painter.h"

#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "platform/colors.h"

namespace sternwerk {
namespace {

const QColor kPaper = Qt::white;

QImage Render(const Picture& picture) {
  return RenderPicture(picture, kPaper);
}

// The smallest rectangle holding every pixel that is not paper.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != kPaper) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

int CountPixels(const QImage& image, QColor color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color;
  }
  return count;
}

TEST(PicturePainter, RectangleCoversItsBoxWithRightAndBottomExclusive) {
  Picture picture(12, 12);
  Canvas canvas(picture);
  canvas.brush.color = kRed;
  canvas.Rectangle(2, 3, 8, 7);
  const QImage image = Render(picture);

  EXPECT_EQ(InkBounds(image), QRect(QPoint(2, 3), QPoint(7, 6)));
  EXPECT_EQ(image.pixelColor(2, 3), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(7, 6), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(4, 5), QColor(Qt::red));
  EXPECT_EQ(CountPixels(image, Qt::red), 4 * 2);  // inside the one-pixel outline
}

TEST(PicturePainter, ClearBrushLeavesTheInsideUntouched) {
  Picture picture(12, 12);
  Canvas canvas(picture);
  canvas.brush = {kRed, false};
  canvas.Ellipse(1, 1, 11, 11);
  const QImage image = Render(picture);
  EXPECT_EQ(InkBounds(image), QRect(QPoint(1, 1), QPoint(10, 10)));
  EXPECT_EQ(image.pixelColor(6, 6), kPaper);
  EXPECT_EQ(CountPixels(image, Qt::red), 0);
}

TEST(PicturePainter, LinesAreAliasedAndLeaveOutTheirEndPoint) {
  Picture picture(12, 12);
  Canvas canvas(picture);
  canvas.pen.color = kNavy;
  canvas.MoveTo(1, 2);
  canvas.LineTo(7, 2);
  canvas.MoveTo(9, 1);
  canvas.LineTo(9, 9);
  const QImage image = Render(picture);
  const QColor navy(0, 0, 128);
  for (int x = 1; x < 7; ++x) EXPECT_EQ(image.pixelColor(x, 2), navy) << x;
  EXPECT_EQ(image.pixelColor(7, 2), kPaper);
  EXPECT_EQ(image.pixelColor(9, 8), navy);
  EXPECT_EQ(image.pixelColor(9, 9), kPaper);
  // Only the two colours: no blended edge pixels.
  EXPECT_EQ(CountPixels(image, navy) + CountPixels(image, kPaper), 12 * 12);
}

TEST(PicturePainter, DiagonalAndBackwardLinesAlsoStopBeforeTheirEnd) {
  Picture picture(12, 12);
  Canvas canvas(picture);
  canvas.MoveTo(1, 1);
  canvas.LineTo(6, 6);
  canvas.MoveTo(10, 9);
  canvas.LineTo(4, 9);
  const QImage image = Render(picture);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(image.pixelColor(i, i), QColor(Qt::black)) << i;
  EXPECT_EQ(image.pixelColor(6, 6), kPaper);
  for (int x = 5; x <= 10; ++x) EXPECT_EQ(image.pixelColor(x, 9), QColor(Qt::black)) << x;
  EXPECT_EQ(image.pixelColor(4, 9), kPaper);
  EXPECT_EQ(CountPixels(image, Qt::black), 5 + 6);
}

TEST(PicturePainter, TextStandsOnAnOpaqueBoxOfTheBrushColourBelowAndRightOfItsCorner) {
  Picture picture(120, 60);
  Canvas canvas(picture);
  canvas.font = {"Arial", 16, false, kBlack, 0};
  canvas.brush.color = kYellow;
  canvas.TextOut(10, 20, "Sonne");
  const QImage image = Render(picture);

  const QRect ink = InkBounds(image);
  EXPECT_EQ(ink.topLeft(), QPoint(10, 20));
  EXPECT_GT(ink.width(), ink.height());
  EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::yellow));
  EXPECT_GT(CountPixels(image, Qt::black), 10);

  Picture clear(120, 60);
  Canvas transparent(clear);
  transparent.font = canvas.font;
  transparent.brush = {kYellow, false};
  transparent.TextOut(10, 20, "Sonne");
  EXPECT_EQ(CountPixels(Render(clear), Qt::yellow), 0);
}

// The chart's header names "Ariel" and the frame "ms sans serif": without
// those faces they must take Arial's widths, or the header's place line
// would overwrite the end of the instant.
TEST(PicturePainter, MissingWindowsSansFacesAreDrawnInArialsWidths) {
  const auto inkWidth = [](const char* face) {
    Picture picture(400, 40);
    Canvas canvas(picture);
    canvas.font = {face, 9, false, kBlack, 0};
    canvas.brush.solid = false;
    canvas.TextOut(0, 0, "Datum / Zeit: Di, 08.12.2026 / 07:11:31 WZ/GMT");
    return InkBounds(Render(picture)).width();
  };
  const int arial = inkWidth("Arial");
  EXPECT_EQ(inkWidth("Ariel"), arial);
  EXPECT_EQ(inkWidth("ms sans serif"), arial);
  EXPECT_EQ(inkWidth("MS Sans Serif"), arial);
  EXPECT_LT(arial, 260);  // fits before "Ort:" at 270
  EXPECT_NE(inkWidth("courier new"), arial);
}

TEST(PicturePainter, EscapementTurnsTextCounterclockwiseAboutItsCorner) {
  Picture picture(100, 100);
  Canvas canvas(picture);
  canvas.font = {"Arial", 12, false, kBlack, 900};
  canvas.brush.solid = false;
  canvas.TextOut(40, 90, "Meridian");
  const QRect ink = InkBounds(Render(picture));

  // Turned a quarter left, the text runs upwards from its corner and its
  // top edge lies on the left.
  EXPECT_GT(ink.height(), 2 * ink.width());
  EXPECT_LE(ink.bottom(), 90);
  EXPECT_GE(ink.left(), 40);
  EXPECT_LE(ink.right(), 40 + FontPixelHeight(12) + 2);
}

TEST(PicturePainter, FontSizeDoesNotDependOnTheDevicesDotsPerInch) {
  Picture picture(120, 60);
  Canvas canvas(picture);
  canvas.font = {"Arial", 10, true, kBlack, 0};
  canvas.brush.solid = false;
  canvas.TextOut(5, 5, "Nordpol der Erde");

  QImage at96 = Render(picture);
  QImage at300(120, 60, QImage::Format_ARGB32_Premultiplied);
  at300.setDotsPerMeterX(11811);
  at300.setDotsPerMeterY(11811);
  at300.fill(kPaper);
  QPainter painter(&at300);
  PaintPicture(painter, picture);
  painter.end();
  EXPECT_EQ(InkBounds(at300), InkBounds(at96));
}

TEST(PicturePainter, ScaledReplayStretchesTheNominalAreaOntoTheTarget) {
  Picture picture(10, 10);
  Canvas canvas(picture);
  canvas.pen.color = kRed;
  canvas.brush.color = kRed;
  canvas.Rectangle(0, 0, 10, 10);
  canvas.Rectangle(0, 10, 10, 15);  // below the nominal area: not clipped

  QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
  image.fill(kPaper);
  QPainter painter(&image);
  PaintPictureScaled(painter, picture, QRectF(10, 10, 40, 20));
  painter.end();
  EXPECT_EQ(InkBounds(image), QRect(QPoint(10, 10), QPoint(49, 39)));
}

TEST(PicturePainter, NestedPicturesAndImagesAreDrawnInPlace) {
  auto inner = std::make_shared<Picture>(4, 4);
  Canvas innerCanvas(*inner);
  innerCanvas.pen.color = kGreen;
  innerCanvas.brush.color = kGreen;
  innerCanvas.Rectangle(0, 0, 4, 4);

  Picture picture(40, 40);
  Canvas canvas(picture);
  canvas.StretchDraw({0, 0, 8, 8}, inner);
  canvas.Draw(20, 20, Image{2, 2, {0xFFFF0000, 0xFFFF0000, 0x00000000, 0xFFFF0000}});
  const QImage image = Render(picture);

  EXPECT_EQ(CountPixels(image, QColor(0, 128, 0)), 64);
  EXPECT_EQ(CountPixels(image, Qt::red), 3);
  EXPECT_EQ(image.pixelColor(20, 21), kPaper);  // the transparent pixel
}

}  // namespace
}  // namespace sternwerk
