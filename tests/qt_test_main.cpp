// The main() of every test program that needs a QApplication: it parses the
// GoogleTest flags first and creates no application for --gtest_list_tests,
// so test discovery works without a display. The user settings (QSettings)
// go to a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  QApplication application(argc, argv);
  // The user's settings of the tests live and die with the test program.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  return RUN_ALL_TESTS();
}
