// Prints from the windows to the default printer, as the print dialog does
// when the user accepts it unchanged, and asks for the printer advice. Run by
// real_printer_test.sh against a CUPS queue it sets up; the script reads the
// PDFs the queue writes.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "platform/recording_messages.h"
#include "tests/clock/temporary_directory.h"
#include "tests/windows/chart_test_support.h"
#include "windows/chart_help_window.h"
#include "windows/enlarged_chart_window.h"
#include "windows/outside_view_window.h"

namespace sternwerk {
namespace {

// The print dialog accepted with the default printer it opens with.
class DefaultPrinter : public PrinterChoice {
 public:
  bool Choose(QPrinter& printer) override {
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    return true;
  }
};

class RealPrinter : public ::testing::Test {
 protected:
  RealPrinter() {
    chart.outsideView = &outside;
    chart.help = &help;
    chart.texts = {
        "013\xB0"
        "22' E, 52\xB0"
        "33' N",
        ""};
    chart.printPageWidth = 4800;
    chart.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
    chart.printerChoice = std::make_unique<DefaultPrinter>();
    outside.printerChoice = std::make_unique<DefaultPrinter>();
    help.printerChoice = std::make_unique<DefaultPrinter>();
  }

  testing::TemporaryDirectory directory;
  RecordingMessages messages;
  SkyState sky = testing::ChartSkyWith({{kAscendant, 200}, {kMC, 110}, {kSun, 15}}, true);
  TForm8 outside{sky, messages, directory.path()};
  TForm13 help{messages};
  TForm5 chart{sky, messages, directory.path()};
};

TEST_F(RealPrinter, ChartPageOutsideViewAndHelpText) {
  ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull()) << "no default printer";
  chart.Button3->click();
  QTimer::singleShot(0, &outside, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outside));
    outside.Button3->click();
    outside.reject();
  });
  chart.Button4->click();
  help.Button2->click();
  EXPECT_TRUE(messages.shown().empty());
}

// The script sets the queue's resolution and names the class it expects.
TEST_F(RealPrinter, AdviceClassifiesByTheQueuesResolution) {
  const char* expected = std::getenv("STERNWERK_EXPECTED_CLASS");
  ASSERT_NE(expected, nullptr);
  chart.Button5->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains(
      QStringLiteral("Papierbreite = %1 Pixel pro Inch.").arg(QString::fromLatin1(expected))))
      << messages.shown()[0].text.toStdString();
}

}  // namespace
}  // namespace sternwerk
