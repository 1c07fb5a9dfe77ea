// The clock window's controls: its panels, the labels over the dial, the
// legends, the hints and the object names.
#include <QCoreApplication>
#include <QToolTip>
#include <utility>

#include "charts/factor_legend.h"
#include "charts/position_list_text.h"
#include "clock/clock_step.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/qt_text.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"
#include "windows/button_pictures.h"
#include "windows/computation_setting.h"
#include "windows/dial_view.h"
#include "windows/main_window.h"
#include "windows/main_window_layout.h"
#include "windows/main_window_texts.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

using namespace main_window_layout;

constexpr int kSliderRange = 40;
constexpr int kHintMilliseconds = 15000;
constexpr int kProgressHours = 24;

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

void MainWindow::CreateInstantPanel() {
  instantPanel = MakePanel(this, {529, 6, 233, 145}, kMoneyGreen);
  dateLabel = MakeLabel(instantPanel, QString(), {6, 4, 100, 16});
  timeLabel = MakeLabel(instantPanel, QString(), {108, 4, 122, 16});
  timeLabel->setFont(PointFont(kSansSerif, 8, true));
  placeLabel = MakeLabel(instantPanel, QString(), {6, 22, kPlaceLineWidth, 16});
  universalTimeLabel = MakeLabel(instantPanel, QString(), {106, 22, 124, 16});
  universalTimeLabel->hide();
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
  searchPanel = MakePanel(this, {529, kSearchPanelTop, 232, kSearchPanelHeight}, kNavy);
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
  solarEclipseButton = MakeButton(searchPanel, tr("&Sonnenfinsternis"), {6, 88, 108, 25});
  lunarEclipseButton = MakeButton(searchPanel, tr("M&ondfinsternis"), {119, 88, 108, 25});
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
  skyHereButton = MakeButton(this, tr("Hi&mmel hier"), {399, 528, 118, 22});
  chartsButton = MakeButton(this, tr("Horosko&pe"), {4, 528, 124, 22});
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
  sourcePanel = MakePanel(this, {77, 208, 364, 197}, kMoneyGreen);
  sourceText = MakeTextBox(sourcePanel, {4, 4, 356, 76});
  sourceText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  sourceText->setPlainText(tr(main_window_texts::kSourceInformation)
                               .arg(QuotedHeading(ComputationUsed::kEphemerisFiles),
                                    QuotedHeading(ComputationUsed::kOwnAfterFailure)) +
                           tr(main_window_texts::kAstrologyInformation));
  preciseBox = new QCheckBox(tr(main_window_texts::kPreciseChoice), sourcePanel);
  preciseBox->setGeometry(4, 82, 356, 20);
  connect(preciseBox, &QCheckBox::toggled, this, &MainWindow::ChooseComputation);
  horizonBox = new QCheckBox(tr(main_window_texts::kHorizonChoice), sourcePanel);
  horizonBox->setGeometry(4, 104, 356, 20);
  connect(horizonBox, &QCheckBox::toggled, this, &MainWindow::ChooseHorizonSearch);
  factorSetBox = new QCheckBox(tr(main_window_texts::kFactorSetChoice), sourcePanel);
  factorSetBox->setGeometry(4, 126, 356, 20);
  connect(factorSetBox, &QCheckBox::toggled, this, &MainWindow::ChooseFactorSet);
  astrologyBox = new QCheckBox(tr(main_window_texts::kAstrologyChoice), sourcePanel);
  astrologyBox->setGeometry(4, 148, 356, 20);
  connect(astrologyBox, &QCheckBox::toggled, this, &MainWindow::ChooseAstrology);
  houseSystemBox = new QComboBox(sourcePanel);
  houseSystemBox->setGeometry(4, 170, 250, 22);
  for (const char letter : HouseSystemLetters()) {
    const HouseSystem system = *HouseSystemOfLetter(letter);
    houseSystemBox->addItem(QString::fromStdString(HouseSystemName(system)), QChar(letter));
  }
  connect(houseSystemBox, &QComboBox::currentIndexChanged, this, &MainWindow::ChooseAstrology);
  orbsButton = MakeButton(sourcePanel, tr(main_window_texts::kOrbsButton), {260, 170, 100, 22});
  connect(orbsButton, &QPushButton::clicked, this, &MainWindow::EditOrbs);
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
                                                    {solarEclipseButton, t::kSolarEclipseHint},
                                                    {lunarEclipseButton, t::kLunarEclipseHint},
                                                    {positionList, t::kPositionListHint},
                                                    {skyHereButton, t::kSkyHereHint},
                                                    {chartsButton, t::kChartsHint}};
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
                                                    {universalTimeLabel, "universalTimeLabel"},
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
                                                    {solarEclipseButton, "solarEclipseButton"},
                                                    {lunarEclipseButton, "lunarEclipseButton"},
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
                                                    {skyHereButton, "skyHereButton"},
                                                    {chartsButton, "chartsButton"},
                                                    {sourcePanel, "sourcePanel"},
                                                    {sourceText, "sourceText"},
                                                    {preciseBox, "preciseBox"},
                                                    {horizonBox, "horizonBox"},
                                                    {factorSetBox, "factorSetBox"},
                                                    {astrologyBox, "astrologyBox"},
                                                    {houseSystemBox, "houseSystemBox"},
                                                    {orbsButton, "orbsButton"},
                                                    {tickTimer, "tickTimer"}};
  for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));
}

}  // namespace sternwerk
