#include "windows/picture_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

namespace sternwerk {
namespace {

TEST(PictureWindow, BorderlessWithItsPictureAndWeiterClosingIt) {
  PictureWindow window;
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.size(), QSize(765, 569));
  EXPECT_EQ(window.continueButton->text(), "weiter");
  EXPECT_EQ(window.continueButton->geometry(), QRect(712, 547, 49, 20));
  QImage picture(765, 569, QImage::Format_RGB32);
  picture.fill(Qt::darkBlue);
  window.SetPicture(picture);
  EXPECT_EQ(window.pictureLabel->pixmap().size(), QSize(765, 569));

  QTimer::singleShot(0, [&] { window.continueButton->click(); });
  window.exec();  // returns only when "weiter" closes the window
  EXPECT_FALSE(window.isVisible());
}

TEST(PictureWindow, EscapeClosesIt) {
  PictureWindow window;
  QTimer::singleShot(0, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
  window.exec();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace sternwerk
