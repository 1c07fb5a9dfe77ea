// TForm1, the clock window: the dial on the left, the panels of controls on
// the right, the two button groups and the clock status display.
#pragma once

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

#include "clock/real_time_pacer.h"
#include "clock/system_clock.h"
#include "engine/sky_state.h"
#include "platform/messages.h"

namespace sternwerk {

class DialView;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TForm11;
enum class EventKind;

// The program's other windows, created once by the program's entry and shown
// modally by the clock window's handlers.
struct SecondaryWindows {
  TForm2* interval = nullptr;
  TForm3* dateTimePlace = nullptr;
  TForm5* enlargedChart = nullptr;
  TForm6* factorChoice = nullptr;
  TForm11* introduction = nullptr;
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

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(SkyState& sky, MainWindowServices services, QWidget* parent = nullptr);

  // The start-up sequence of the first activation.
  void FormActivate();
  // Recomputes the sky and redraws the dial, the position list and Label8.
  void Diagramm();

  // The general and the halted-state button group.
  void buttons(bool on);
  void vier_buttons(bool on);
  // Clock status display; neither changes the timer interval.
  void ShowHalted();
  void ShowRunning();
  // Date and time lines from the instant; place line from the place.
  void ShowInstant();
  void ShowPlace();

  void Button1Click();
  void Button7Click();
  void Button12Click();
  // Run control.
  void Timer1Timer();
  void ScrollBar1Change(int position);
  void Button4Click();
  void BitBtn1Click();
  void Button5Click();

  // Searches (main_window_search.cpp): rise, set, culmination, full and new moon.
  void Button6Click();
  void Button8Click();
  void Button10Click();
  void BitBtn2Click();
  void BitBtn3Click();
  // Beside ProgressBar1 while a search runs; it, and ESC, cancel the search.
  QPushButton* SearchCancelButton = nullptr;
  // Dialogs (main_window_dialogs.cpp): date/time/place and interval.
  void Button2Click();
  void Button3Click();
  // Enlarged diagram (main_window_chart.cpp).
  void Button9Click();
  // Introduction (main_window_help.cpp).
  void Button11Click();

  SecondaryWindows windows;

  SkyState& sky;
  bool stateFileLoaded = false;
  std::uint16_t printPageWidth = 0;
  std::uint16_t printPageHeight = 0;
  std::string searchResultText;

  // Panel1: instant, place, interval and speed.
  QWidget* Panel1;
  QLabel* Label1;
  QLabel* Label6;
  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label3;
  QLabel* Label7;
  QPushButton* Button2;
  QPushButton* Button3;
  QScrollBar* ScrollBar1;
  QPushButton* BitBtn1;
  QPushButton* Button5;
  // Panel5: halt and searches.
  QWidget* Panel5;
  QPushButton* Button4;
  QPushButton* Button6;
  QPushButton* Button10;
  QPushButton* Button8;
  QPushButton* BitBtn2;
  QPushButton* BitBtn3;
  // Panel4: the position list.
  QWidget* Panel4;
  QPlainTextEdit* Memo1;
  // Panel3: information and end.
  QWidget* Panel3;
  QPushButton* Button7;
  QPushButton* Button11;
  QPushButton* Button1;
  QPushButton* Button12;
  QProgressBar* ProgressBar1;
  // Over the dial.
  DialView* dialView;
  QLabel* StaticText1;
  QLabel* Label8;
  QLabel* Label5;
  QPushButton* Button9;
  QPlainTextEdit* Memo2;
  QPlainTextEdit* Memo3;
  QPlainTextEdit* Memo4;
  QPlainTextEdit* Memo5;
  QWidget* Panel2;
  QPlainTextEdit* Memo8;
  QTimer* Timer1;

 protected:
  void showEvent(QShowEvent* event) override;
  // Writes ALT.DAT; a failed write is reported and keeps the window open.
  void closeEvent(QCloseEvent* event) override;
  // ESC hides the source-information panel as its button does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // StaticText1's clock status text and colour.
  void ShowStatus(bool running);
  void TakeInstantFromClock();
  void ApplyStepDefaults();
  void ClearSearchResult();
  void ShowPositionList();
  void CreatePanel1();
  void CreatePanel5();
  void CreatePanel4();
  void CreatePanel3();
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
