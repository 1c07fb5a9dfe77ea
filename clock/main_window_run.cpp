// The clock window's run control: the tick, the slider, halt and continue,
// real time, the reload of the last instant, and the redraw of the dial.
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "clock/clock_step.h"
#include "clock/clock_tick.h"
#include "clock/dial_view.h"
#include "clock/main_window.h"
#include "clock/state_file.h"
#include "clock/state_texts.h"
#include "dial/dial_drawing.h"
#include "dial/position_list_text.h"
#include "engine/sky.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/picture_painter.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

constexpr int kListPointsAllFactors = 9;
constexpr int kListPointsTwelveFactors = 10;
constexpr const char* kCalendarEnd =
    "Die Uhr hält an: Ihr Kalender reicht vom Jahr 0001 bis zum Jahr 9999.";

QString Text(const std::string& windows1252) {
  return FromWindows1252(windows1252);
}

}  // namespace

void MainWindow::Tick() {
  if (!StepTick(sky, clockSettings, pacer_)) {
    ShowHalted();
    SetSearchButtonsEnabled(true);
    services_.messages.Information(QString::fromUtf8(kCalendarEnd));
    return;
  }
  ShowInstant();
  intervalLabel->setText(Text(IntervalText(clockSettings)));
  UpdateDial();
  ClearSearchResult();
}

void MainWindow::ChangeRate(int position) {
  sourcePanel->hide();
  clockSettings.ticksPerSecond = RateFromSliderPosition(position);
  rateLabel->setText(QString::number(clockSettings.ticksPerSecond));
  if (clockSettings.ticksPerSecond == 0) {
    ShowHalted();
    SetSearchButtonsEnabled(true);
  } else {
    ShowRunning();
    SetSearchButtonsEnabled(false);
    tickTimer->setInterval(TimerInterval(clockSettings.ticksPerSecond));
  }
  speedLabel->setText(Text(SpeedText(clockSettings.ticksPerSecond)));
  ClearSearchResult();
}

void MainWindow::HaltOrContinue() {
  if (tickTimer->isActive()) {
    ShowHalted();
    SetSearchButtonsEnabled(true);
    enlargeButton->setFocus();
  } else {
    sourcePanel->hide();
    ShowRunning();
    SetSearchButtonsEnabled(false);
    if (clockSettings.ticksPerSecond == 0) {
      clockSettings.ticksPerSecond = 1;
      rateSlider->setValue(SliderPositionFromRate(1));
      rateLabel->setText("1");
    }
  }
  ClearSearchResult();
}

void MainWindow::GoToRealTime() {
  ShowHalted();
  SetSearchButtonsEnabled(true);
  ClearSearchResult();
  TakeInstantFromClock();
  SetTextColour(dateLabel, kBlack);
  ShowInstant();
  ApplyStepDefaults();
  UpdateDial();
}

void MainWindow::ReloadLastInstant() {
  ShowHalted();
  SetTextColour(dateLabel, kBlack);
  SetSearchButtonsEnabled(true);
  const StateFileResult read = ReadStateFile(services_.workingDirectory, sky);
  if (!read.ok()) {
    services_.messages.Error(QString::fromStdString(read.error));
    return;
  }
  ApplyStepDefaults();
  SetInstantFromTexts(sky);
  SetPlaceFromTexts(sky);
  placeLabel->setText(Text(PlaceLabelFromTexts(sky)));
  ShowInstant();
  ClearSearchResult();
  UpdateDial();
}

void MainWindow::UpdateDial() {
  ComputeSky(sky);
  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(sky, display, canvas);
  SetColours(this, kNavy);

  QImage image(kDialBackgroundWidth, kDialBackgroundHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(ToQColor(kNavy));
  QPainter painter(&image);
  PaintPicture(painter, picture);
  painter.end();
  dialView->SetImage(std::move(image));
  CopyPictureToClipboard(std::move(picture));

  QStringList lines;
  for (const std::string& line : PositionListLines(sky, display)) lines << Text(line);
  QFont listFont = positionList->font();
  listFont.setPixelSize(PointFont(listFont.family(), display.transplutonian
                                                         ? kListPointsAllFactors
                                                         : kListPointsTwelveFactors)
                            .pixelSize());
  positionList->setFont(listFont);
  positionList->setVerticalScrollBarPolicy(display.transplutonian ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
  positionList->setPlainText(lines.join('\n'));
  positionList->moveCursor(QTextCursor::Start);

  searchResultLabel->setText(Text(search.resultText));
  searchResultLabel->adjustSize();
  if (!search.resultText.empty()) searchResultLabel->show();
}

void MainWindow::TakeInstantFromClock() {
  SetInstantFromClock(sky, services_.clock);
}

void MainWindow::ApplyStepDefaults() {
  SetStepDefaults(clockSettings);
  intervalLabel->setText(Text(IntervalText(clockSettings)));
  speedLabel->setText(Text(SpeedText(clockSettings.ticksPerSecond)));
  rateSlider->setValue(SliderPositionFromRate(1));
}

void MainWindow::ClearSearchResult() {
  search.resultText.clear();
  searchResultLabel->hide();
}

}  // namespace sternwerk
