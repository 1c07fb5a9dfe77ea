#include "windows/main_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QToolTip>
#include <utility>

#include "charts/factor_legend.h"
#include "charts/position_list_text.h"
#include "clock/clock_step.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/place_time_text.h"
#include "platform/qt_text.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"
#include "windows/button_pictures.h"
#include "windows/computation_setting.h"
#include "windows/dial_view.h"
#include "windows/main_window_texts.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 550;
constexpr int kDialWidth = 529;
constexpr int kSliderRange = 40;
constexpr int kHintMilliseconds = 15000;
constexpr int kProgressHours = 24;
// The place's local time stands in the dial's lower right corner, below the
// rings of the factor labels, as the clock status stands in its upper right
// one; it is as wide as its text, at most kPlaceTimeWidest.
constexpr QPoint kPlaceTimeBottomRight{517, 518};
constexpr int kPlaceTimeWidest = 236;
// Between the place's name and its local time.
constexpr const char* kNameSeparator = " \u00B7 ";
const QString kSansSerif = kSansSerifFace;
const QString kCourier = kCourierFace;

// The legends' left edges; each ends kLegendGap above the place's local
// time, which stays readable beneath it.
constexpr int kAllFactorLegendLeft = 8;
constexpr int kTwelveFactorLegendLeft = 392;
constexpr int kLegendGap = 4;  // between a factor legend and its sign legend or the time

QString LegendText(const char* germanText) {
  return QCoreApplication::translate(kLegendContext, germanText);
}

// The sign legend's lines: each sign's glyph beside its abbreviation and
// name, then GZ, which has no glyph, spelled out.
std::pair<QStringList, QStringList> SignLegendLines() {
  QStringList glyphs, names;
  for (std::size_t sign = 0; sign < kSignNames.size(); ++sign) {
    glyphs << FromWindows1252(kSignGlyphs.substr(sign, 1));
    names << QString::fromStdString(ShownSignAbbreviation(static_cast<int>(sign))) +
                 QStringLiteral("  ") + LegendText(kSignNames[sign]);
  }
  glyphs << QString();
  names << QString::fromStdString(ShownFactorCode(kGZ)) + QStringLiteral("   ") +
               LegendText(kGZName);
  return {glyphs, names};
}

// A heading of the position list as the source information quotes it,
// without its leading blank and colon: "Die Positionen (genau)".
QString QuotedHeading(ComputationUsed computation) {
  QString heading = QString::fromStdString(PositionListHeading(computation)).trimmed();
  if (heading.endsWith(QLatin1Char(':'))) heading.chop(1);
  return heading;
}

}  // namespace

MainWindow::MainWindow(Clock& clock, MainWindowServices services, SecondaryWindows windows,
                       QWidget* parent)
    : QWidget(parent), clock_(clock), services_(std::move(services)), windows_(windows) {
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
  NameWidgets();
}

void MainWindow::CreateInstantPanel() {
  instantPanel = MakePanel(this, {529, 6, 233, 145}, kMoneyGreen);
  dateLabel = MakeLabel(instantPanel, QString(), {6, 4, 100, 16});
  timeLabel = MakeLabel(instantPanel, QString(), {108, 4, 122, 16});
  timeLabel->setFont(PointFont(kSansSerif, 8, true));
  placeLabel = MakeLabel(instantPanel, QString(), {6, 22, 221, 16});
  dateTimePlaceButton = MakeButton(instantPanel, tr("&Datum/Zeit/Ort"), {6, 40, 108, 23});
  intervalButton = MakeButton(instantPanel, tr("&Intervall"), {119, 40, 108, 23});
  intervalLabel = MakeLabel(instantPanel, QString(), {6, 68, 100, 16});
  speedLabel = MakeLabel(instantPanel, QString(), {112, 68, 80, 16});
  rateLabel = MakeLabel(instantPanel, "1", {196, 68, 31, 16});
  rateSlider = new QScrollBar(Qt::Horizontal, instantPanel);
  rateSlider->setGeometry(6, 86, 221, 17);
  rateSlider->setRange(0, kSliderRange);
  rateSlider->setValue(SliderPositionFromRate(1));
  realTimeButton = MakeButton(instantPanel, tr("&Real Time  "), {6, 110, 108, 27});
  realTimeButton->setIcon(RealTimePicture());
  realTimeButton->setLayoutDirection(Qt::RightToLeft);  // picture right of the caption
  lastInstantButton = MakeButton(instantPanel, tr("Alt-Datum/&Zeit"), {119, 110, 108, 27});
}

void MainWindow::CreateSearchPanel() {
  searchPanel = MakePanel(this, {529, 154, 232, 91}, kNavy);
  haltButton = MakeButton(searchPanel, tr("&Halt"), {6, 6, 104, 38});
  haltButton->setFont(PixelFont(kSansSerif, 16, true));
  haltButton->setDefault(true);
  haltButton->setAutoDefault(true);
  fullMoonButton = MakeButton(searchPanel, QString(), {116, 6, 53, 38});
  newMoonButton = MakeButton(searchPanel, QString(), {174, 6, 53, 38});
  fullMoonButton->setIcon(FullMoonPicture());
  newMoonButton->setIcon(NewMoonPicture());
  for (QPushButton* moon : {fullMoonButton, newMoonButton}) moon->setIconSize({24, 24});
  riseButton = MakeButton(searchPanel, tr("&Aufgang"), {6, 52, 71, 31});
  culminationButton = MakeButton(searchPanel, tr("&Kulminat."), {81, 52, 71, 31});
  setButton = MakeButton(searchPanel, tr("&Unterg."), {156, 52, 71, 31});
}

void MainWindow::CreatePositionPanel() {
  positionPanel = MakePanel(this, {529, 248, 233, 236}, kCream);
  positionList = new PositionListView(positionPanel);
  positionList->setGeometry(2, 2, 229, 232);
  positionList->setFont(PixelFont(kCourier, 13, true));
  SetColours(positionList, kCream, kNavy);
}

void MainWindow::CreateInfoPanel() {
  infoPanel = MakePanel(this, {529, 486, 233, 62}, kTeal);
  sourceButton = MakeButton(infoPanel, tr("&Quell-Information"), {4, 4, 113, 25});
  introductionButton = MakeButton(infoPanel, tr("Progr.&Einführung"), {120, 4, 109, 25});
  introductionButton->setEnabled(false);
  legendButton = MakeButton(infoPanel, tr("Zeiche&n"), {4, 33, 70, 25});
  endButton = MakeButton(infoPanel, tr("&Beenden"), {120, 33, 109, 25});
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
      MakeButton(this, tr("&Vergrößern  (Diagramm Drucken / Speichern)"), {132, 528, 261, 22});
  placeTimeLabel = MakeLabel(this, QString(), kPlaceTimeBottomRight);
  SetColours(placeTimeLabel, kNavy, kYellow);
  placeTimeLabel->hide();
}

// The 22-factor legend stands at the dial's left edge with the signs to its
// right; the 12-factor one at the dial's lower right with the signs to its
// left; all end at the same height, above the place's local time.
void MainWindow::CreateLegends() {
  const LegendFonts fonts{PixelFont(kSymbolFontFamily, 13), PixelFont(kSansSerif, 13)};
  QStringList allGlyphs, allNames, twelveGlyphs, twelveNames;
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    const QString glyph(QChar(FactorGlyph(factor)));
    const QString name = LegendText(kLegendNames[factor]);
    allGlyphs << glyph;
    allNames << name;
    if (InFactorSet(factor, false)) {
      twelveGlyphs << glyph;
      twelveNames << name;
    }
  }
  const auto [signGlyphs, signNames] = SignLegendLines();
  allFactorLegend = MakeLegend(this, allGlyphs, allNames, fonts);
  twelveFactorLegend = MakeLegend(this, twelveGlyphs, twelveNames, fonts);
  allSignLegend = MakeLegend(this, signGlyphs, signNames, fonts);
  twelveSignLegend = MakeLegend(this, signGlyphs, signNames, fonts);
  const std::pair<const LegendMemos&, QString> named[] = {{allFactorLegend, "allFactor"},
                                                          {twelveFactorLegend, "twelveFactor"},
                                                          {allSignLegend, "allSign"},
                                                          {twelveSignLegend, "twelveSign"}};
  for (const auto& [legend, name] : named) {
    legend.glyphs->setObjectName(name + "Glyphs");
    legend.names->setObjectName(name + "Names");
    for (QTextEdit* memo : {legend.glyphs, legend.names}) SetColours(memo, kCream, kNavy);
  }

  const int bottom =
      kPlaceTimeBottomRight.y() - placeTimeLabel->fontMetrics().height() - kLegendGap;
  const auto endingAtBottom = [bottom](const LegendMemos& legend, int left) {
    legend.MoveTo({left, bottom - legend.size().height()});
  };
  endingAtBottom(allFactorLegend, kAllFactorLegendLeft);
  endingAtBottom(allSignLegend, kAllFactorLegendLeft + allFactorLegend.size().width() + kLegendGap);
  endingAtBottom(twelveFactorLegend, kTwelveFactorLegendLeft);
  endingAtBottom(twelveSignLegend,
                 kTwelveFactorLegendLeft - twelveSignLegend.size().width() - kLegendGap);
}

void MainWindow::CreateSourcePanel() {
  sourcePanel = MakePanel(this, {77, 208, 364, 149}, kMoneyGreen);
  sourceText = MakeTextBox(sourcePanel, {4, 4, 356, 76});
  sourceText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  sourceText->setPlainText(tr(main_window_texts::kSourceInformation)
                               .arg(QuotedHeading(ComputationUsed::kEphemerisFiles),
                                    QuotedHeading(ComputationUsed::kOwnAfterFailure)));
  preciseBox = new QCheckBox(tr(main_window_texts::kPreciseChoice), sourcePanel);
  preciseBox->setGeometry(4, 82, 356, 20);
  connect(preciseBox, &QCheckBox::toggled, this, &MainWindow::ChooseComputation);
  horizonBox = new QCheckBox(tr(main_window_texts::kHorizonChoice), sourcePanel);
  horizonBox->setGeometry(4, 104, 356, 20);
  connect(horizonBox, &QCheckBox::toggled, this, &MainWindow::ChooseHorizonSearch);
  factorSetBox = new QCheckBox(tr(main_window_texts::kFactorSetChoice), sourcePanel);
  factorSetBox->setGeometry(4, 126, 356, 20);
  connect(factorSetBox, &QCheckBox::toggled, this, &MainWindow::ChooseFactorSet);
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
    widget->setToolTip(tr(hint));
    widget->setToolTipDuration(kHintMilliseconds);
  }
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, ToQColor(kYellow));
  tips.setColor(QPalette::ToolTipText, ToQColor(kBlack));
  QToolTip::setPalette(tips);
  QToolTip::setFont(PointFont(kLowerSansSerifFace, 8));
}

void MainWindow::NameWidgets() {
  const std::pair<QObject*, const char*> names[] = {{instantPanel, "instantPanel"},
                                                    {dateLabel, "dateLabel"},
                                                    {timeLabel, "timeLabel"},
                                                    {placeLabel, "placeLabel"},
                                                    {placeTimeLabel, "placeTimeLabel"},
                                                    {intervalLabel, "intervalLabel"},
                                                    {speedLabel, "speedLabel"},
                                                    {rateLabel, "rateLabel"},
                                                    {dateTimePlaceButton, "dateTimePlaceButton"},
                                                    {intervalButton, "intervalButton"},
                                                    {rateSlider, "rateSlider"},
                                                    {realTimeButton, "realTimeButton"},
                                                    {lastInstantButton, "lastInstantButton"},
                                                    {searchPanel, "searchPanel"},
                                                    {haltButton, "haltButton"},
                                                    {riseButton, "riseButton"},
                                                    {culminationButton, "culminationButton"},
                                                    {setButton, "setButton"},
                                                    {fullMoonButton, "fullMoonButton"},
                                                    {newMoonButton, "newMoonButton"},
                                                    {positionPanel, "positionPanel"},
                                                    {positionList, "positionList"},
                                                    {infoPanel, "infoPanel"},
                                                    {sourceButton, "sourceButton"},
                                                    {introductionButton, "introductionButton"},
                                                    {endButton, "endButton"},
                                                    {legendButton, "legendButton"},
                                                    {searchProgress, "searchProgress"},
                                                    {searchCancelButton, "searchCancelButton"},
                                                    {dialView, "dialView"},
                                                    {statusLabel, "statusLabel"},
                                                    {searchResultLabel, "searchResultLabel"},
                                                    {searchProgressLabel, "searchProgressLabel"},
                                                    {enlargeButton, "enlargeButton"},
                                                    {sourcePanel, "sourcePanel"},
                                                    {sourceText, "sourceText"},
                                                    {preciseBox, "preciseBox"},
                                                    {horizonBox, "horizonBox"},
                                                    {factorSetBox, "factorSetBox"},
                                                    {tickTimer, "tickTimer"}};
  for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));
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
  dateLabel->setText(FromWindows1252(clock_.DateLine()));
  SetTextColour(timeLabel, clock_.AtOrWestOfGreenwich() ? kGreen : kMaroon);
  timeLabel->setText(FromWindows1252(clock_.TimeLine()));
  placeLabel->setText(FromWindows1252(clock_.PlaceLine()));
  ShowPlaceTime();
  intervalLabel->setText(FromWindows1252(clock_.IntervalLine()));
  speedLabel->setText(FromWindows1252(clock_.SpeedLine()));
  rateLabel->setText(FromWindows1252(clock_.RateLine()));
  {
    const QSignalBlocker quiet(rateSlider);  // the clock has the rate already
    rateSlider->setValue(clock_.sliderPosition());
  }
  const QString searchResult = FromWindows1252(clock_.search().resultText);
  if (searchResultLabel->text() != searchResult) {
    searchResultLabel->setText(searchResult);
    searchResultLabel->adjustSize();
  }
  searchResultLabel->setHidden(searchResult.isEmpty());
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
       {enlargeButton, riseButton, setButton, culminationButton, fullMoonButton, newMoonButton}) {
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
  clock_.search().atHorizon = atHorizon;
  SaveHorizonSearch(atHorizon);
}

void MainWindow::ChooseFactorSet(bool transplutonian) {
  const bool legendShown = LegendShown();
  if (legendShown) ToggleLegend();
  clock_.display().transplutonian = transplutonian;
  if (legendShown) ToggleLegend();
  if (LoadFactorSetAnswer()) SaveFactorSetAnswer(transplutonian);
  UpdateDial();
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
