// The clock window driven as a user drives it: clicks, the slider, ticks;
// only the message boxes, the system clock and the picture window are
// replaced.
#include "windows/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include "charts/dial_drawing.h"
#include "charts/position_list_text.h"
#include "clock/clock.h"
#include "clock/clock_step.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/position_list.h"
#include "engine/state_texts.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/picture_painter.h"
#include "platform/program_files.h"
#include "platform/program_language.h"
#include "platform/qt_text.h"
#include "platform/settings_file.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"
#include "tests/support/fake_system_clock.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/astrology_setting.h"
#include "windows/computation_setting.h"
#include "windows/dial_view.h"
#include "windows/orbs_dialog.h"
#include "windows/sky_here_window.h"

namespace sternwerk {
namespace {

using testing::FireTimer;
using testing::UtcTime;

class ClockWindow : public testing::MainWindowFixture {
 protected:
  MainWindow& Start(bool allFactors = false) {
    messages.SetDefaultAnswer(allFactors);
    return StartWindow();
  }

  QPlainTextEdit* TextBox(const char* name) const { return Get<QPlainTextEdit>(name); }
  QTextEdit* Memo(const char* name) const { return Get<QTextEdit>(name); }
  QScrollBar* Slider() const { return Get<QScrollBar>("rateSlider"); }

  void WriteStateFile(const std::string& contents) {
    std::ofstream(directory.path() / "ALT.DAT", std::ios::binary) << contents;
  }

  // A tick of the real-time clock before the next second: the same instant
  // redrawn.
  void Redraw() { FireTimer(Timer()); }
};

TEST_F(ClockWindow, FirstStartWithoutStateFile) {
  MainWindow& f = Start();
  EXPECT_EQ(pictureWindowShown, 1);
  EXPECT_EQ(f.windowTitle(), "  TestOS             Die Sternwerk, Version 2.3");
  EXPECT_EQ(Label("placeLabel")->text(), "010°00' E, 50°00' N");
  EXPECT_EQ(sky().longitude, 10.0);
  EXPECT_EQ(Label("dateLabel")->text(), "Di, 08.12.2026");
  EXPECT_EQ(Label("timeLabel")->text(), "09:30:15 WZ/GMT");
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 950);
  EXPECT_EQ(Label("statusLabel")->text(), " Diagramm dreht ");
  EXPECT_EQ(Label("intervalLabel")->text(), "Sek/Takt:1");
  EXPECT_EQ(Label("speedLabel")->text(), "Takte/Sek:1");
  EXPECT_EQ(Label("rateLabel")->text(), "1");
  EXPECT_TRUE(Button("haltButton")->isEnabled());
  EXPECT_FALSE(Button("lastInstantButton")->isEnabled())
      << "Alt-Datum/Zeit needs a state file read at start";
  EXPECT_FALSE(Button("enlargeButton")->isEnabled()) << "the halted-state group waits for a halt";
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kConfirmation);
  EXPECT_TRUE(messages.shown()[0].text.startsWith(
      "Soll das Sternwerk transplutonisch arbeiten?      \r\n"));
}

// "Nicht mehr fragen" keeps the answer for the next starts; unticked, every
// start asks again.
TEST_F(ClockWindow, TheStartQuestionIsAskedOnceWhenTheUserSaysSo) {
  struct AskAgainAfterwards {
    ~AskAgainAfterwards() { SaveFactorSetAnswer(std::nullopt); }
  } restore;
  const auto questions = [this] {
    return std::count_if(messages.shown().begin(), messages.shown().end(),
                         [](const auto& m) { return m.kind == MessageKind::kConfirmation; });
  };
  Start(true);
  Start(true);
  EXPECT_EQ(questions(), 2) << "unticked, each start asks";
  EXPECT_FALSE(LoadFactorSetAnswer());

  messages.TickChoices(true);
  Start(true);
  EXPECT_EQ(questions(), 3);
  EXPECT_EQ(LoadFactorSetAnswer(), std::optional<bool>(true));
  messages.Clear();
  Start(false);  // would answer No, but is not asked
  EXPECT_EQ(questions(), 0);
  EXPECT_TRUE(clock->display().transplutonian);
  EXPECT_TRUE(Get<QCheckBox>("factorSetBox")->isChecked());

  // The panel's box changes the set, and the kept answer with it.
  Get<QCheckBox>("factorSetBox")->click();
  EXPECT_FALSE(clock->display().transplutonian);
  EXPECT_EQ(LoadFactorSetAnswer(), std::optional<bool>(false));
}

// The panel's box redraws the list and the legend as the answer would have.
TEST_F(ClockWindow, TheFactorSetBoxRedrawsListAndLegend) {
  Start(false);
  const qsizetype twelve = TextBox("positionList")->toPlainText().split('\n').size();
  Button("legendButton")->click();
  Button("sourceButton")->click();
  Get<QCheckBox>("factorSetBox")->click();
  EXPECT_GT(TextBox("positionList")->toPlainText().split('\n').size(), twelve);
  EXPECT_FALSE(Memo("allFactorNames")->isHidden());
  EXPECT_TRUE(Memo("twelveFactorNames")->isHidden());
  Get<QCheckBox>("factorSetBox")->click();
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').size(), twelve);
  EXPECT_TRUE(Memo("allFactorNames")->isHidden());
  EXPECT_FALSE(Memo("twelveFactorNames")->isHidden());
  EXPECT_FALSE(LoadFactorSetAnswer()) << "nothing kept unless the user asked for it";
}

TEST_F(ClockWindow, TheQuestionChoosesTheFactorSetOfTheList) {
  Start(false);
  EXPECT_FALSE(clock->display().transplutonian);
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').size(), 13);
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').first(),
            " Die Planeten-Positionen:");

  Start(true);
  EXPECT_TRUE(clock->display().transplutonian);
  const QStringList lines = TextBox("positionList")->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 23);
  EXPECT_TRUE(lines[2].startsWith(" WI 000°00'00\"=00°00'WID"));
  EXPECT_TRUE(lines[6].startsWith(" KN "));
}

// A change of the factor set between two redraws reaches the list's font,
// scroll bar and lines.
TEST_F(ClockWindow, TheListFollowsAChangedFactorSet) {
  Start(false);
  const int twelveFactorPixels = TextBox("positionList")->font().pixelSize();
  clock->ChooseFactorSet(true);
  Redraw();
  EXPECT_LT(TextBox("positionList")->font().pixelSize(), twelveFactorPixels);
  EXPECT_EQ(TextBox("positionList")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').size(), 23);

  clock->ChooseFactorSet(false);
  Redraw();
  EXPECT_EQ(TextBox("positionList")->font().pixelSize(), twelveFactorPixels);
  EXPECT_EQ(TextBox("positionList")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').size(), 13);
}

// What is on screen of a shown widget, as the window last painted it.
QImage OnScreen(const QWidget& widget) {
  const QPoint corner = widget.mapTo(widget.window(), QPoint(0, 0));
  return widget.screen()
      ->grabWindow(widget.window()->winId(), corner.x(), corner.y(), widget.width(),
                   widget.height())
      .toImage();
}

// What a redraw leaves on screen, tick after tick, is what Qt's own text box
// shows of the same lines: in both factor sets and both languages.
TEST_F(ClockWindow, TheListOnScreenIsAPlainTextBoxOfItsLines) {
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    const ProgramTranslation translation(language);
    for (const bool allFactors : {false, true}) {
      Start(allFactors).show();
      SetClockStep(StepMode::kMinutes, 1.0 / 60.0);
      for (int tick = 0; tick < 4; ++tick) {
        Tick();
        QCoreApplication::processEvents();
      }
      const QPlainTextEdit* list = TextBox("positionList");
      const std::unique_ptr<QPlainTextEdit> plain(MakeTextBox(nullptr, list->geometry()));
      plain->setFont(list->font());
      SetColours(plain.get(), kCream, kNavy);
      plain->setVerticalScrollBarPolicy(list->verticalScrollBarPolicy());
      plain->setPlainText(list->toPlainText());
      plain->show();
      QCoreApplication::processEvents();
      EXPECT_EQ(OnScreen(*list), OnScreen(*plain)) << list->toPlainText().toStdString();
    }
  }
}

Picture DialOf(const SkyState& sky, const DisplayOptions& display) {
  Picture dial(kDialSize, kDialSize);
  Canvas canvas(dial);
  DrawDial(sky, display, canvas);
  return dial;
}

// The dial as the view shows it when painted whole.
QImage WholeView(const Picture& dial) {
  QImage view(kDialBackgroundWidth, kDialBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
  view.fill(ToQColor(kNavy));
  QPainter painter(&view);
  PaintPicture(painter, dial);
  return view;
}

// After every tick, small steps and large, the view shows what a whole
// redraw shows and the clipboard holds the dial of the instant reached; the
// list is rebuilt only when its text changes.
TEST_F(ClockWindow, TicksShowAndHandOnTheCurrentDial) {
  Start(true);
  int listRebuilds = 0;
  QObject::connect(TextBox("positionList"), &QPlainTextEdit::textChanged, [&] { ++listRebuilds; });
  Redraw();
  EXPECT_EQ(listRebuilds, 0);

  for (const double minutes : {1.0, 1.0 / 60, 7.0, 1440.0}) {
    SetClockStep(StepMode::kMinutes, minutes);
    for (int tick = 0; tick < 12; ++tick) {
      Tick();
      ASSERT_EQ(Get<DialView>("dialView")->image(), WholeView(DialOf(sky(), clock->display())))
          << minutes << " min, tick " << tick;
    }
  }
  EXPECT_GT(listRebuilds, 0);
  QStringList lines;
  for (const std::string& line : PositionListLines(sky(), clock->display()))
    lines << FromWindows1252(line);
  EXPECT_EQ(TextBox("positionList")->toPlainText(), lines.join('\n'));
  EXPECT_EQ(TextBox("positionList")->document()->availableUndoSteps(), 0);  // nothing piles up

  const auto* pasted = dynamic_cast<const PictureMimeData*>(QApplication::clipboard()->mimeData());
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->picture(), DialOf(sky(), clock->display()));
}

TEST_F(ClockWindow, MissingSymbolFontIsReportedOnceAndDrawsFallbacks) {
  fontInstalled = false;
  Start();
  ASSERT_EQ(messages.shown().size(), 2u);  // the message, then the question
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kInformation);
  const QString& text = messages.shown()[0].text;
  EXPECT_TRUE(text.startsWith("Die Datei  " + kSymbolFontFile + "  fehlt")) << text.toStdString();
  EXPECT_TRUE(text.contains("~/.local/share/fonts"));
  EXPECT_EQ(text.count('\r'), 13);
  EXPECT_FALSE(clock->display().symbolFontPresent);
}

TEST_F(ClockWindow, StartWithStateFileTakesOnlyThePlace) {
  WriteStateFile(
      "07.12.2026\r\n14:05:09\r\n-008\xB0"
      "30'\r\n+47\xB0"
      "15'\r\n");
  Start();
  EXPECT_EQ(Label("placeLabel")->text(), "008°30' W, 47°15' N");
  EXPECT_EQ(Label("dateLabel")->text(), "Di, 08.12.2026");
  EXPECT_TRUE(Button("lastInstantButton")->isEnabled());
}

TEST_F(ClockWindow, CloseWritesTheStateFileAndReloadRestoresIt) {
  WriteStateFile(
      "01.01.2000\r\n00:00:00\r\n-008\xB0"
      "30'\r\n+47\xB0"
      "15'\r\n");
  MainWindow& f = Start();
  SetClockInstant(7, 12, 2026, 14 + 5 / 60.0 + 9 / 3600.0);
  ASSERT_TRUE(f.close());
  std::ifstream file(directory.path() / "ALT.DAT", std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(written,
            "07.12.2026\r\n14:05:09\r\n-008\xB0"
            "30'\r\n+47\xB0"
            "15'\r\n");

  SetClockInstant(1, 1, 2001, 3);
  Button("lastInstantButton")->click();
  EXPECT_EQ(sky().dateText, "07.12.2026");
  EXPECT_EQ(Label("timeLabel")->text(), "14:05:09 WZ/GMT");
  EXPECT_NEAR(sky().longitude, -8.5001, 1e-12);
  EXPECT_NEAR(sky().latitude, 47.2501, 1e-12);
  EXPECT_EQ(Label("placeLabel")->text(), "008°30' W, 47°15' N");
  EXPECT_FALSE(Timer()->isActive()) << "the slider already stood at 21";
  EXPECT_TRUE(Button("enlargeButton")->isEnabled());
}

TEST_F(ClockWindow, ReloadOfADeletedStateFileReportsAndKeepsTheInstant) {
  WriteStateFile(
      "01.01.2000\r\n00:00:00\r\n+010\xB0"
      "00'\r\n+50\xB0"
      "00'\r\n");
  Start();
  messages.Clear();
  std::filesystem::remove(directory.path() / "ALT.DAT");
  const SkyState before = sky();
  Button("lastInstantButton")->click();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_TRUE(messages.shown()[0].text.contains("ALT.DAT"));
  EXPECT_EQ(sky().dateText, before.dateText);
  EXPECT_EQ(sky().longitude, before.longitude);
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(ClockWindow, AFailedWriteAtCloseKeepsTheWindowOpenUnlessTheUserEndsWithoutSaving) {
  MainWindow& f = Start();
  messages.Clear();
  std::filesystem::remove_all(directory.path());
  messages.SetDefaultAnswer(false);
  EXPECT_FALSE(f.close());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kConfirmation);
  EXPECT_TRUE(messages.shown()[0].text.contains("ALT.DAT"));
  EXPECT_TRUE(messages.shown()[0].text.contains("Trotzdem beenden?"));

  // Once the directory is back, the same close saves the state.
  std::filesystem::create_directory(directory.path());
  messages.Clear();
  EXPECT_TRUE(f.close());
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(std::filesystem::exists(directory.path() / "ALT.DAT"));
}

TEST_F(ClockWindow, TheUserMayEndWithoutSavingWhenTheStateCannotBeWritten) {
  MainWindow& f = Start();
  std::filesystem::create_directory(directory.path() / "ALT.DAT");
  messages.SetDefaultAnswer(true);
  EXPECT_TRUE(f.close());
  EXPECT_TRUE(std::filesystem::is_directory(directory.path() / "ALT.DAT"));
}

// Every step mode with the whole tick (step, sky, dial, clipboard and list)
// at both ends of the clock's calendar: it halts rather than leave
// 01.01.1600 00:00:00 to 31.12.9999.
TEST_F(ClockWindow, EveryStepModeHaltsAtTheEndsOfTheCalendar) {
  Start(true);
  for (const StepMode mode : {StepMode::kRealTime, StepMode::kMinutes, StepMode::kDay,
                              StepMode::kWeek, StepMode::kMonth, StepMode::kYear}) {
    for (const int rate : {20, -20, 1, -1}) {
      SetClockStep(mode, 1440);
      Slider()->setValue(SliderPositionFromRate(rate));
      messages.Clear();

      if (rate > 0) {
        SetClockInstant(31, 12, 9999, 23 + 59 / 60.0 + 59 / 3600.0);
      } else {
        SetClockInstant(1, 1, 1600, 0);
      }
      const std::string endDate = sky().dateText;
      const double endHours = sky().hours;
      Tick();
      EXPECT_EQ(sky().dateText, endDate);
      EXPECT_EQ(sky().hours, endHours);
      EXPECT_FALSE(Timer()->isActive());
      EXPECT_EQ(Button("haltButton")->text(), "&Weiter");
      ASSERT_EQ(messages.shown().size(), 1u);
      EXPECT_TRUE(messages.shown()[0].text.contains("9999"));
      SkyState halted = sky();
      ComputeTime(halted);
      EXPECT_EQ(sky().centuries, halted.centuries) << "the dial shows where the clock halted";
      for (const double longitude : sky().longitudes) EXPECT_TRUE(std::isfinite(longitude));
      EXPECT_EQ(TextBox("positionList")->toPlainText().count('\n'), 22);
    }
  }
}

TEST_F(ClockWindow, TicksCarryTheDateForwardsAndBackwards) {
  Start();
  SetClockInstant(31, 12, 2026, 23 + 59 / 60.0 + 59 / 3600.0);
  Button("haltButton")->click();  // halt
  Button("haltButton")->click();  // continue: the pacer counts from now
  Tick();
  EXPECT_EQ(Label("dateLabel")->text(), "Fr, 01.01.2027");
  EXPECT_EQ(Label("timeLabel")->text(), "00:00:00 WZ/GMT");

  Slider()->setValue(19);  // one tick per second backwards
  Tick();
  EXPECT_EQ(Label("dateLabel")->text(), "Do, 31.12.2026");
  EXPECT_EQ(Label("timeLabel")->text(), "23:59:59 WZ/GMT");
}

TEST_F(ClockWindow, SliderSetsRateIntervalAndDirection) {
  Start();
  Slider()->setValue(0);
  EXPECT_EQ(clock->settings().ticksPerSecond, -20);
  EXPECT_EQ(Timer()->interval(), 47);
  EXPECT_EQ(Label("rateLabel")->text(), "-20");
  EXPECT_EQ(Label("speedLabel")->text(), "Takte/Sek:20");
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_FALSE(Button("riseButton")->isEnabled());

  Slider()->setValue(20);
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(Label("statusLabel")->text(), " Diagramm steht ");
  EXPECT_TRUE(Button("riseButton")->isEnabled());

  Button("haltButton")->click();  // "Weiter" at rate 0 starts at one tick forward
  EXPECT_EQ(Slider()->value(), 21);
  EXPECT_EQ(clock->settings().ticksPerSecond, 1);
  EXPECT_EQ(Timer()->interval(), 955);
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Button("haltButton")->text(), "&Halt");
}

TEST_F(ClockWindow, RealTimeRestartsTheClockOnlyWhenTheSliderMoves) {
  Start();
  Slider()->setValue(25);
  systemClock.Set(UtcTime(2027, 3, 1, 12, 0, 0));
  Button("realTimeButton")->click();
  EXPECT_EQ(Label("dateLabel")->text(), "Mo, 01.03.2027");
  EXPECT_EQ(Slider()->value(), 21);
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_EQ(Timer()->interval(), 955);

  Button("realTimeButton")->click();
  EXPECT_FALSE(Timer()->isActive()) << "the slider stood at 21 already";
  EXPECT_TRUE(Button("enlargeButton")->isEnabled());
}

TEST_F(ClockWindow, SourcePanelHaltsTheClockAndHidingItLeavesItHalted) {
  Start();
  Button("sourceButton")->click();
  EXPECT_FALSE(Get<QWidget>("sourcePanel")->isHidden());
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(Button("sourceButton")->isEnabled());
  EXPECT_FALSE(Button("haltButton")->isEnabled());
  EXPECT_FALSE(Button("enlargeButton")->isEnabled());
  Button("sourceButton")->click();
  EXPECT_TRUE(Get<QWidget>("sourcePanel")->isHidden());
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(Button("enlargeButton")->isEnabled());
  EXPECT_TRUE(Button("haltButton")->isEnabled());
}

// Every line of the source information is whole within its box, the
// scroll bar beside it.
TEST_F(ClockWindow, SourceInformationLinesAreNotCutAtTheRightEdge) {
  Start();
  Button("sourceButton")->click();
  QPlainTextEdit* text = TextBox("sourceText");
  const int room = text->width() - 2 * text->frameWidth() -
                   text->verticalScrollBar()->sizeHint().width() -
                   2 * static_cast<int>(text->document()->documentMargin());
  const QFontMetrics metrics(text->font());
  for (const QString& line : text->toPlainText().split('\n'))
    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
}

// Puts the kept astrology choices back to the defaults when a test ends.
struct DefaultAstrologyAfterwards {
  ~DefaultAstrologyAfterwards() {
    QSettings(kSettingsOrganization, kSettingsApplication).remove("astrologie");
  }
};

// Houses chosen in the source panel add to the list the very lines
// sternwerk-sky --houses writes, each whole in the list; the system and the
// orbs (taken by OK, not by ESC) are kept and read back at the next start.
TEST_F(ClockWindow, HousesAndOrbsChosenInThePanelReachTheListAndAreKept) {
  DefaultAstrologyAfterwards restore;
  Start().show();
  SetClockInstant(7, 12, 2026, 21.5 + kEnteredOffset);  // as typed, and as the tool reads it
  SetClockPlace(13.4, 52.5, {});
  Button("sourceButton")->click();
  auto* systems = Get<QComboBox>("houseSystemBox");
  EXPECT_FALSE(Get<QCheckBox>("astrologyBox")->isChecked());
  EXPECT_EQ(systems->currentText(), "Placidus");

  Get<QCheckBox>("astrologyBox")->click();
  const QPlainTextEdit* list = TextBox("positionList");
  for (const char letter : {'P', 'K'}) {
    systems->setCurrentIndex(systems->findData(QChar(letter)));
    QProcess tool;  // what sternwerk-sky --houses writes for the same instant and place
    tool.start(STERNWERK_SKY_PROGRAM,
               {"--houses", QChar(letter), "07.12.2026", "21:30", "13.4", "52.5"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QStringList lines = list->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 25) << letter;
    EXPECT_EQ(lines.mid(13), QString::fromUtf8(tool.readAllStandardOutput())
                                 .split('\n', Qt::SkipEmptyParts)
                                 .filter(QRegularExpression("^ ?H\\d+ ")));
    for (const QString& line : lines)
      EXPECT_LE(list->fontMetrics().horizontalAdvance(line), list->viewport()->width())
          << line.toStdString();
  }

  AstrologyChoices kept{true, HouseSystem::kKoch, {}};
  for (const bool accepted : {false, true}) {
    QTimer::singleShot(0, [this, accepted] {
      auto* dialog = Get<OrbsDialog>("orbsDialog");
      dialog->orbBoxes[static_cast<std::size_t>(AspectKind::kTrine)]->setValue(3.5);
      accepted ? dialog->buttons->button(QDialogButtonBox::Ok)->click()
               : QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Button("orbsButton")->click();
    if (accepted) kept.orbs[AspectKind::kTrine] = 3.5;
    EXPECT_EQ(LoadAstrologyChoices(), kept) << accepted;
  }

  Start();
  EXPECT_TRUE(Get<QCheckBox>("astrologyBox")->isChecked());
  EXPECT_EQ(Get<QComboBox>("houseSystemBox")->currentText(), "Koch");
  EXPECT_EQ(TextBox("positionList")->toPlainText().split('\n').size(), 25);
}

// Each kept part that this program cannot read is its default; the others
// are read back as saved.
TEST(AstrologySetting, KeptValuesReadBackAndBadOnesFallBackToTheDefaults) {
  DefaultAstrologyAfterwards restore;
  struct Case {
    const char* shown;
    const char* system;
    const char* orbs;
    AstrologyChoices expected;
  };
  const AspectOrbs defaults;
  for (const Case& c :
       {Case{"true", "k", "0;2;3;4;5;6;15", {true, HouseSystem::kKoch, {{0, 2, 3, 4, 5, 6, 15}}}},
        Case{"ja", "Z", "1;2;3;4;5;6", {false, HouseSystem::kPlacidus, defaults}},
        Case{"1", "PK", "1;2;3;4;5;6;15.1", {false, HouseSystem::kPlacidus, defaults}},
        Case{"", "", "1;2;3;4;5;6;-1", {false, HouseSystem::kPlacidus, defaults}},
        Case{"true", "W", "1;2;3;4;5;6;nan", {true, HouseSystem::kWholeSign, defaults}}}) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue("astrologie/zeigen", c.shown);
    settings.setValue("astrologie/haeuser", c.system);
    settings.setValue("astrologie/orben", c.orbs);
    settings.sync();
    EXPECT_EQ(LoadAstrologyChoices(), c.expected) << c.shown << " " << c.system << " " << c.orbs;
  }
}

// ESC hides the source panel as its button does, then the legend, also
// from the legend's text.
TEST_F(ClockWindow, EscapeHidesTheSourcePanelAndTheLegend) {
  MainWindow& f = Start();
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::mouseClick(Button("sourceButton"), Qt::LeftButton);
  ASSERT_FALSE(Get<QWidget>("sourcePanel")->isHidden());
  QTest::mouseClick(TextBox("sourceText")->viewport(), Qt::LeftButton);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(Get<QWidget>("sourcePanel")->isHidden());
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(Button("enlargeButton")->isEnabled());
  EXPECT_TRUE(Button("haltButton")->isEnabled());
  QTest::keyClick(Button("sourceButton"), Qt::Key_Escape);
  EXPECT_TRUE(Get<QWidget>("sourcePanel")->isHidden()) << "ESC does not show the panel";
  QTest::mouseClick(Button("legendButton"), Qt::LeftButton);
  QTest::mouseClick(Memo("twelveFactorNames")->viewport(), Qt::LeftButton);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(Memo("twelveFactorGlyphs")->isHidden() && Memo("twelveSignNames")->isHidden());
}

TEST_F(ClockWindow, LegendButtonTogglesTheLegendOfTheFactorSet) {
  Start(false);
  Button("legendButton")->click();
  EXPECT_FALSE(Memo("twelveFactorGlyphs")->isHidden());
  EXPECT_FALSE(Memo("twelveFactorNames")->isHidden());
  EXPECT_TRUE(Memo("allFactorGlyphs")->isHidden());
  EXPECT_EQ(Memo("twelveFactorNames")->toPlainText().split('\n').size(), 12);
  Button("legendButton")->click();
  EXPECT_TRUE(Memo("twelveFactorGlyphs")->isHidden());
  EXPECT_EQ(Memo("allFactorNames")->toPlainText().split('\n')[1], "Widder   ");
}

// The baseline of a memo's line in the window's coordinates.
int BaselineInWindow(const QTextEdit* memo, int line) {
  const QTextBlock block = memo->document()->findBlockByNumber(line);
  // Lays the block out anew if its document changed since.
  static_cast<void>(memo->document()->documentLayout()->blockBoundingRect(block));
  const QTextLayout* layout = block.layout();
  const QTextLine text = layout->lineAt(0);
  const qreal baseline =
      layout->position().y() + text.y() + text.ascent() - memo->verticalScrollBar()->value();
  return memo->viewport()->mapTo(memo->window(), QPoint(0, qRound(baseline))).y();
}

// Every line of the shown legends lies whole inside its memo's visible area,
// the wide glyphs of MC and AS and the longest names included; every glyph
// stands on the baseline of its name, the last as the first; the names stand
// right of the glyphs, and the sign legend beside the factors' inside the
// window.
TEST_F(ClockWindow, LegendsShowEveryLineWholeEachGlyphBesideItsName) {
  const ApplicationFont symbolFont(SymbolFontPath());
  ASSERT_TRUE(symbolFont.status().ok()) << symbolFont.status().error();
  for (const bool allFactors : {false, true}) {
    MainWindow& f = Start(allFactors);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    Button("legendButton")->click();
    const QString set = allFactors ? "all" : "twelve";
    QRect legendAreas[2];
    for (const QString kind : {"Factor", "Sign"}) {
      QTextEdit* glyphs = Memo((set + kind + "Glyphs").toLatin1());
      QTextEdit* names = Memo((set + kind + "Names").toLatin1());
      ASSERT_TRUE(glyphs->isVisible() && names->isVisible()) << kind.toStdString();
      const int lines = names->document()->blockCount();
      ASSERT_EQ(glyphs->document()->blockCount(), lines);
      for (int line = 0; line < lines; ++line) {
        for (QTextEdit* memo : {glyphs, names}) {
          QTextCursor cursor(memo->document()->findBlockByNumber(line));
          const QRect start = memo->cursorRect(cursor);
          cursor.movePosition(QTextCursor::EndOfBlock);
          const QRect end = memo->cursorRect(cursor);
          EXPECT_TRUE(memo->viewport()->rect().contains(start.topLeft()) &&
                      memo->viewport()->rect().contains(end.bottomRight()))
              << cursor.block().text().toStdString() << ": " << end.right() << "," << end.bottom()
              << " outside " << memo->viewport()->width() << "x" << memo->viewport()->height();
        }
        EXPECT_EQ(BaselineInWindow(glyphs, line), BaselineInWindow(names, line))
            << "line " << line << ": "
            << names->document()->findBlockByNumber(line).text().toStdString();
      }
      EXPECT_LE(glyphs->geometry().right(), names->x());
      const QRect area = glyphs->geometry().united(names->geometry());
      EXPECT_TRUE(f.rect().contains(area)) << kind.toStdString();
      EXPECT_FALSE(area.intersects(Label("placeTimeLabel")->geometry())) << kind.toStdString();
      legendAreas[kind == "Sign"] = area;
    }
    EXPECT_FALSE(legendAreas[0].intersects(legendAreas[1]));
    EXPECT_EQ(Memo((set + "FactorNames").toLatin1())->document()->blockCount(),
              allFactors ? kDrawnFactors : 12);
  }
}

// The sign legend explains the abbreviations the position list shows, each
// beside its sign's glyph, and spells out GZ, which has no glyph.
TEST_F(ClockWindow, SignLegendExplainsTheListsAbbreviationsAndGZ) {
  Start(true);
  const QStringList glyphs = Memo("allSignGlyphs")->toPlainText().split('\n');
  const QStringList names = Memo("allSignNames")->toPlainText().split('\n');
  ASSERT_EQ(names.size(), 13);
  EXPECT_EQ(Memo("twelveSignNames")->toPlainText().split('\n'), names);
  for (int sign = 0; sign < 12; ++sign) {
    const std::string listed = PositionListLine(kSun, 30.0 * sign + 15);
    const QString abbreviation = QString::fromStdString(listed.substr(listed.size() - 3));
    const QStringList words = names[sign].split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(words.size(), 2) << names[sign].toStdString();
    EXPECT_EQ(words[0], abbreviation);
    EXPECT_TRUE(words[1].startsWith(abbreviation.left(2), Qt::CaseInsensitive) ||
                words[1].startsWith(abbreviation.left(1) + QChar(0xF6)))
        << words[1].toStdString();
    EXPECT_EQ(glyphs[sign], QString(QLatin1Char(kSignGlyphs[static_cast<std::size_t>(sign)])));
  }
  EXPECT_TRUE(glyphs[12].isEmpty());
  EXPECT_TRUE(names[12].startsWith("GZ "));
  EXPECT_TRUE(names[12].contains("Zentrum"));
}

// The time is green at Greenwich and west of it, maroon east of it.
TEST_F(ClockWindow, TimeColourShowsGreenwichAndWest) {
  const auto timeColour = [this] {
    return Label("timeLabel")->palette().color(QPalette::WindowText);
  };
  Start();  // at 10 degrees east
  EXPECT_EQ(timeColour(), QColor(128, 0, 0));
  WriteStateFile(
      "01.01.2000\r\n00:00:00\r\n-008\xB0"
      "30'\r\n+47\xB0"
      "15'\r\n");
  Start();
  EXPECT_EQ(timeColour(), QColor(0, 128, 0));
}

// Moving the slider hides the source panel but leaves the buttons held back;
// the source button stays usable to give them back.
TEST_F(ClockWindow, TheSliderHidesTheSourcePanelAndItsButtonStaysUsable) {
  Start();
  Button("sourceButton")->click();
  Slider()->setValue(25);
  EXPECT_TRUE(Get<QWidget>("sourcePanel")->isHidden());
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_FALSE(Button("haltButton")->isEnabled());
  ASSERT_TRUE(Button("sourceButton")->isEnabled());
  Button("sourceButton")->click();  // shows the panel again, halting the clock
  Button("sourceButton")->click();
  EXPECT_TRUE(Get<QWidget>("sourcePanel")->isHidden());
  EXPECT_TRUE(Button("haltButton")->isEnabled());
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(ClockWindow, AcceleratorKeysPressTheirButtons) {
  MainWindow& f = Start();
  f.show();
  QApplication::setActiveWindow(&f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  // A mnemonic animates the click, which lands a moment later.
  const auto press = [&](Qt::Key key, const std::function<bool()>& done) {
    QTest::keyClick(f.windowHandle(), key, Qt::AltModifier);
    return QTest::qWaitFor(done, 2000);
  };
  EXPECT_TRUE(press(Qt::Key_H, [&] { return !Timer()->isActive(); })) << "Alt+H halts";
  EXPECT_EQ(Button("haltButton")->text(), "&Weiter");
  EXPECT_TRUE(press(Qt::Key_S, [&] { return !Label("searchResultLabel")->isHidden(); }))
      << "Alt+S searches the next solar eclipse";
  EXPECT_TRUE(press(Qt::Key_W, [&] { return Timer()->isActive(); })) << "Alt+W continues";
  EXPECT_TRUE(press(Qt::Key_N, [&] { return !Memo("twelveFactorGlyphs")->isHidden(); }))
      << "Alt+N shows the legend";
  EXPECT_TRUE(press(Qt::Key_M, [&] {
    const auto* skyHere = f.findChild<SkyHereWindow*>("skyHereWindow");
    return skyHere != nullptr && skyHere->isVisible();
  })) << "Alt+M opens the sky from here";
  f.hide();
}

}  // namespace
}  // namespace sternwerk
