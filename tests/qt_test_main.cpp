// The main() of every test program that needs a QApplication: it parses the
// GoogleTest flags first and creates no application for --gtest_list_tests,
// so test discovery works without a display.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
