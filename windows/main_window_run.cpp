// The clock window's run control: the tick, the slider, halt and continue,
// real time, the reload of the last instant, and the redraw of the dial.
#include "charts/dial_drawing.h"
#include "charts/position_list_text.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/qt_text.h"
#include "platform/ui_style.h"
#include "windows/dial_view.h"
#include "windows/main_window.h"
#include "windows/position_list_view.h"
#include "windows/sky_here_window.h"

namespace sternwerk {
namespace {

constexpr int kListPointsAllFactors = 9;
constexpr int kListPointsTwelveFactors = 10;

}  // namespace

// A step changes only the instant panel and the dial; a failed one halts.
void MainWindow::Tick() {
  const Status stepped = clock_.Tick();
  if (!stepped.ok()) {
    ShowClock();
    UpdateDial();  // a step back past the calendar's start stops at its first instant
    services_.messages.Information(QString::fromStdString(stepped.error()));
    return;
  }
  ShowTexts();
  UpdateDial();
}

void MainWindow::ChangeRate(int position) {
  sourcePanel->hide();
  clock_.ChangeRate(position);
  ShowClock();
}

void MainWindow::HaltOrContinue() {
  clock_.HaltOrContinue();
  if (clock_.running()) {
    sourcePanel->hide();
  } else {
    enlargeButton->setFocus();
  }
  ShowClock();
}

void MainWindow::GoToRealTime() {
  clock_.GoToRealTime();
  SetTextColour(dateLabel, kBlack);
  ShowClock();
  UpdateDial();
}

void MainWindow::ReloadLastInstant() {
  const Status read = clock_.ReloadLastInstant();
  SetTextColour(dateLabel, kBlack);
  ShowClock();
  if (!read.ok()) {
    services_.messages.Error(QString::fromStdString(read.error()));
    return;
  }
  UpdateDial();
}

void MainWindow::UpdateDial() {
  const Status computed = clock_.Recompute();
  if (computed.ok()) {
    preciseFallbackReport_.Rearm();
  } else {
    preciseFallbackReport_.Error(computed.error());
  }
  Picture dial(kDialSize, kDialSize);
  Canvas canvas(dial);
  DrawDial(clock_.sky(), clock_.display(), canvas);
  ShowDial(std::move(dial));
  ShowPositionList();
  if (skyHereWindow != nullptr) skyHereWindow->SkyChanged();
}

// Publishes the drawn dial: in the window on the navy ground, and on the
// clipboard for other programs.
void MainWindow::ShowDial(Picture dial) {
  if (palette().color(QPalette::Window) != ToQColor(kNavy)) SetColours(this, kNavy);
  dialView->SetPicture(dial);
  CopyPictureToClipboard(std::move(dial));
}

// Font, scroll bar and lines change only where the factor set or the
// positions did; the list always shows its top after a redraw.
void MainWindow::ShowPositionList() {
  const int listPixels =
      PointFont(positionList->font().family(),
                clock_.display().transplutonian ? kListPointsAllFactors : kListPointsTwelveFactors)
          .pixelSize();
  if (positionList->font().pixelSize() != listPixels) {
    QFont listFont = positionList->font();
    listFont.setPixelSize(listPixels);
    positionList->setFont(listFont);
  }
  // The house lines lengthen the list beyond the twelve factors' box.
  const Qt::ScrollBarPolicy scrolling = clock_.display().transplutonian || astrology_.shown
                                            ? Qt::ScrollBarAlwaysOn
                                            : Qt::ScrollBarAlwaysOff;
  if (positionList->verticalScrollBarPolicy() != scrolling)
    positionList->setVerticalScrollBarPolicy(scrolling);

  QStringList lines;
  for (const std::string& line : PositionListLines(clock_.sky(), clock_.display()))
    lines << FromWindows1252(line);
  if (astrology_.shown) {
    for (const std::string& line : HouseListLines(clock_.sky(), astrology_.system))
      lines << FromWindows1252(line);
  }
  positionList->ShowLines(lines);
}

}  // namespace sternwerk
