// The clock window: the dial on the left, the panels of controls on
// the right, the two button groups and the clock status display.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "charts/display_options.h"
#include "clock/clock_settings.h"
#include "clock/real_time_pacer.h"
#include "clock/system_clock.h"
#include "engine/event_search.h"
#include "engine/sky_state.h"
#include "platform/messages.h"
#include "platform/picture.h"

namespace sternwerk {

class DialView;
class IntervalDialog;
class DateTimePlaceDialog;
class EnlargedChartWindow;
class FactorChoiceDialog;
class IntroductionWindow;
enum class EventKind;

// The program's other windows, created once by the program's entry and shown
// modally by the clock window's handlers.
struct SecondaryWindows {
  IntervalDialog* interval = nullptr;
  DateTimePlaceDialog* dateTimePlace = nullptr;
  EnlargedChartWindow* enlargedChart = nullptr;
  FactorChoiceDialog* factorChoice = nullptr;
  IntroductionWindow* introduction = nullptr;
};

// What the clock window needs from the system; tests replace each part.
struct MainWindowServices {
  Messages& messages;
  const SystemClock& clock;
  std::filesystem::path workingDirectory;  // where ALT.DAT lives
  QString versionText;                     // the system's name for the title
  QSize printPage;  // default printer page in printer pixels, rounded as kept
  std::function<bool()> symbolFontInstalled;
  std::function<void()> showPictureWindow;  // modal, returns when it closes
};

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(SkyState& sky, MainWindowServices services, QWidget* parent = nullptr);

  // The start-up sequence of the first activation.
  void StartUp();
  // Recomputes the sky and redraws the dial, the position list and searchResultLabel.
  void UpdateDial();

  // The general and the halted-state button group.
  void SetControlButtonsEnabled(bool on);
  void SetSearchButtonsEnabled(bool on);
  // Clock status display; neither changes the timer interval.
  void ShowHalted();
  void ShowRunning();
  // Date and time lines from the instant; place line from the place.
  void ShowInstant();
  void ShowPlace();

  void End();
  void ToggleSourceInformation();
  // The check box in the source panel: the precise or the own computation,
  // saved for the next run; the sky is recomputed and redrawn.
  void ChooseComputation(bool precise);
  void ToggleLegend();
  // Run control.
  void Tick();
  void ChangeRate(int position);
  void HaltOrContinue();
  void GoToRealTime();
  void ReloadLastInstant();

  // Searches (main_window_search.cpp): rise, set, culmination, full and new moon.
  void SearchRise();
  void SearchSet();
  void SearchCulmination();
  void SearchFullMoon();
  void SearchNewMoon();
  // Beside searchProgress while a search runs; it, and ESC, cancel the search.
  QPushButton* searchCancelButton = nullptr;
  // Dialogs (main_window_dialogs.cpp): date/time/place and interval.
  void EditDateTimePlace();
  void EditInterval();
  // Enlarged diagram (main_window_chart.cpp).
  void ShowEnlargedChart();
  // Introduction (main_window_help.cpp).
  void ShowIntroduction();

  SecondaryWindows windows;

  SkyState& sky;
  bool stateFileLoaded = false;
  std::uint16_t printPageWidth = 0;
  std::uint16_t printPageHeight = 0;
  // How the clock runs, what the drawings show, and the search as last set
  // up; the interval, factor choice and chart windows are handed these.
  ClockSettings clockSettings;
  DisplayOptions display;
  SearchState search;
  // Which computation fills the sky; what it used is display.computation.
  ComputationMode computationMode = ComputationMode::kOwn;

  // instantPanel: instant, place, interval and speed.
  QWidget* instantPanel;
  QLabel* dateLabel;
  QLabel* timeLabel;
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
  // positionPanel: the position list.
  QWidget* positionPanel;
  QPlainTextEdit* positionList;
  // infoPanel: information and end.
  QWidget* infoPanel;
  QPushButton* sourceButton;
  QPushButton* introductionButton;
  QPushButton* endButton;
  QPushButton* legendButton;
  QProgressBar* searchProgress;
  // Over the dial.
  DialView* dialView;
  QLabel* statusLabel;
  QLabel* searchResultLabel;
  QLabel* searchProgressLabel;
  QPushButton* enlargeButton;
  QPlainTextEdit* allFactorGlyphs;
  QPlainTextEdit* allFactorNames;
  QPlainTextEdit* twelveFactorGlyphs;
  QPlainTextEdit* twelveFactorNames;
  QWidget* sourcePanel;
  QPlainTextEdit* sourceText;
  QCheckBox* preciseBox;
  QTimer* tickTimer;

 protected:
  void showEvent(QShowEvent* event) override;
  // Writes ALT.DAT; a failed write is reported and keeps the window open.
  void closeEvent(QCloseEvent* event) override;
  // ESC hides the source-information panel as its button does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // statusLabel's clock status text and colour.
  void ShowStatus(bool running);
  void TakeInstantFromClock();
  void ApplyStepDefaults();
  void ClearSearchResult();
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
  // Asks for the factor, then searches; both end with the clock halted.
  void SearchFactorEvent(EventKind kind);
  void RunSearch(EventKind kind);
  void SetHints();

  MainWindowServices services_;
  RealTimePacer pacer_;
  bool firstActivation_ = true;
};

}  // namespace sternwerk
