// The clipboard as another X11 program sees it; runs only on the xcb
// platform (on a virtual X server), skipped elsewhere.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTimer>

#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/colors.h"
#include "tests/support/wmf_reader.h"

namespace sternwerk {
namespace {

// What xclip reads from the clipboard in `format`; the event loop runs
// meanwhile, so that this program can answer the request.
QByteArray PastedByXclip(const QString& format) {
  QProcess xclip;
  QEventLoop loop;
  QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  xclip.start("xclip", {"-selection", "clipboard", "-t", format, "-o"});
  loop.exec();
  return xclip.readAllStandardOutput();
}

// Runs the event loop until the clipboard belongs to another program, or 20 s.
bool LosesTheClipboard() {
  for (int i = 0; i < 200 && QGuiApplication::clipboard()->ownsClipboard(); ++i) {
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return !QGuiApplication::clipboard()->ownsClipboard();
}

QColor PastedColour() {
  QImage png;
  png.loadFromData(PastedByXclip("image/png"), "PNG");
  return png.isNull() ? QColor() : png.pixelColor(4, 4);  // inside the outline
}

Picture Filled(const Rgb& colour) {
  Picture picture(8, 8);
  Canvas canvas(picture);
  canvas.brush.color = colour;
  canvas.Rectangle(0, 0, 8, 8);
  return picture;
}

// A paste gets the latest copy, also once another program had copied
// something in between.
TEST(ClipboardX11, OtherProgramsPasteTheLatestCopy) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X11 display";
  CopyPictureToClipboard(Filled(kNavy));
  EXPECT_EQ(PastedColour(), QColor(0, 0, 128));
  CopyPictureToClipboard(Filled(kYellow));
  EXPECT_EQ(PastedColour(), QColor(255, 255, 0));

  QProcess xclip;  // stays in the background, owning the clipboard
  xclip.start("xclip", {"-selection", "clipboard", "-quiet", "-i"});
  xclip.write("Text");
  xclip.closeWriteChannel();
  ASSERT_TRUE(LosesTheClipboard());
  CopyPictureToClipboard(Filled(kNavy));
  EXPECT_TRUE(QGuiApplication::clipboard()->ownsClipboard());
  EXPECT_EQ(PastedColour(), QColor(0, 0, 128));
  xclip.waitForFinished(5000);
}

TEST(ClipboardX11, OtherProgramsPasteThePictureAsPngAndWmf) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X11 display";
  Picture picture(50, 30);
  Canvas canvas(picture);
  canvas.brush.color = kNavy;
  canvas.Rectangle(0, 0, 50, 30);
  CopyPictureToClipboard(picture);
  const auto* data = dynamic_cast<const PictureMimeData*>(QGuiApplication::clipboard()->mimeData());
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->conversions(), 0);

  QImage png;
  ASSERT_TRUE(png.loadFromData(PastedByXclip("image/png"), "PNG"));
  EXPECT_EQ(png.size(), QSize(50, 30));
  EXPECT_EQ(png.pixelColor(25, 15), QColor(0, 0, 128));

  const QByteArray wmf = PastedByXclip("image/x-wmf");
  const Outcome<Picture> read = DecodeWmf(
      std::span(reinterpret_cast<const std::uint8_t*>(wmf.constData()), std::size_t(wmf.size())));
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(read.value(), picture);
}

}  // namespace
}  // namespace sternwerk
