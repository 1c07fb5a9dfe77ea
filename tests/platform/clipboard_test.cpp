#include "platform/clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/picture_painter.h"
#include "sample_pictures.h"
#include "tests/support/wmf_reader.h"

namespace sternwerk {
namespace {

Picture SmallChart() {
  Picture picture(60, 40);
  Canvas canvas(picture);
  canvas.brush.color = kNavy;
  canvas.Rectangle(0, 0, 60, 40);
  canvas.font.color = kYellow;
  canvas.TextOut(5, 5, "MC");
  return picture;
}

const PictureMimeData* ClipboardPicture() {
  return dynamic_cast<const PictureMimeData*>(QGuiApplication::clipboard()->mimeData());
}

TEST(Clipboard, HoldsThePictureAndMakesItsDataOnlyWhenAsked) {
  CopyPictureToClipboard(SmallChart());
  const PictureMimeData* data = ClipboardPicture();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->conversions(), 0);
  EXPECT_TRUE(data->hasImage());

  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(data->conversions(), 1);
  EXPECT_EQ(image, RenderPicture(SmallChart()));

  QImage png;
  EXPECT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
  EXPECT_EQ(png.size(), QSize(60, 40));

  const QByteArray wmf = data->data("image/x-wmf");
  const Outcome<Picture> read = DecodeWmf(
      std::span(reinterpret_cast<const std::uint8_t*>(wmf.constData()), std::size_t(wmf.size())));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value(), AsWritten(SmallChart()));
}

// A copy replaces the picture even after a paste, and takes the clipboard
// back from content another copy put there.
TEST(Clipboard, EachCopyReplacesTheContent) {
  CopyPictureToClipboard(SmallChart());
  qvariant_cast<QImage>(ClipboardPicture()->imageData());
  CopyPictureToClipboard(Picture(7, 9));
  const PictureMimeData* data = ClipboardPicture();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->conversions(), 0);
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(7, 9));

  QGuiApplication::clipboard()->setText("Text");
  EXPECT_EQ(ClipboardPicture(), nullptr);
  CopyPictureToClipboard(SmallChart());
  ASSERT_NE(ClipboardPicture(), nullptr);
  EXPECT_EQ(ClipboardPicture()->picture(), SmallChart());
}

}  // namespace
}  // namespace sternwerk
