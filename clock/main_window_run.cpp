// The clock window's run control: the tick, the slider, halt and continue,
// real time, the reload of the last instant, and the redraw of the dial.
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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

// Replaces only the characters between the parts the old and the new line
// share at both ends: a small change stays within its line, which the list
// then lays out and repaints alone.
void ReplaceLine(const QTextBlock& block, const QString& line) {
  const QString old = block.text();
  if (old == line) return;
  const qsizetype shorter = std::min(old.size(), line.size());
  qsizetype head = 0;
  while (head < shorter && old[head] == line[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter - head && old[old.size() - 1 - tail] == line[line.size() - 1 - tail])
    ++tail;
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + static_cast<int>(head));
  cursor.setPosition(block.position() + static_cast<int>(old.size() - tail),
                     QTextCursor::KeepAnchor);
  cursor.insertText(line.mid(head, line.size() - tail - head));
}

}  // namespace

void TForm1::Timer1Timer() {
  if (!StepTick(sky, pacer_)) {
    ShowHalted();
    vier_buttons(true);
    services_.messages.Information(QString::fromUtf8(kCalendarEnd));
    return;
  }
  ShowInstant();
  Label4->setText(Text(IntervalText(sky)));
  Diagramm();
  ClearSearchResult();
}

void TForm1::ScrollBar1Change(int position) {
  Panel2->hide();
  sky.ticksPerSecond = RateFromSliderPosition(position);
  Label7->setText(QString::number(sky.ticksPerSecond));
  if (sky.ticksPerSecond == 0) {
    ShowHalted();
    vier_buttons(true);
  } else {
    ShowRunning();
    vier_buttons(false);
    Timer1->setInterval(TimerInterval(sky.ticksPerSecond));
  }
  Label3->setText(Text(SpeedText(sky.ticksPerSecond)));
  ClearSearchResult();
}

void TForm1::Button4Click() {
  if (Timer1->isActive()) {
    ShowHalted();
    vier_buttons(true);
    Button9->setFocus();
  } else {
    Panel2->hide();
    ShowRunning();
    vier_buttons(false);
    if (sky.ticksPerSecond == 0) {
      sky.ticksPerSecond = 1;
      ScrollBar1->setValue(SliderPositionFromRate(1));
      Label7->setText("1");
    }
  }
  ClearSearchResult();
}

void TForm1::BitBtn1Click() {
  ShowHalted();
  vier_buttons(true);
  ClearSearchResult();
  TakeInstantFromClock();
  SetTextColour(Label1, kBlackColour);
  ShowInstant();
  ApplyStepDefaults();
  Diagramm();
}

void TForm1::Button5Click() {
  ShowHalted();
  SetTextColour(Label1, kBlackColour);
  vier_buttons(true);
  const StateFileResult read = ReadStateFile(services_.workingDirectory, sky);
  if (!read.ok()) {
    services_.messages.Error(QString::fromStdString(read.error));
    return;
  }
  ApplyStepDefaults();
  SetInstantFromTexts(sky);
  SetPlaceFromTexts(sky);
  Label2->setText(Text(PlaceLabelFromTexts(sky)));
  ShowInstant();
  ClearSearchResult();
  Diagramm();
}

void TForm1::Diagramm() {
  ComputeSky(sky);
  Picture picture(kDialSize, kDialSize);
  Canvas canvas(picture);
  DrawDial(sky, canvas);
  if (palette().color(QPalette::Window) != kNavyColour) SetColours(this, kNavyColour);

  dialView->SetPicture(picture);
  CopyPictureToClipboard(std::move(picture));

  ShowPositionList();
  const QString searchResult = Text(searchResultText);
  if (Label8->text() != searchResult) {
    Label8->setText(searchResult);
    Label8->adjustSize();
  }
  if (!searchResultText.empty()) Label8->show();
}

// Font, scroll bar and lines change only where the factor set or the
// positions did, so that only changed lines are laid out and repainted; the
// list always shows its top after a redraw.
void TForm1::ShowPositionList() {
  const int listPixels =
      PointFont(Memo1->font().family(),
                sky.transplutonian ? kListPointsAllFactors : kListPointsTwelveFactors)
          .pixelSize();
  if (Memo1->font().pixelSize() != listPixels) {
    QFont listFont = Memo1->font();
    listFont.setPixelSize(listPixels);
    Memo1->setFont(listFont);
  }
  const Qt::ScrollBarPolicy scrolling =
      sky.transplutonian ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  if (Memo1->verticalScrollBarPolicy() != scrolling) Memo1->setVerticalScrollBarPolicy(scrolling);

  QStringList lines;
  for (const std::string& line : PositionListLines(sky)) lines << Text(line);
  QTextDocument* list = Memo1->document();
  list->setUndoRedoEnabled(false);  // the edits below are no user's to undo
  if (list->blockCount() != lines.size()) {
    Memo1->setPlainText(lines.join('\n'));
  } else {
    for (int i = 0; i < lines.size(); ++i) ReplaceLine(list->findBlockByNumber(i), lines[i]);
  }
  Memo1->moveCursor(QTextCursor::Start);
}

void TForm1::TakeInstantFromClock() {
  SetInstantFromClock(sky, services_.clock);
}

void TForm1::ApplyStepDefaults() {
  SetStepDefaults(sky);
  Label4->setText(Text(IntervalText(sky)));
  Label3->setText(Text(SpeedText(sky.ticksPerSecond)));
  ScrollBar1->setValue(SliderPositionFromRate(1));
}

void TForm1::ClearSearchResult() {
  searchResultText.clear();
  Label8->hide();
}

}  // namespace sternwerk
