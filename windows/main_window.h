// The clock window: the dial on the left, the panels of controls on
// the right, the two button groups and the clock status display. It shows
// what its clock reports and hands the user's actions to it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "astrology/astrology_choices.h"
#include "clock/clock.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/report_once.h"
#include "windows/legend_memos.h"

namespace sternwerk {

class DialView;
class PositionListView;
class IntervalDialog;
class DateTimePlaceDialog;
class EnlargedChartWindow;
class FactorChoiceDialog;
class IntroductionWindow;
class OrbsDialog;
class SkyHereWindow;
class ChartCollectionWindow;

// The program's other windows, created once by the program's entry and shown
// modally by the clock window's handlers.
struct SecondaryWindows {
  IntervalDialog* interval = nullptr;
  DateTimePlaceDialog* dateTimePlace = nullptr;
  EnlargedChartWindow* enlargedChart = nullptr;
  FactorChoiceDialog* factorChoice = nullptr;
  IntroductionWindow* introduction = nullptr;
  ChartCollectionWindow* chartCollection = nullptr;
};

// What the clock window needs from the system; tests replace each part.
struct MainWindowServices {
  Messages& messages;
  QString versionText;  // the system's name for the title
  QSize printPage;      // default printer page in printer pixels, rounded as kept
  std::function<bool()> symbolFontInstalled;
  std::function<void()> showPictureWindow;  // modal, returns when it closes
};

// Every widget's objectName is its member's name ("haltButton",
// "dateLabel", "tickTimer"), for tests and scripts that look for it.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The clock and the windows must outlive the window.
  MainWindow(Clock& clock, MainWindowServices services, SecondaryWindows windows,
             QWidget* parent = nullptr);

  // The start-up sequence of the first activation; showing the window runs
  // it once.
  void StartUp();

 protected:
  void showEvent(QShowEvent* event) override;
  // Writes ALT.DAT; a failed write is reported and keeps the window open.
  void closeEvent(QCloseEvent* event) override;
  // ESC hides the source-information panel as its button does, else the
  // legend.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The handlers of the buttons, the slider and the timer.
  void Tick();
  void ChangeRate(int position);
  void HaltOrContinue();
  void GoToRealTime();
  void ReloadLastInstant();
  void End();
  void ToggleSourceInformation();
  // The check box in the source panel: the precise or the own computation,
  // saved for the next run; the sky is recomputed and redrawn.
  void ChooseComputation(bool precise);
  // The other check box there: rise, set and culmination as an almanac
  // gives them, saved for the next run.
  void ChooseHorizonSearch(bool atHorizon);
  // The third: all 22 factors or the twelve, as the start question chose;
  // kept for the next starts when the user asked not to be asked again.
  void ChooseFactorSet(bool transplutonian);
  bool FactorSetAnswer();
  // The houses and aspects there: shown or not and the house system, from
  // the panel's controls, kept for the next runs; the list is redrawn.
  void ChooseAstrology();
  // "Orben ...": the orbs dialog, its seven orbs kept when it closes with OK.
  void EditOrbs();
  // The panel's astrology controls set to the choices, without handling.
  void ShowAstrologyChoices();
  void ToggleLegend();
  bool LegendShown() const;
  // Searches (main_window_search.cpp): rise, set, culmination, full and new
  // moon, and the eclipses. Rise, set and culmination ask for the factor
  // first.
  void SearchFactorEvent(EventKind kind);
  void RunSearch(EventKind kind);
  void SearchEclipse(EclipseSearch search);
  // Runs a search of the clock with `banner` over the dial, the progress
  // bar and the cancel button shown and the user's other input held back.
  using ClockSearch = std::function<Outcome<SearchStatus>(const SearchProgress& progress)>;
  Outcome<SearchStatus> SearchWithProgress(const QString& banner, const ClockSearch& search);
  // A failure's message; the clock's new instant where the event was found.
  void ShowSearchEnd(const Outcome<SearchStatus>& status);
  // Dialogs (main_window_dialogs.cpp): date/time/place and interval.
  void EditDateTimePlace();
  void EditInterval();
  // Enlarged diagram (main_window_chart.cpp).
  void ShowEnlargedChart();
  // Introduction (main_window_help.cpp).
  void ShowIntroduction();
  // The sky from here, beside the clock and following it
  // (main_window_sky_here.cpp).
  void ShowSkyHere();
  // The chart collection, with the clock halted and every button disabled
  // while it is open (main_window_charts.cpp).
  void ShowChartCollection();

  // What the clock reports: the timer and status, the instant panel and the
  // search result, the enabled buttons.
  void ShowClock();
  void ShowRunState();
  void ShowStatus(bool running);
  void ShowTexts();
  void ShowTimeLines();
  // The place's name and local civil time; an unknown zone is told once.
  void ShowPlaceTime();
  void ShowButtonGroups();
  // Recomputes the sky and redraws the dial and the position list.
  void UpdateDial();
  void ShowDial(Picture dial);
  void ShowPositionList();

  void CreateInstantPanel();
  void CreateSearchPanel();
  void CreatePositionPanel();
  void CreateInfoPanel();
  void CreateDialControls();
  void CreateLegends();
  void CreateSourcePanel();
  void CreateSearchControls();
  void SetHints();
  void NameWidgets();

  Clock& clock_;
  MainWindowServices services_;
  SecondaryWindows windows_;
  bool firstActivation_ = true;
  // The source button stays usable from opening the source panel until it
  // closes it again, while the general group is disabled.
  bool sourceButtonHeld_ = false;
  // The precise computation's fallback, told once until it works again.
  ReportOnce preciseFallbackReport_{*this, services_.messages};
  // A time zone this machine does not know, told once until one is known.
  ReportOnce zoneReport_{*this, services_.messages};

  // instantPanel: instant, place, interval and speed.
  QWidget* instantPanel;
  QLabel* dateLabel;
  QLabel* timeLabel;
  // Below timeLabel where that shows the local time: Universal Time.
  QLabel* universalTimeLabel;
  QLabel* placeLabel;
  QLabel* intervalLabel;
  QLabel* speedLabel;
  QLabel* rateLabel;
  QPushButton* dateTimePlaceButton;
  QPushButton* intervalButton;
  QScrollBar* rateSlider;
  QPushButton* realTimeButton;
  QPushButton* lastInstantButton;
  // searchPanel: halt and searches.
  QWidget* searchPanel;
  QPushButton* haltButton;
  QPushButton* riseButton;
  QPushButton* culminationButton;
  QPushButton* setButton;
  QPushButton* fullMoonButton;
  QPushButton* newMoonButton;
  QPushButton* solarEclipseButton;
  QPushButton* lunarEclipseButton;
  // positionPanel: the position list.
  QWidget* positionPanel;
  PositionListView* positionList;
  // infoPanel: information and end.
  QWidget* infoPanel;
  QPushButton* sourceButton;
  QPushButton* introductionButton;
  QPushButton* endButton;
  QPushButton* legendButton;
  QProgressBar* searchProgress;
  // Beside searchProgress while a search runs; it, and ESC, cancel the search.
  QPushButton* searchCancelButton;
  // Over the dial.
  DialView* dialView;
  QLabel* statusLabel;
  QLabel* searchResultLabel;
  QLabel* searchProgressLabel;
  // The place's name and local civil time.
  QLabel* placeTimeLabel;
  QPushButton* enlargeButton;
  // Left of enlargeButton: the chart collection.
  QPushButton* chartsButton;
  // Beside enlargeButton; its window is made at its first use.
  QPushButton* skyHereButton;
  SkyHereWindow* skyHereWindow = nullptr;
  // The legends of the two factor sets, each with the signs and GZ beside it.
  LegendMemos allFactorLegend;
  LegendMemos allSignLegend;
  LegendMemos twelveFactorLegend;
  LegendMemos twelveSignLegend;
  QWidget* sourcePanel;
  QPlainTextEdit* sourceText;
  QCheckBox* preciseBox;
  QCheckBox* horizonBox;
  QCheckBox* factorSetBox;
  QCheckBox* astrologyBox;
  QComboBox* houseSystemBox;  // the systems in HouseSystemLetters' order
  QPushButton* orbsButton;
  // Made at the first "Orben ...".
  OrbsDialog* orbsDialog = nullptr;
  AstrologyChoices astrology_;
  QTimer* tickTimer;
};

}  // namespace sternwerk
