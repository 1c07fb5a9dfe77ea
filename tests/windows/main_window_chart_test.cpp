// The clock window's "Vergrößern" button: the enlarged chart opens with the
// clock halted and every button disabled, shows the clock window's place
// and search result, and gives both button groups back when it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "platform/recording_messages.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/temporary_directory.h"
#include "windows/enlarged_chart_window.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

using testing::FakeSystemClock;
using testing::TemporaryDirectory;
using testing::UtcTime;

class ClockChart : public ::testing::Test {
 protected:
  ClockChart() {
    form->windows.enlargedChart = &chart;
    form->StartUp();
    form->haltButton->click();  // halt
    messages.Clear();
  }

  // Clicks enlargeButton and, while the chart is open, runs the checks; then
  // closes it with ESC.
  void OpenChart(const std::function<void()>& whileOpen) {
    bool opened = false;
    QTimer::singleShot(0, &chart, [&] {
      opened = true;
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
      whileOpen();
      QTest::keyClick(&chart, Qt::Key_Escape);
      if (chart.isVisible()) {
        ADD_FAILURE() << "ESC left the chart open";
        chart.reject();
      }
    });
    form->enlargeButton->click();
    EXPECT_TRUE(opened) << "the chart did not open";
  }

  bool HasText(const std::string& text) const {
    for (const TextOp& op : chart.chart()->Texts()) {
      if (op.text == text) return true;
    }
    return false;
  }

  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock clock{UtcTime(2026, 12, 7, 14, 5, 9)};
  SkyState sky;
  std::unique_ptr<MainWindow> form = std::make_unique<MainWindow>(
      sky, MainWindowServices{messages, clock, directory.path(), "TestOS", QSize(2600, 3600),
                              [] { return false; }, [] {}});
  EnlargedChartWindow chart{sky, form->display, messages, directory.path()};
};

TEST_F(ClockChart, OpensWithEveryButtonDisabledAndGivesThemBack) {
  OpenChart([&] {
    for (QPushButton* b :
         {form->endButton, form->dateTimePlaceButton, form->intervalButton, form->haltButton,
          form->sourceButton, form->legendButton, form->realTimeButton, form->enlargeButton,
          form->riseButton, form->setButton, form->culminationButton, form->fullMoonButton,
          form->newMoonButton}) {
      EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_TRUE(std::filesystem::exists(directory.path() / "img.wmf"));
    EXPECT_TRUE(
        HasText("Ort: 010\xB0"
                "00' E, 50\xB0"
                "00' N"));
    EXPECT_TRUE(HasText("Datum / Zeit: Mo, 07.12.2026 / 14:05:09 WZ/GMT"));
    EXPECT_EQ(chart.handOver.printPageWidth, 2600);
    chart.printerHelpButton->click();
  });
  for (QPushButton* b :
       {form->dateTimePlaceButton, form->haltButton, form->enlargeButton, form->riseButton}) {
    EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
  }
  EXPECT_FALSE(form->tickTimer->isActive());
  EXPECT_FALSE(std::filesystem::exists(directory.path() / "img.wmf"));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains("auf 2600 Pixel"));
  EXPECT_TRUE(messages.shown()[0].text.contains("Papierbreite = 600 Pixel"));
}

TEST_F(ClockChart, TheLastSearchResultIsWrittenAboveTheChart) {
  OpenChart([&] {
    for (const TextOp& op : chart.chart()->Texts()) EXPECT_FALSE(op.text.starts_with("Ereignis"));
  });
  form->search.resultText = "MO-Aufgang";
  OpenChart([&] { EXPECT_TRUE(HasText("Ereignis: MO-Aufgang")); });
}

}  // namespace
}  // namespace sternwerk
