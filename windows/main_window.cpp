#include "windows/main_window.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "charts/factor_legend.h"
#include "clock/clock_step.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/qt_text.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"
#include "windows/button_pictures.h"
#include "windows/computation_setting.h"
#include "windows/dial_view.h"
#include "windows/main_window_texts.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 550;
constexpr int kDialWidth = 529;
constexpr int kSliderRange = 40;
constexpr int kHintMilliseconds = 15000;
constexpr int kProgressHours = 24;
const QString kSansSerif = kSansSerifFace;
const QString kCourier = kCourierFace;

// The widest line of a memo in its font, plus its frame, margins and cursor.
int FittingWidth(const QPlainTextEdit* memo) {
  const QFontMetrics metrics(memo->font());
  int widest = 0;
  for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
    widest = std::max(widest, metrics.horizontalAdvance(block.text()));
  }
  const int margins = static_cast<int>(std::ceil(2 * memo->document()->documentMargin()));
  return widest + margins + 2 * memo->frameWidth() + memo->cursorWidth() + 1;
}

// Widens a legend's glyph and name memos to show every line whole, the
// names right beside the glyphs.
void FitLegend(QPlainTextEdit* glyphs, QPlainTextEdit* names) {
  for (QPlainTextEdit* memo : {glyphs, names}) {
    memo->resize(std::max(memo->width(), FittingWidth(memo)), memo->height());
  }
  names->move(glyphs->x() + glyphs->width(), names->y());
}

}  // namespace

MainWindow::MainWindow(SkyState& skyState, MainWindowServices services, QWidget* parent)
    : QWidget(parent), sky(skyState), services_(std::move(services)), pacer_(services_.clock) {
  printPageWidth = static_cast<std::uint16_t>(services_.printPage.width());
  printPageHeight = static_cast<std::uint16_t>(services_.printPage.height());
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kCream);
  setFont(PointFont(kSansSerif, 8));

  dialView = new DialView(this);
  dialView->setGeometry(0, 0, kDialWidth, kClientHeight);

  CreateInstantPanel();
  CreateSearchPanel();
  CreatePositionPanel();
  CreateInfoPanel();
  CreateDialControls();
  CreateLegends();
  CreateSourcePanel();
  SetHints();

  tickTimer = new QTimer(this);
  tickTimer->setTimerType(Qt::PreciseTimer);
  connect(tickTimer, &QTimer::timeout, this, &MainWindow::Tick);
  connect(rateSlider, &QScrollBar::valueChanged, this, &MainWindow::ChangeRate);
  connect(haltButton, &QPushButton::clicked, this, &MainWindow::HaltOrContinue);
  connect(realTimeButton, &QPushButton::clicked, this, &MainWindow::GoToRealTime);
  connect(lastInstantButton, &QPushButton::clicked, this, &MainWindow::ReloadLastInstant);
  connect(dateTimePlaceButton, &QPushButton::clicked, this, &MainWindow::EditDateTimePlace);
  connect(intervalButton, &QPushButton::clicked, this, &MainWindow::EditInterval);
  CreateSearchControls();
  connect(enlargeButton, &QPushButton::clicked, this, &MainWindow::ShowEnlargedChart);
  connect(introductionButton, &QPushButton::clicked, this, &MainWindow::ShowIntroduction);
}

void MainWindow::CreateInstantPanel() {
  instantPanel = MakePanel(this, {529, 6, 233, 145}, kMoneyGreen);
  dateLabel = MakeLabel(instantPanel, QString(), {6, 4, 100, 16});
  timeLabel = MakeLabel(instantPanel, QString(), {108, 4, 122, 16});
  timeLabel->setFont(PointFont(kSansSerif, 8, true));
  placeLabel = MakeLabel(instantPanel, QString(), {6, 22, 221, 16});
  dateTimePlaceButton = MakeButton(instantPanel, "&Datum/Zeit/Ort", {6, 40, 108, 23});
  intervalButton = MakeButton(instantPanel, "&Intervall", {119, 40, 108, 23});
  intervalLabel = MakeLabel(instantPanel, QString(), {6, 68, 100, 16});
  speedLabel = MakeLabel(instantPanel, QString(), {112, 68, 80, 16});
  rateLabel = MakeLabel(instantPanel, "1", {196, 68, 31, 16});
  rateSlider = new QScrollBar(Qt::Horizontal, instantPanel);
  rateSlider->setGeometry(6, 86, 221, 17);
  rateSlider->setRange(0, kSliderRange);
  rateSlider->setValue(SliderPositionFromRate(1));
  realTimeButton = MakeButton(instantPanel, "&Real Time  ", {6, 110, 108, 27});
  realTimeButton->setIcon(RealTimePicture());
  realTimeButton->setLayoutDirection(Qt::RightToLeft);  // picture right of the caption
  lastInstantButton = MakeButton(instantPanel, "Alt-Datum/&Zeit", {119, 110, 108, 27});
}

void MainWindow::CreateSearchPanel() {
  searchPanel = MakePanel(this, {529, 154, 232, 91}, kNavy);
  haltButton = MakeButton(searchPanel, "&Halt", {6, 6, 104, 38});
  haltButton->setFont(PixelFont(kSansSerif, 16, true));
  haltButton->setDefault(true);
  haltButton->setAutoDefault(true);
  fullMoonButton = MakeButton(searchPanel, QString(), {116, 6, 53, 38});
  newMoonButton = MakeButton(searchPanel, QString(), {174, 6, 53, 38});
  fullMoonButton->setIcon(FullMoonPicture());
  newMoonButton->setIcon(NewMoonPicture());
  for (QPushButton* moon : {fullMoonButton, newMoonButton}) moon->setIconSize({24, 24});
  riseButton = MakeButton(searchPanel, "&Aufgang", {6, 52, 71, 31});
  culminationButton = MakeButton(searchPanel, "&Kulminat.", {81, 52, 71, 31});
  setButton = MakeButton(searchPanel, "&Unterg.", {156, 52, 71, 31});
}

void MainWindow::CreatePositionPanel() {
  positionPanel = MakePanel(this, {529, 248, 233, 236}, kCream);
  positionList = MakeTextBox(positionPanel, {2, 2, 229, 232});
  positionList->setFont(PixelFont(kCourier, 13, true));
  SetColours(positionList, kCream, kNavy);
}

void MainWindow::CreateInfoPanel() {
  infoPanel = MakePanel(this, {529, 486, 233, 62}, kTeal);
  sourceButton = MakeButton(infoPanel, "&Quell-Information", {4, 4, 113, 25});
  introductionButton = MakeButton(infoPanel, "Progr.&Einführung", {120, 4, 109, 25});
  introductionButton->setEnabled(false);
  legendButton = MakeButton(infoPanel, "Zeiche&n", {4, 33, 70, 25});
  endButton = MakeButton(infoPanel, "&Beenden", {120, 33, 109, 25});
  endButton->setFont(PixelFont(kSansSerif, 13, true));
  searchProgress = new QProgressBar(infoPanel);
  searchProgress->setGeometry(4, 33, 225, 25);
  searchProgress->setRange(0, kProgressHours);
  searchProgress->setTextVisible(false);
  searchProgress->hide();
  connect(endButton, &QPushButton::clicked, this, &MainWindow::End);
  connect(sourceButton, &QPushButton::clicked, this, &MainWindow::ToggleSourceInformation);
  connect(legendButton, &QPushButton::clicked, this, &MainWindow::ToggleLegend);
}

void MainWindow::CreateDialControls() {
  statusLabel = MakeLabel(this, QString(), {393, 2, 0, 0});
  statusLabel->setFont(PixelFont(kCourier, 13, true));
  SetColours(statusLabel, kNavy, kLime);
  searchResultLabel = MakeLabel(this, QString(), {3, 2, 0, 0});
  searchResultLabel->setFont(PixelFont(kSansSerif, 13, true));
  SetColours(searchResultLabel, kNavy, kYellow);
  searchProgressLabel = MakeLabel(this, QString(), {1, 245, 0, 0});
  searchProgressLabel->setFont(PixelFont(kTimesFace, 32));
  SetColours(searchProgressLabel, kNavy, kYellow);
  searchProgressLabel->hide();
  enlargeButton =
      MakeButton(this, "&Vergrößern  (Diagramm Drucken / Speichern)", {132, 528, 261, 22});
}

void MainWindow::CreateLegends() {
  const QFont symbolFont = PixelFont(kSymbolFontFamily, 13);
  const QFont nameFont = PixelFont(kSansSerif, 13);
  allFactorGlyphs = MakeTextBox(this, {8, 160, 21, 361});
  allFactorNames = MakeTextBox(this, {29, 160, 100, 361});
  twelveFactorGlyphs = MakeTextBox(this, {392, 320, 21, 201});
  twelveFactorNames = MakeTextBox(this, {413, 320, 100, 201});
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    const QString glyph(QChar(FactorGlyph(factor)));
    const QString name = QString::fromLatin1(kLegendNames[factor].data(),
                                             static_cast<int>(kLegendNames[factor].size()));
    allFactorGlyphs->appendPlainText(glyph);
    allFactorNames->appendPlainText(name);
    if (InFactorSet(factor, false)) {
      twelveFactorGlyphs->appendPlainText(glyph);
      twelveFactorNames->appendPlainText(name);
    }
  }
  for (QPlainTextEdit* memo :
       {allFactorGlyphs, allFactorNames, twelveFactorGlyphs, twelveFactorNames}) {
    memo->setFont(memo == allFactorGlyphs || memo == twelveFactorGlyphs ? symbolFont : nameFont);
    SetColours(memo, kCream, kNavy);
    memo->hide();
  }
  FitLegend(allFactorGlyphs, allFactorNames);
  FitLegend(twelveFactorGlyphs, twelveFactorNames);
}

void MainWindow::CreateSourcePanel() {
  sourcePanel = MakePanel(this, {77, 208, 364, 105}, kMoneyGreen);
  sourceText = MakeTextBox(sourcePanel, {4, 4, 356, 76});
  sourceText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  sourceText->setPlainText(QString::fromUtf8(main_window_texts::kSourceInformation));
  preciseBox = new QCheckBox(QString::fromUtf8(main_window_texts::kPreciseChoice), sourcePanel);
  preciseBox->setGeometry(4, 82, 356, 20);
  connect(preciseBox, &QCheckBox::toggled, this, &MainWindow::ChooseComputation);
  sourcePanel->hide();
}

void MainWindow::SetHints() {
  namespace t = main_window_texts;
  const std::pair<QWidget*, const char*> hints[] = {{enlargeButton, t::kEnlargeHint},
                                                    {dateTimePlaceButton, t::kDateTimePlaceHint},
                                                    {intervalButton, t::kIntervalHint},
                                                    {rateSlider, t::kRateHint},
                                                    {realTimeButton, t::kRealTimeHint},
                                                    {lastInstantButton, t::kLastInstantHint},
                                                    {sourceButton, t::kSourceHint},
                                                    {introductionButton, t::kIntroductionHint},
                                                    {endButton, t::kEndHint},
                                                    {legendButton, t::kLegendHint},
                                                    {haltButton, t::kHaltHint},
                                                    {riseButton, t::kRiseHint},
                                                    {setButton, t::kSetHint},
                                                    {culminationButton, t::kCulminationHint},
                                                    {fullMoonButton, t::kFullMoonHint},
                                                    {newMoonButton, t::kNewMoonHint},
                                                    {positionList, t::kPositionListHint}};
  for (const auto& [widget, hint] : hints) {
    widget->setToolTip(QString::fromUtf8(hint));
    widget->setToolTipDuration(kHintMilliseconds);
  }
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, ToQColor(kYellow));
  tips.setColor(QPalette::ToolTipText, ToQColor(kBlack));
  QToolTip::setPalette(tips);
  QToolTip::setFont(PointFont(kLowerSansSerifFace, 8));
}

void MainWindow::SetControlButtonsEnabled(bool on) {
  for (QPushButton* button : {endButton, dateTimePlaceButton, intervalButton, haltButton,
                              sourceButton, introductionButton, legendButton, realTimeButton}) {
    button->setEnabled(on);
  }
  if (!on) {
    lastInstantButton->setEnabled(false);
  } else if (stateFileLoaded) {
    lastInstantButton->setEnabled(true);
  }
}

void MainWindow::SetSearchButtonsEnabled(bool on) {
  for (QPushButton* button :
       {enlargeButton, riseButton, setButton, culminationButton, fullMoonButton, newMoonButton}) {
    button->setEnabled(on);
  }
}

void MainWindow::ShowStatus(bool running) {
  SetTextColour(statusLabel, running ? kLime : kRed);
  statusLabel->setText(running ? " Diagramm dreht " : " Diagramm steht ");
  statusLabel->adjustSize();
}

void MainWindow::ShowHalted() {
  tickTimer->stop();
  ShowStatus(false);
  haltButton->setText("&Weiter");
}

void MainWindow::ShowRunning() {
  tickTimer->start();
  pacer_.Restart();
  ShowStatus(true);
  haltButton->setText("&Halt");
}

void MainWindow::ShowInstant() {
  constexpr double kGreenwichBound = 0.0002;
  dateLabel->setText(
      FromWindows1252(WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText));
  SetTextColour(timeLabel, sky.longitude < kGreenwichBound ? kGreen : kMaroon);
  timeLabel->setText(FromWindows1252(FormatHours(sky.hours) + " WZ/GMT"));
}

void MainWindow::ShowPlace() {
  placeLabel->setText(
      FromWindows1252(FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth)));
}

void MainWindow::End() {
  close();
}

void MainWindow::ChooseComputation(bool precise) {
  computationMode = precise ? ComputationMode::kPrecise : ComputationMode::kOwn;
  SaveComputationMode(computationMode);
  UpdateDial();
}

void MainWindow::ToggleSourceInformation() {
  if (!sourcePanel->isHidden()) {
    SetControlButtonsEnabled(true);
    SetSearchButtonsEnabled(true);
    sourcePanel->hide();
    return;
  }
  SetControlButtonsEnabled(false);
  SetSearchButtonsEnabled(false);
  sourceButton->setEnabled(true);
  ShowHalted();
  sourcePanel->show();
  sourcePanel->raise();
  sourceButton->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !sourcePanel->isHidden()) return ToggleSourceInformation();
  QWidget::keyPressEvent(event);
}

void MainWindow::ToggleLegend() {
  QPlainTextEdit* glyphs = display.transplutonian ? allFactorGlyphs : twelveFactorGlyphs;
  QPlainTextEdit* names = display.transplutonian ? allFactorNames : twelveFactorNames;
  glyphs->setHidden(!glyphs->isHidden());
  names->setHidden(!names->isHidden());
}

}  // namespace sternwerk
