#include "platform/canvas.h"

#include <gtest/gtest.h>

#include "platform/colors.h"

namespace sternwerk {
namespace {

TEST(Canvas, EachOperationKeepsTheStateInForceWhenItWasMade) {
  Picture picture(520, 520);
  Canvas canvas(picture);
  canvas.pen = {kNavy, 3};
  canvas.brush = {kWhite, false};
  canvas.MoveTo(10, 20);
  canvas.LineTo(30, 40);
  canvas.pen.color = kRed;
  canvas.LineTo(50, 60);
  canvas.Rectangle(0, 0, 529, 554);
  canvas.brush.solid = true;
  canvas.Ellipse(50, 50, 470, 470);

  const auto lines = picture.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (LineOp{{10, 20}, {30, 40}, {kNavy, 3}}));
  EXPECT_EQ(lines[1], (LineOp{{30, 40}, {50, 60}, {kRed, 3}}));
  EXPECT_EQ(canvas.PenPosition(), (Point{50, 60}));

  const auto boxes = picture.All<RectangleOp>();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].box, (Rect{0, 0, 529, 554}));
  EXPECT_FALSE(boxes[0].brush.solid);

  const auto ellipses = picture.Ellipses();
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(ellipses[0].box.width(), 420);
  EXPECT_TRUE(ellipses[0].brush.solid);
  EXPECT_EQ(ellipses[0].pen, (Pen{kRed, 3}));
  EXPECT_EQ(picture.operations().size(), 4u);
}

TEST(Canvas, TextKeepsFontBrushAndItsWindows1252Bytes) {
  Picture picture(740, 740);
  Canvas canvas(picture);
  canvas.font.face = "arial";
  canvas.font.size = 10;
  canvas.font.bold = true;
  canvas.font.color = kGreen;
  canvas.font = FontWithEscapement(canvas.font, 3700);
  canvas.TextOut(312, 75, "0\xB0 WI");

  const auto texts = picture.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "0\xB0 WI");
  EXPECT_EQ(texts[0].at, (Point{312, 75}));
  EXPECT_EQ(texts[0].font, (Font{"arial", 10, true, kGreen, 3700}));
  EXPECT_EQ(texts[0].brush, (Brush{kWhite, true}));
}

TEST(Canvas, DefaultStateIsBlackPenWhiteSolidBrushAndSmallFont) {
  Picture picture(10, 10);
  Canvas canvas(picture);
  EXPECT_EQ(canvas.pen, (Pen{kBlack, 1}));
  EXPECT_EQ(canvas.brush, (Brush{kWhite, true}));
  EXPECT_EQ(canvas.font.escapement, 0);
  EXPECT_EQ(canvas.PenPosition(), (Point{0, 0}));
}

TEST(Canvas, ImagesAndPicturesAreDrawnIntoTheirTargets) {
  auto inner = std::make_shared<Picture>(790, 235);
  Picture picture(790, 235);
  Canvas canvas(picture);
  const Image icon{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF00FFFF)};
  canvas.Draw(245, 244, icon);
  canvas.StretchDraw({0, 200, 790, 500}, inner);
  canvas.Draw(5, 6, inner);

  const auto images = picture.All<ImageOp>();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].target, (Rect{245, 244, 277, 276}));
  const auto pictures = picture.All<PictureOp>();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].target, (Rect{0, 200, 790, 500}));
  EXPECT_EQ(pictures[1].target, (Rect{5, 6, 795, 241}));
  EXPECT_EQ(pictures[1].picture, inner);
}

TEST(FontPixelHeight, PointsAt96DotsPerInchRoundedToWholePixels) {
  EXPECT_EQ(FontPixelHeight(7), 9);
  EXPECT_EQ(FontPixelHeight(8), 11);
  EXPECT_EQ(FontPixelHeight(9), 12);
  EXPECT_EQ(FontPixelHeight(10), 13);
  EXPECT_EQ(FontPixelHeight(12), 16);
  EXPECT_EQ(FontPixelHeight(14), 19);
  EXPECT_EQ(FontPixelHeight(16), 21);
}

}  // namespace
}  // namespace sternwerk
