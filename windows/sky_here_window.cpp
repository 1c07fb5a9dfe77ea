#include "windows/sky_here_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/time_units.h"
#include "engine/calendar.h"
#include "engine/text_forms.h"
#include "places/local_time.h"
#include "places/qt/civil_time.h"
#include "places/zone_texts.h"
#include "platform/faces.h"
#include "platform/qt_text.h"
#include "platform/text_print_stream.h"
#include "platform/ui_style.h"
#include "windows/position_list_view.h"

namespace sternwerk {
namespace {

using namespace std::chrono_literals;

constexpr const char* kTitle = QT_TRANSLATE_NOOP("sternwerk::SkyHereWindow", "Himmel hier");
constexpr auto kShortestSpacing = 300ms;
// The updates take at most one part in this many of the real time: at 20
// ticks a second, under 0.3 ms a tick.
constexpr int kCostShare = 200;
// The table's size in characters of its face: its widest lines and all of
// them, with the Moon's phase, the six twilights and the source.
constexpr int kTableColumns = 148;
constexpr int kTableLines = 21;
constexpr int kTablePixels = 12;
constexpr int kPrintPoints = 8;
// The table box's frame and scroll bars around its characters.
constexpr QSize kTableFrame{30, 30};
// "Di, 08.12.2026 10:30:15 MEZ · 09:30:15 WZ/GMT · Berlin"
constexpr const char* kSeparator = " \u00B7 ";

// "HH:MM:SS" of a reading's time of day.
std::string TimeOfDay(ClockSeconds reading) {
  return FormatSeconds(ReadingOf(reading).secondOfDay);
}

std::string DateOf(ClockSeconds reading) {
  const ClockReading parts = ReadingOf(reading);
  return WeekdayName(parts.year, parts.month, parts.day) + ", " +
         DateText(parts.day, parts.month, parts.year);
}

}  // namespace

SkyHereWindow::SkyHereWindow(const SkyState& sky, const PlaceIdentity& place, Messages& messages,
                             QWidget* parent)
    : QDialog(parent),
      printerChoice(std::make_unique<PrintDialogChoice>(this)),
      sky_(sky),
      place_(place),
      messages_(messages),
      rules_(SystemPlaceTimeRules()) {
  setWindowTitle(tr(kTitle));
  SetColours(this, kNavy, kYellow);
  setFont(PointFont(kSansSerifFace, 8));

  instantLabel = new QLabel(this);
  eventClockLabel = new QLabel(this);
  table = new PositionListView(this);
  table->setFont(PixelFont(kCourierFace, kTablePixels));
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetColours(table, kCream, kNavy);
  copyButton = new QPushButton(tr("&Kopieren"), this);
  printButton = new QPushButton(tr("&Drucken"), this);
  backButton = new QPushButton(tr("&Zurück"), this);
  copyButton->setToolTip(tr(" Legt die Tafel als Text in die Zwischenablage "));
  printButton->setToolTip(tr(" Druckt die Tafel "));
  for (QPushButton* button : {copyButton, printButton, backButton}) button->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {copyButton, printButton, backButton}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instantLabel);
  layout->addWidget(eventClockLabel);
  layout->addWidget(table, 1);
  layout->addLayout(buttons);
  // Large enough for the whole table at first; the user may make it smaller.
  const QFontMetrics metrics(table->font());
  table->setMinimumSize(QSize(metrics.horizontalAdvance(QString(kTableColumns, QLatin1Char('0'))),
                              metrics.lineSpacing() * kTableLines) +
                        kTableFrame);
  adjustSize();
  table->setMinimumSize(0, 0);

  updateTimer = new QTimer(this);
  updateTimer->setSingleShot(true);
  connect(updateTimer, &QTimer::timeout, this, [this] {
    if (isVisible()) Update();
  });
  connect(copyButton, &QPushButton::clicked, this, &SkyHereWindow::Copy);
  connect(printButton, &QPushButton::clicked, this, &SkyHereWindow::Print);
  connect(backButton, &QPushButton::clicked, this, &QDialog::close);

  const std::pair<QObject*, const char*> names[] = {
      {instantLabel, "instantLabel"}, {eventClockLabel, "eventClockLabel"},
      {table, "skyHereTable"},        {copyButton, "copyButton"},
      {printButton, "printButton"},   {backButton, "backButton"},
      {updateTimer, "updateTimer"}};
  for (const auto& [object, name] : names) object->setObjectName(QString::fromLatin1(name));
}

void SkyHereWindow::SkyChanged() {
  if (!isVisible()) return;
  const RealTime present = now();
  const std::chrono::steady_clock::duration spacing = UpdateSpacing();
  if (!lastUpdate_ || present - *lastUpdate_ >= spacing) return Update();
  if (updateTimer->isActive()) return;
  updateTimer->start(
      std::chrono::ceil<std::chrono::milliseconds>(*lastUpdate_ + spacing - present));
}

std::chrono::steady_clock::duration SkyHereWindow::UpdateSpacing() const {
  return std::max<std::chrono::steady_clock::duration>(kShortestSpacing, lastCost_ * kCostShare);
}

void SkyHereWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Update();
}

void SkyHereWindow::Update() {
  updateTimer->stop();
  const RealTime started = now();
  const ClockSeconds instant = ClockSecondsOf(sky_.day, sky_.month, sky_.year, sky_.hours);
  const Outcome<SkyHere> sky = SkyAt(instant);
  QStringList tableLines;
  if (sky.ok()) {
    const SkyHereTable shown =
        SkyHereTableOf(sky.value(), [this](ClockSeconds event) { return EventClockText(event); });
    for (const std::string& line : SkyHereLines(shown)) tableLines << QString::fromStdString(line);
  } else {
    tableLines << tr("Die Swiss Ephemeris kann diesen Zeitpunkt nicht berechnen: %1")
                      .arg(QString::fromStdString(sky.error()));
  }
  instantLabel->setText(InstantLine(instant));
  eventClockLabel->setText(EventClockLine(instant));
  // The table keeps the part of it the user scrolled to.
  const int across = table->horizontalScrollBar()->value();
  const int down = table->verticalScrollBar()->value();
  table->ShowLines(tableLines);
  table->horizontalScrollBar()->setValue(across);
  table->verticalScrollBar()->setValue(down);
  lines_ = QStringList{instantLabel->text(), eventClockLabel->text(), QString()} + tableLines;
  lastUpdate_ = now();
  lastCost_ = *lastUpdate_ - started;
}

Outcome<SkyHere> SkyHereWindow::SkyAt(ClockSeconds instant) {
  const ObserverPlace observer{sky_.longitude, sky_.latitude, 0};
  const bool samePlace = day_ && dayPlace_.longitude == observer.longitude &&
                         dayPlace_.latitude == observer.latitude && dayZone_ == place_.timeZone;
  if (!samePlace || instant < day_->day.start || instant >= day_->day.end) {
    day_.reset();
    Outcome<ObservingDay> day = ObservingDayOf(LocalDayAround(instant), observer);
    if (!day.ok()) return Outcome<SkyHere>::Failure(day.error());
    day_ = std::move(day).value();
    dayPlace_ = observer;
    dayZone_ = place_.timeZone;
  }
  return SkyHereAt(instant, *day_, observer);
}

LocalDay SkyHereWindow::LocalDayAround(ClockSeconds instant) const {
  const ClockSeconds start = LocalDayStart(rules_, place_, sky_.longitude, instant);
  return {start, NextLocalDayStart(rules_, place_, sky_.longitude, start)};
}

std::string SkyHereWindow::EventClockText(ClockSeconds instant) const {
  const ClockSeconds nearestMinute =
      (instant + kSecondsPerMinute / 2) / kSecondsPerMinute * kSecondsPerMinute;
  const ClockSeconds reading = HasLocalTime(rules_, place_)
                                   ? LocalOf(rules_, place_, sky_.longitude, nearestMinute).reading
                                   : nearestMinute;
  return TimeOfDay(reading).substr(0, 5);
}

QString SkyHereWindow::InstantLine(ClockSeconds instant) const {
  const QString universal = FromWindows1252(
      FormatUniversalHours(static_cast<double>(ReadingOf(instant).secondOfDay) / kSecondsPerHour));
  QString line = FromWindows1252(DateOf(instant)) + ' ' + universal;
  if (HasLocalTime(rules_, place_)) {
    const LocalTime local = LocalOf(rules_, place_, sky_.longitude, instant);
    line = FromWindows1252(DateOf(local.reading) + ' ' + TimeOfDay(local.reading) + ' ' +
                           ShortZoneText(local.offset)) +
           QString::fromUtf8(kSeparator) + universal;
  }
  const QString where =
      place_.name.empty()
          ? FromWindows1252(FormatPlace(sky_.longitude, sky_.latitude, sky_.isWest, sky_.isSouth))
          : QString::fromStdString(place_.name);
  return line + QString::fromUtf8(kSeparator) + where;
}

QString SkyHereWindow::EventClockLine(ClockSeconds instant) const {
  if (!HasLocalTime(rules_, place_)) return tr("Zeiten: Weltzeit (UT)");
  return tr("Zeiten: Ortszeit (%1)")
      .arg(FromWindows1252(ShortZoneText(LocalOf(rules_, place_, sky_.longitude, instant).offset)));
}

void SkyHereWindow::Copy() {
  QGuiApplication::clipboard()->setText(lines_.join(QLatin1Char('\n')));
}

void SkyHereWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(PrintJobName(tr(kTitle), InstantOf(sky_)));
  if (!printerChoice->Choose(printer)) return;
  TextPrintStream stream(printer, QFont(kCourierFace, kPrintPoints), lines_);
  for (const QString& line : lines_) stream.WriteLine(line);
  const Status printed = stream.Close();
  if (!printed.ok()) messages_.Error(QString::fromStdString(printed.error()));
}

}  // namespace sternwerk
