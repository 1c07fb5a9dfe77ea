// Prints from the windows to the default printer, as the print dialog does
// when the user accepts it unchanged, and asks for the printer advice. Run by
// real_printer_test.sh against a CUPS queue it sets up; the script reads the
// PDFs the queue writes.
#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <cstdlib>

#include "tests/windows/chart_windows.h"

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

class RealPrinter : public testing::ChartWindows {
 protected:
  RealPrinter() : ChartWindows("") {
    chart.printerChoice = std::make_unique<DefaultPrinter>();
    outside.printerChoice = std::make_unique<DefaultPrinter>();
    help.printerChoice = std::make_unique<DefaultPrinter>();
  }
};

TEST_F(RealPrinter, ChartPageOutsideViewAndHelpText) {
  ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull()) << "no default printer";
  chart.Button3->click();
  OpenOutsideView([&] { outside.Button3->click(); });
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
