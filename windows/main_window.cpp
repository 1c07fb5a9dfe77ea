#include "windows/main_window.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <utility>

#include "charts/position_list_text.h"
#include "clock/clock_step.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"
#include "places/qt/civil_time.h"
#include "places/qt/place_time_text.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/astrology_setting.h"
#include "windows/computation_setting.h"
#include "windows/dial_view.h"
#include "windows/main_window_layout.h"
#include "windows/main_window_texts.h"
#include "windows/orbs_dialog.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

using namespace main_window_layout;

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 550;
constexpr int kDialWidth = 529;
// Between the place's name and its local time.
constexpr const char* kNameSeparator = " \u00B7 ";

}  // namespace

MainWindow::MainWindow(Clock& clock, MainWindowServices services, SecondaryWindows windows,
                       QWidget* parent)
    : QWidget(parent), clock_(clock), services_(std::move(services)), windows_(windows) {
  clock_.SetPlaceTimeRules(SystemPlaceTimeRules());
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
  connect(skyHereButton, &QPushButton::clicked, this, &MainWindow::ShowSkyHere);
  connect(chartsButton, &QPushButton::clicked, this, &MainWindow::ShowChartCollection);
  NameWidgets();
}

void MainWindow::CreatePositionPanel() {
  positionPanel = MakePanel(this, {529, kPositionPanelTop, 233, kPositionPanelHeight}, kCream);
  positionList = new PositionListView(positionPanel);
  positionList->setGeometry(2, 2, 229, kPositionPanelHeight - 4);
  positionList->setFont(PixelFont(kCourier, 13, true));
  SetColours(positionList, kCream, kNavy);
}

void MainWindow::ShowClock() {
  ShowRunState();
  ShowTexts();
  ShowButtonGroups();
}

// The timer runs at the clock's interval; a running timer keeps its phase
// unless the interval changes.
void MainWindow::ShowRunState() {
  const bool running = clock_.running();
  if (!running) {
    tickTimer->stop();
  } else if (!tickTimer->isActive() || tickTimer->interval() != clock_.timerInterval()) {
    tickTimer->start(clock_.timerInterval());
  }
  ShowStatus(running);
  haltButton->setText(running ? tr("&Halt") : tr("&Weiter"));
}

void MainWindow::ShowStatus(bool running) {
  const QString status = running ? tr(" Diagramm dreht ") : tr(" Diagramm steht ");
  if (statusLabel->text() == status) return;
  SetTextColour(statusLabel, running ? kLime : kRed);
  statusLabel->setText(status);
  statusLabel->adjustSize();
}

void MainWindow::ShowTexts() {
  ShowTimeLines();
  placeLabel->setText(FromWindows1252(clock_.PlaceLine()));
  ShowPlaceTime();
  intervalLabel->setText(FromWindows1252(clock_.IntervalLine()));
  speedLabel->setText(FromWindows1252(clock_.SpeedLine()));
  rateLabel->setText(FromWindows1252(clock_.RateLine()));
  {
    const QSignalBlocker quiet(rateSlider);  // the clock has the rate already
    rateSlider->setValue(clock_.sliderPosition());
  }
  const QString searchResult = FromWindows1252(clock_.SearchResultLine());
  if (searchResultLabel->text() != searchResult) {
    searchResultLabel->setText(searchResult);
    searchResultLabel->adjustSize();
  }
  searchResultLabel->setHidden(searchResult.isEmpty());
}

// The Universal Time, where the time line shows the local time, stands
// below it, beside the place's coordinates.
void MainWindow::ShowTimeLines() {
  const Clock::InstantTexts lines = clock_.InstantLines();
  dateLabel->setText(FromWindows1252(lines.date));
  SetTextColour(timeLabel, clock_.AtOrWestOfGreenwich() ? kGreen : kMaroon);
  timeLabel->setText(FromWindows1252(lines.time));
  const QString universal = FromWindows1252(lines.universal);
  universalTimeLabel->setText(universal);
  universalTimeLabel->setHidden(universal.isEmpty());
  placeLabel->resize(universal.isEmpty() ? kPlaceLineWidth : kPlaceLineBesideTime,
                     placeLabel->height());
}

// The time stays whole; a name too long for the rest is cut short, and is
// whole in the label's hint.
void MainWindow::ShowPlaceTime() {
  const PlaceTimeParts parts = PlaceTimeAt(clock_.placeIdentity(), clock_.sky());
  if (parts.zoneProblem.empty()) {
    zoneReport_.Rearm();
  } else {
    zoneReport_.Error(parts.zoneProblem);
  }
  const QString time = QString::fromStdString(parts.time);
  const QString name = QString::fromStdString(parts.name);
  QString text = time;
  if (!name.isEmpty()) {
    const QString separator = QString::fromUtf8(kNameSeparator);
    const QFontMetrics metrics(placeTimeLabel->font());
    const int nameRoom = kPlaceTimeWidest - metrics.horizontalAdvance(separator + time);
    text = metrics.elidedText(name, Qt::ElideRight, nameRoom) + separator + time;
  }
  placeTimeLabel->setToolTip(name);
  if (placeTimeLabel->text() != text) {
    placeTimeLabel->setText(text);
    placeTimeLabel->adjustSize();
    placeTimeLabel->move(kPlaceTimeBottomRight -
                         QPoint(placeTimeLabel->width() - 1, placeTimeLabel->height() - 1));
  }
  placeTimeLabel->show();
}

void MainWindow::ShowButtonGroups() {
  const bool controls = clock_.controlsEnabled();
  for (QPushButton* button : {endButton, dateTimePlaceButton, intervalButton, haltButton,
                              introductionButton, legendButton, realTimeButton}) {
    button->setEnabled(controls);
  }
  sourceButton->setEnabled(controls || sourceButtonHeld_);
  lastInstantButton->setEnabled(clock_.lastInstantEnabled());
  for (QPushButton* button :
       {enlargeButton, chartsButton, riseButton, setButton, culminationButton, fullMoonButton,
        newMoonButton, solarEclipseButton, lunarEclipseButton}) {
    button->setEnabled(clock_.searchesEnabled());
  }
}

void MainWindow::End() {
  close();
}

void MainWindow::ChooseComputation(bool precise) {
  const ComputationMode mode = precise ? ComputationMode::kPrecise : ComputationMode::kOwn;
  clock_.ChooseComputation(mode);
  SaveComputationMode(mode);
  UpdateDial();
}

void MainWindow::ChooseHorizonSearch(bool atHorizon) {
  clock_.ChooseHorizonSearch(atHorizon);
  SaveHorizonSearch(atHorizon);
}

void MainWindow::ChooseFactorSet(bool transplutonian) {
  const bool legendShown = LegendShown();
  if (legendShown) ToggleLegend();
  clock_.ChooseFactorSet(transplutonian);
  if (legendShown) ToggleLegend();
  if (LoadFactorSetAnswer()) SaveFactorSetAnswer(transplutonian);
  UpdateDial();
}

void MainWindow::ChooseAstrology() {
  astrology_.shown = astrologyBox->isChecked();
  const QString letter = houseSystemBox->currentData().toString();
  if (letter.size() == 1)
    astrology_.system = HouseSystemOfLetter(letter[0].toLatin1()).value_or(kDefaultHouseSystem);
  SaveAstrologyChoices(astrology_);
  UpdateDial();
}

void MainWindow::EditOrbs() {
  if (orbsDialog == nullptr) {
    orbsDialog = new OrbsDialog(this);
    orbsDialog->setObjectName(QStringLiteral("orbsDialog"));
  }
  orbsDialog->SetOrbs(astrology_.orbs);
  if (orbsDialog->exec() != QDialog::Accepted) return;
  astrology_.orbs = orbsDialog->orbs();
  SaveAstrologyChoices(astrology_);
}

void MainWindow::ShowAstrologyChoices() {
  const QSignalBlocker quietBox(astrologyBox);
  const QSignalBlocker quietSystems(houseSystemBox);
  astrologyBox->setChecked(astrology_.shown);
  houseSystemBox->setCurrentIndex(
      houseSystemBox->findData(QChar(static_cast<char>(astrology_.system))));
}

void MainWindow::ToggleSourceInformation() {
  if (!sourcePanel->isHidden()) {
    sourceButtonHeld_ = false;
    clock_.EndPause();
    ShowClock();
    sourcePanel->hide();
    return;
  }
  sourceButtonHeld_ = true;
  clock_.BeginPause();
  ShowClock();
  sourcePanel->show();
  sourcePanel->raise();
  sourceButton->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !sourcePanel->isHidden()) return ToggleSourceInformation();
  if (event->key() == Qt::Key_Escape && LegendShown()) return ToggleLegend();
  QWidget::keyPressEvent(event);
}

void MainWindow::ToggleLegend() {
  const bool all = clock_.display().transplutonian;
  const bool hidden = LegendShown();
  (all ? allFactorLegend : twelveFactorLegend).SetHidden(hidden);
  (all ? allSignLegend : twelveSignLegend).SetHidden(hidden);
}

bool MainWindow::LegendShown() const {
  return !(clock_.display().transplutonian ? allFactorLegend : twelveFactorLegend)
              .glyphs->isHidden();
}

}  // namespace sternwerk
