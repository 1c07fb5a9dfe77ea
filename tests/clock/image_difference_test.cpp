#include "clock/image_difference.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

QImage Navy(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(0, 0, 128));
  return image;
}

TEST(DifferingRect, BoundsExactlyThePixelsThatChanged) {
  const QImage before = Navy(40, 30);
  QImage after = before;
  EXPECT_TRUE(DifferingRect(before, after).isEmpty());

  after.setPixelColor(0, 29, Qt::yellow);
  EXPECT_EQ(DifferingRect(before, after), QRect(0, 29, 1, 1));
  after.setPixelColor(39, 3, Qt::white);
  after.setPixelColor(17, 12, Qt::white);
  EXPECT_EQ(DifferingRect(before, after), QRect(QPoint(0, 3), QPoint(39, 29)));
  EXPECT_EQ(DifferingRect(after, before), QRect(QPoint(0, 3), QPoint(39, 29)));
}

TEST(DifferingRect, AnotherSizeOrFormatIsAllNew) {
  EXPECT_EQ(DifferingRect(QImage(), Navy(40, 30)), QRect(0, 0, 40, 30));
  EXPECT_EQ(DifferingRect(Navy(40, 30), Navy(20, 50)), QRect(0, 0, 40, 50));
  const QImage rgb = Navy(40, 30).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(DifferingRect(Navy(40, 30), rgb), QRect(0, 0, 40, 30));
}

}  // namespace
}  // namespace sternwerk
