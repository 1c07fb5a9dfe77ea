// The clock window's "Vergrößern" button: the enlarged chart opens with the
// clock halted and every button disabled, shows the clock window's place
// and search result, and gives both button groups back when it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "clock/clock.h"
#include "engine/factors.h"
#include "tests/support/fake_system_clock.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/enlarged_chart_window.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::UtcTime;

class ClockChart : public testing::MainWindowFixture {
 protected:
  ClockChart() : MainWindowFixture(UtcTime(2026, 12, 7, 14, 5, 9)) {
    printPage = QSize(2600, 3600);
    fontInstalled = false;
    StartWindow([this](Clock& started) {
      chart =
          Own<EnlargedChartWindow>(started.sky(), started.display(), messages, directory.path());
      return SecondaryWindows{.enlargedChart = chart};
    });
    Button("haltButton")->click();  // halt
    messages.Clear();
  }

  // Clicks enlargeButton and, while the chart is open, runs the checks; then
  // closes it with ESC.
  void OpenChart(const std::function<void()>& whileOpen) {
    bool opened = false;
    QTimer::singleShot(0, chart, [&] {
      opened = true;
      ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
      whileOpen();
      QTest::keyClick(chart, Qt::Key_Escape);
      if (chart->isVisible()) {
        ADD_FAILURE() << "ESC left the chart open";
        chart->reject();
      }
    });
    Button("enlargeButton")->click();
    EXPECT_TRUE(opened) << "the chart did not open";
  }

  bool HasText(const std::string& text) const {
    for (const TextOp& op : chart->chart()->Texts()) {
      if (op.text == text) return true;
    }
    return false;
  }

  EnlargedChartWindow* chart = nullptr;
};

TEST_F(ClockChart, OpensWithEveryButtonDisabledAndGivesThemBack) {
  OpenChart([&] {
    for (const char* name : {"endButton", "dateTimePlaceButton", "intervalButton", "haltButton",
                             "sourceButton", "legendButton", "realTimeButton", "enlargeButton",
                             "riseButton", "setButton", "culminationButton", "fullMoonButton",
                             "newMoonButton", "solarEclipseButton", "lunarEclipseButton"}) {
      EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(std::filesystem::exists(directory.path() / "img.wmf"));
    EXPECT_TRUE(
        HasText("Ort: 010\xB0"
                "00' E, 50\xB0"
                "00' N"));
    EXPECT_TRUE(HasText("Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT"));
    EXPECT_EQ(chart->handOver.printPageWidth, 2600);
    chart->printerHelpButton->click();
  });
  for (const char* name : {"dateTimePlaceButton", "haltButton", "enlargeButton", "riseButton"}) {
    EXPECT_TRUE(Button(name)->isEnabled()) << name;
  }
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_FALSE(std::filesystem::exists(directory.path() / "img.wmf"));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains("auf 2600 Pixel"));
  EXPECT_TRUE(messages.shown()[0].text.contains("Papierbreite = 600 Pixel"));
}

TEST_F(ClockChart, TheLastSearchResultIsWrittenAboveTheChart) {
  OpenChart([&] {
    for (const TextOp& op : chart->chart()->Texts()) EXPECT_FALSE(op.text.starts_with("Ereignis"));
  });
  clock->ChooseSearchedFactor({kMoon});
  ASSERT_EQ(clock->Search(EventKind::kRise, {}).value(), SearchStatus::kFound);
  OpenChart([&] { EXPECT_TRUE(HasText("Ereignis:  MO-Aufgang ")); });
}

TEST_F(ClockChart, ANamedPlacesLocalTimeIsWrittenAboveTheChart) {
  clock->SetInstantAndPlace(sky(), {"Berlin", "", "", "Europe/Berlin"});
  OpenChart([&] { EXPECT_TRUE(HasText("Ortszeit Berlin: Mo, 07.12.2026 / 15:05:09 MEZ (UT+1)")); });
}

}  // namespace
}  // namespace sternwerk
