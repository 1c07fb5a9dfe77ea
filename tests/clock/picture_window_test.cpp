#include "clock/picture_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

namespace sternwerk {
namespace {

TEST(PictureWindow, BorderlessWithItsPictureAndWeiterClosingIt) {
  TForm7 window;
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.size(), QSize(765, 569));
  EXPECT_EQ(window.Button1->text(), "weiter");
  EXPECT_EQ(window.Button1->geometry(), QRect(712, 547, 49, 20));
  QImage picture(765, 569, QImage::Format_RGB32);
  picture.fill(Qt::darkBlue);
  window.SetPicture(picture);
  EXPECT_EQ(window.Image1->pixmap().size(), QSize(765, 569));

  QTimer::singleShot(0, [&] { window.Button1->click(); });
  window.exec();  // returns only when "weiter" closes the window
  EXPECT_FALSE(window.isVisible());
}

TEST(PictureWindow, EscapeClosesIt) {
  TForm7 window;
  QTimer::singleShot(0, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
  window.exec();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace sternwerk
