// The enlarged chart window with its outside view, 90-degree dial and help,
// wired as the program wires them, over a sky of all 22 factors; the chart is shown.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "tests/support/chart_test_support.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "windows/chart_help_window.h"
#include "windows/enlarged_chart_window.h"
#include "windows/ninety_degree_dial_window.h"
#include "windows/outside_view_window.h"

namespace sternwerk::testing {

class ChartWindows : public ::testing::Test {
 protected:
  explicit ChartWindows(std::string searchResult) {
    chart.outsideView = &outside;
    chart.ninetyDegreeDial = &dial;
    chart.help = &help;
    chart.handOver.texts = {
        "013\xB0"
        "22' E, 52\xB0"
        "33' N",
        std::move(searchResult), ""};
    chart.handOver.printPageWidth = 4800;
    chart.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
  }

  // Clicks "Draußen-&Ansicht" and, while the view is open, runs the checks;
  // then closes it with the key given.
  void OpenOutsideView(const std::function<void()>& whileOpen, Qt::Key closeKey = Qt::Key_Escape) {
    OpenFromChart(outside, chart.outsideViewButton, whileOpen, closeKey);
  }

  // Clicks the chart's `button` and, while `window` is open, runs the
  // checks; then closes it with the key given.
  void OpenFromChart(QDialog& window, QPushButton* button, const std::function<void()>& whileOpen,
                     Qt::Key closeKey = Qt::Key_Escape) {
    bool opened = false;
    QTimer::singleShot(0, &window, [&] {
      opened = true;
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      QCoreApplication::processEvents();
      whileOpen();
      QTest::keyClick(&window, closeKey);
      if (window.isVisible()) {
        ADD_FAILURE() << "the key left the window open";
        window.reject();
      }
    });
    button->click();
    EXPECT_TRUE(opened) << "the window did not open";
  }

  TemporaryDirectory directory;
  RecordingMessages messages;
  ShownSky sky = ChartSkyWith({{kAscendant, 200}, {kMC, 110}, {kSun, 15}}, true);
  OutsideViewWindow outside{sky, sky.options, messages, directory.path()};
  NinetyDegreeDialWindow dial{sky, sky.options};
  ChartHelpWindow help{messages};
  EnlargedChartWindow chart{sky, sky.options, messages, directory.path()};
};

}  // namespace sternwerk::testing
