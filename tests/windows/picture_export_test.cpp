// "Exportieren …" of the enlarged chart and the outside view: every format
// written where the (replaced) file dialog says, read back by its magic
// bytes; the PNG and the PDF's text the same as sternwerk-sky writes for the
// same instant and place; a cancel writes nothing; a failure is told with
// the full path.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <iterator>
#include <string>

#include "engine/display_options.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "places/qt/place_time_text.h"
#include "platform/program_files.h"
#include "platform/symbol_font.h"
#include "tests/support/recording_messages.h"
#include "tests/support/shown_sky.h"
#include "tests/support/sky_at.h"
#include "tests/support/temporary_directory.h"
#include "tests/windows/pdf_text.h"
#include "windows/enlarged_chart_window.h"
#include "windows/outside_view_window.h"

namespace sternwerk {
namespace {

namespace fs = std::filesystem;

// The instant and place both the windows and sternwerk-sky are given.
const QStringList kInstantAndPlace = {"07.12.2026", "21:30", "13.4", "52.5", "--all"};

QByteArray Content(const fs::path& file) {
  QFile read(QString::fromStdString(file.string()));
  return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

class PictureExport : public ::testing::Test {
 protected:
  PictureExport() {
    static_cast<SkyState&>(sky) = testing::ComputedSkyAt(7, 12, 2026, 21.5, 13.4, 52.5);
    sky.options = {.transplutonian = true, .symbolFontPresent = SymbolFontInstalled()};
    const ChartTexts texts{FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth), "",
                           ""};
    chart.handOver.texts = texts;
    outside.handOver.texts = texts;
  }

  fs::path File(const std::string& name) const { return directory.path() / name; }

  // Clicks the window's export button with the file dialog answering `path`
  // and keeping the path it was to suggest.
  void ExportWith(SkyPictureWindow& window, QPushButton* button, const fs::path& path) {
    window.exportChooser = [this, path](const QString& suggestion) {
      suggested = suggestion;
      return QString::fromStdString(path.string());
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button->click();
  }

  // Exports `stem` in every format and checks each file's first bytes.
  void ExportEveryFormat(SkyPictureWindow& window, QPushButton* button, const std::string& stem) {
    const std::pair<std::string, QByteArray> magics[] = {
        {".png", "\x89PNG"}, {".svg", "<?xml"}, {".pdf", "%PDF"}, {".wmf", "\xD7\xCD\xC6\x9A"}};
    for (const auto& [extension, magic] : magics) {
      ExportWith(window, button, File(stem + extension));
      EXPECT_TRUE(Content(File(stem + extension)).startsWith(magic)) << stem + extension;
    }
  }

  // What sternwerk-sky writes for `command` into `file`, with `options`.
  fs::path ToolFile(const QString& command, const std::string& file,
                    const QStringList& options = {}) const {
    const fs::path path = File(file);
    ToolOutput(QStringList{command, QString::fromStdString(path.string())} + options);
    return path;
  }

  // What sternwerk-sky writes to its standard output for the instant and
  // place and `arguments` before them.
  static QString ToolOutput(const QStringList& arguments) {
    QProcess tool;
    tool.start(STERNWERK_SKY_PROGRAM, arguments + kInstantAndPlace);
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput());
  }

  const ApplicationFont symbolFont{SymbolFontPath()};
  testing::TemporaryDirectory directory;
  RecordingMessages messages;
  QString suggested;
  testing::ShownSky sky;
  OutsideViewWindow outside{sky, sky.options, messages, directory.path()};
  EnlargedChartWindow chart{sky, sky.options, messages, directory.path()};
};

TEST_F(PictureExport, ChartInEveryFormatThePngAndThePdfAsTheToolWritesThem) {
  ASSERT_TRUE(symbolFont.status().ok()) << symbolFont.status().error();
  ExportEveryFormat(chart, chart.exportButton, "chart");
  EXPECT_TRUE(Content(File("chart.svg")).contains("<svg"));
  EXPECT_EQ(Content(File("chart.png")), Content(ToolFile("--chart", "tool.png")));
  const QString page = testing::PdfText(File("chart.pdf"));
  EXPECT_TRUE(page.contains("MC")) << page.toStdString();
  EXPECT_EQ(page, testing::PdfText(ToolFile("--chart", "tool.pdf")));
}

// With houses and aspects chosen, the window's files are what --houses P
// --aspects writes, the PDF with the tool's own house and aspect lines; the
// aspect list beside the chart is the tool's too.
TEST_F(PictureExport, HousesAndAspectsAsTheToolDrawsAndListsThem) {
  ASSERT_TRUE(symbolFont.status().ok()) << symbolFont.status().error();
  const QStringList layer = {"--houses", "P", "--aspects"};
  // The instant as the tool reads a typed time, for cusps equal to the second.
  static_cast<SkyState&>(sky) =
      testing::ComputedSkyAt(7, 12, 2026, 21.5 + kEnteredOffset, 13.4, 52.5);
  chart.handOver.astrology.shown = true;
  for (const std::string extension : {".png", ".pdf"})
    ExportWith(chart, chart.exportButton, File("layer" + extension));
  EXPECT_EQ(Content(File("layer.png")), Content(ToolFile("--chart", "tool.png", layer)));

  const QString page = testing::PdfText(File("layer.pdf"));
  EXPECT_EQ(page, testing::PdfText(ToolFile("--chart", "tool.pdf", layer)));
  const QStringList listed = ToolOutput(layer).split('\n', Qt::SkipEmptyParts);
  const QStringList houses = listed.filter(QRegularExpression("^ ?H\\d+ "));
  const QStringList aspects = listed.filter(QRegularExpression("^[A-Z]{2} [A-Z]{2} "));
  ASSERT_EQ(houses.size(), 12);
  ASSERT_GT(aspects.size(), 20);
  for (const QString& line : houses + aspects)
    EXPECT_TRUE(page.simplified().contains(line.simplified())) << line.toStdString();
  EXPECT_EQ(chart.aspectList->toPlainText().split('\n'), aspects);
}

TEST_F(PictureExport, OutsideViewInEveryFormatThePngAsTheToolWritesIt) {
  ASSERT_TRUE(symbolFont.status().ok()) << symbolFont.status().error();
  ExportEveryFormat(outside, outside.exportButton, "view");
  EXPECT_EQ(Content(File("view.png")), Content(ToolFile("--outside", "tool.png")));
  EXPECT_TRUE(testing::PdfText(File("view.pdf")).contains("Abstand zu MC"));
}

TEST_F(PictureExport, CancelWritesNothingAndAFailureNamesTheWholePath) {
  const auto files = [this] {
    return std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator());
  };
  ExportWith(chart, chart.exportButton, {});
  const auto shownFiles = files();
  chart.exportButton->click();
  EXPECT_EQ(files(), shownFiles);
  EXPECT_TRUE(messages.shown().empty());

  const fs::path missing = File("no such folder") / "chart.png";
  ExportWith(chart, chart.exportButton, missing);
  ExportWith(outside, outside.exportButton, File("view.jpg"));
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_TRUE(messages.shown()[0].text.contains(QString::fromStdString(missing.string())))
      << messages.shown()[0].text.toStdString();
  EXPECT_TRUE(messages.shown()[1].text.contains(".pdf")) << messages.shown()[1].text.toStdString();
}

// The suggested name: a named place with the local date and time the
// chart's header gives it, else the coordinates and UT.
TEST(PictureFileStem, NamesThePlaceAndTheInstant) {
  const auto stem = [](const PlaceIdentity& place, int day, int month, int year, double hours,
                       double longitude, double latitude) {
    SkyState sky = testing::SkyAt(day, month, year, hours, longitude, latitude);
    sky.isWest = longitude < 0;
    sky.isSouth = latitude < 0;
    return PictureFileStem(place, sky);
  };
  // Before standard time, Ulm's own mean time: 39 min 58 s east of UT.
  EXPECT_EQ(stem({"Ulm", "", "", "Europe/Berlin"}, 14, 3, 1879, 10 + 50.5 / 60, 9.99155, 48.4),
            "Ulm 1879-03-14 1130");
  EXPECT_EQ(stem({"Berlin", "", "", "Europe/Berlin"}, 7, 12, 2026, 23.5, 13.4, 52.5),
            "Berlin 2026-12-08 0030");
  EXPECT_EQ(stem({"A/B: C?", "", "", "Europe/Berlin"}, 7, 12, 2026, 12, 13.4, 52.5),
            "A_B_ C_ 2026-12-07 1300");
  EXPECT_EQ(stem({"", "", "", "Europe/Berlin"}, 7, 12, 2026, 21.5, 13.4, 52.5),
            "013\u00B024'E 52\u00B030'N 2026-12-07 2130 UT");
  EXPECT_EQ(stem({}, 7, 12, 2026, 21.5, -151.2, -33.87),
            "151\u00B012'W 33\u00B052'S 2026-12-07 2130 UT");
}

TEST_F(PictureExport, SuggestsThePlaceAndTheInstantAndConfirmsTheWrittenPath) {
  chart.handOver.place = {"Berlin", "", "", "Europe/Berlin"};
  const fs::path chartFile = File("Berlin 2026-12-07 2230.png");
  ExportWith(chart, chart.exportButton, chartFile);
  EXPECT_EQ(suggested, QString::fromStdString(chartFile.string()));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text.toStdString(),
            "Gespeichert als  " + chartFile.filename().string() + "  im Ordner  " +
                directory.path().string() + ".");
  outside.handOver = chart.handOver;
  ExportWith(outside, outside.exportButton, {});
  EXPECT_EQ(suggested,
            QString::fromStdString(File("Berlin 2026-12-07 2230 draussen.png").string()));
}

// The buttons find a free place in their row, inside the window.
TEST_F(PictureExport, ButtonsStandFreeInTheirRows) {
  for (QWidget* window : {static_cast<QWidget*>(&chart), static_cast<QWidget*>(&outside)}) {
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    QPushButton* exportButton = window == &chart ? chart.exportButton : outside.exportButton;
    EXPECT_EQ(exportButton->text(), QStringLiteral("&Exportieren …"));
    EXPECT_TRUE(window->rect().contains(exportButton->geometry()));
    EXPECT_GE(exportButton->width(), exportButton->sizeHint().width());
    for (const QPushButton* other : buttons) {
      if (other == exportButton) continue;
      EXPECT_FALSE(other->geometry().intersects(exportButton->geometry()));
    }
  }
}

}  // namespace
}  // namespace sternwerk
