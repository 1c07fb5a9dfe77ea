#include "clock/main_window.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "clock/button_pictures.h"
#include "clock/clock_step.h"
#include "clock/dial_view.h"
#include "clock/main_window_texts.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/text_forms.h"
#include "platform/qt_text.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"

namespace sternwerk {
namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 550;
constexpr int kDialWidth = 529;
constexpr int kSliderRange = 40;
constexpr int kHintMilliseconds = 15000;
constexpr int kProgressHours = 24;
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kCourier = QStringLiteral("Courier New");

QWidget* Panel(QWidget* parent, QRect geometry, const QColor& colour) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(geometry);
  SetColours(panel, colour);
  return panel;
}

QLabel* Label(QWidget* parent, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

QPushButton* Button(QWidget* parent, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  return button;
}

QPlainTextEdit* Memo(QWidget* parent, QRect geometry) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setGeometry(geometry);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

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

TForm1::TForm1(SkyState& sky, MainWindowServices services, QWidget* parent)
    : QWidget(parent), sky(sky), services_(std::move(services)), pacer_(services_.clock) {
  printPageWidth = static_cast<std::uint16_t>(services_.printPage.width());
  printPageHeight = static_cast<std::uint16_t>(services_.printPage.height());
  setFixedSize(kClientWidth, kClientHeight);
  SetColours(this, kCream);
  setFont(PointFont(kSansSerif, 8));

  dialView = new DialView(this);
  dialView->setGeometry(0, 0, kDialWidth, kClientHeight);

  CreatePanel1();
  CreatePanel5();
  CreatePanel4();
  CreatePanel3();
  CreateDialControls();
  CreateLegends();
  CreateSourcePanel();
  SetHints();

  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar1Change);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  CreateSearchControls();
  connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
  connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
}

void TForm1::CreatePanel1() {
  Panel1 = Panel(this, {529, 6, 233, 145}, kMoneyGreen);
  Label1 = Label(Panel1, QString(), {6, 4, 100, 16});
  Label6 = Label(Panel1, QString(), {108, 4, 122, 16});
  Label6->setFont(PointFont(kSansSerif, 8, true));
  Label2 = Label(Panel1, QString(), {6, 22, 221, 16});
  Button2 = Button(Panel1, "&Datum/Zeit/Ort", {6, 40, 108, 23});
  Button3 = Button(Panel1, "&Intervall", {119, 40, 108, 23});
  Label4 = Label(Panel1, QString(), {6, 68, 100, 16});
  Label3 = Label(Panel1, QString(), {112, 68, 80, 16});
  Label7 = Label(Panel1, "1", {196, 68, 31, 16});
  ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel1);
  ScrollBar1->setGeometry(6, 86, 221, 17);
  ScrollBar1->setRange(0, kSliderRange);
  ScrollBar1->setValue(SliderPositionFromRate(1));
  BitBtn1 = Button(Panel1, "&Real Time  ", {6, 110, 108, 27});
  BitBtn1->setIcon(RealTimePicture());
  BitBtn1->setLayoutDirection(Qt::RightToLeft);  // picture right of the caption
  Button5 = Button(Panel1, "Alt-Datum/&Zeit", {119, 110, 108, 27});
}

void TForm1::CreatePanel5() {
  Panel5 = Panel(this, {529, 154, 232, 91}, kNavyColour);
  Button4 = Button(Panel5, "&Halt", {6, 6, 104, 38});
  Button4->setFont(PixelFont(kSansSerif, 16, true));
  Button4->setDefault(true);
  Button4->setAutoDefault(true);
  BitBtn2 = Button(Panel5, QString(), {116, 6, 53, 38});
  BitBtn3 = Button(Panel5, QString(), {174, 6, 53, 38});
  BitBtn2->setIcon(FullMoonPicture());
  BitBtn3->setIcon(NewMoonPicture());
  for (QPushButton* moon : {BitBtn2, BitBtn3}) moon->setIconSize({24, 24});
  Button6 = Button(Panel5, "&Aufgang", {6, 52, 71, 31});
  Button10 = Button(Panel5, "&Kulminat.", {81, 52, 71, 31});
  Button8 = Button(Panel5, "&Unterg.", {156, 52, 71, 31});
}

void TForm1::CreatePanel4() {
  Panel4 = Panel(this, {529, 248, 233, 236}, kCream);
  Memo1 = Memo(Panel4, {2, 2, 229, 232});
  Memo1->setFont(PixelFont(kCourier, 13, true));
  SetColours(Memo1, kCream, kNavyColour);
}

void TForm1::CreatePanel3() {
  Panel3 = Panel(this, {529, 486, 233, 62}, kTeal);
  Button7 = Button(Panel3, "&Quell-Information", {4, 4, 113, 25});
  Button11 = Button(Panel3, "Progr.&Einführung", {120, 4, 109, 25});
  Button11->setEnabled(false);
  Button12 = Button(Panel3, "Zeiche&n", {4, 33, 70, 25});
  Button1 = Button(Panel3, "&Beenden", {120, 33, 109, 25});
  Button1->setFont(PixelFont(kSansSerif, 13, true));
  ProgressBar1 = new QProgressBar(Panel3);
  ProgressBar1->setGeometry(4, 33, 225, 25);
  ProgressBar1->setRange(0, kProgressHours);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->hide();
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
}

void TForm1::CreateDialControls() {
  StaticText1 = Label(this, QString(), {393, 2, 0, 0});
  StaticText1->setFont(PixelFont(kCourier, 13, true));
  SetColours(StaticText1, kNavyColour, kLime);
  Label8 = Label(this, QString(), {3, 2, 0, 0});
  Label8->setFont(PixelFont(kSansSerif, 13, true));
  SetColours(Label8, kNavyColour, kYellow);
  Label5 = Label(this, QString(), {1, 245, 0, 0});
  Label5->setFont(PixelFont(QStringLiteral("Times New Roman"), 32));
  SetColours(Label5, kNavyColour, kYellow);
  Label5->hide();
  Button9 = Button(this, "&Vergrößern  (Diagramm Drucken / Speichern)", {132, 528, 261, 22});
}

void TForm1::CreateLegends() {
  const QFont symbolFont = PixelFont(kSymbolFontFamily, 13);
  const QFont nameFont = PixelFont(kSansSerif, 13);
  Memo2 = Memo(this, {8, 160, 21, 361});
  Memo3 = Memo(this, {29, 160, 100, 361});
  Memo4 = Memo(this, {392, 320, 21, 201});
  Memo5 = Memo(this, {413, 320, 100, 201});
  for (int factor = 0; factor < kDrawnFactors; ++factor) {
    const QString glyph(QChar(FactorGlyph(factor)));
    const QString name = QString::fromLatin1(kLegendNames[factor].data(),
                                             static_cast<int>(kLegendNames[factor].size()));
    Memo2->appendPlainText(glyph);
    Memo3->appendPlainText(name);
    if (InFactorSet(factor, false)) {
      Memo4->appendPlainText(glyph);
      Memo5->appendPlainText(name);
    }
  }
  for (QPlainTextEdit* memo : {Memo2, Memo3, Memo4, Memo5}) {
    memo->setFont(memo == Memo2 || memo == Memo4 ? symbolFont : nameFont);
    SetColours(memo, kCream, kNavyColour);
    memo->hide();
  }
  FitLegend(Memo2, Memo3);
  FitLegend(Memo4, Memo5);
}

void TForm1::CreateSourcePanel() {
  Panel2 = Panel(this, {77, 208, 364, 105}, kMoneyGreen);
  Memo8 = Memo(Panel2, {4, 4, 356, 97});
  Memo8->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Memo8->setPlainText(QString::fromUtf8(main_window_texts::kSourceInformation));
  Panel2->hide();
}

void TForm1::SetHints() {
  namespace t = main_window_texts;
  const std::pair<QWidget*, const char*> hints[] = {
      {Button9, t::kButton9Hint},       {Button2, t::kButton2Hint},   {Button3, t::kButton3Hint},
      {ScrollBar1, t::kScrollBar1Hint}, {BitBtn1, t::kBitBtn1Hint},   {Button5, t::kButton5Hint},
      {Button7, t::kButton7Hint},       {Button11, t::kButton11Hint}, {Button1, t::kButton1Hint},
      {Button12, t::kButton12Hint},     {Button4, t::kButton4Hint},   {Button6, t::kButton6Hint},
      {Button8, t::kButton8Hint},       {Button10, t::kButton10Hint}, {BitBtn2, t::kBitBtn2Hint},
      {BitBtn3, t::kBitBtn3Hint},       {Memo1, t::kMemo1Hint}};
  for (const auto& [widget, hint] : hints) {
    widget->setToolTip(QString::fromUtf8(hint));
    widget->setToolTipDuration(kHintMilliseconds);
  }
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, kYellow);
  tips.setColor(QPalette::ToolTipText, kBlackColour);
  QToolTip::setPalette(tips);
  QToolTip::setFont(PointFont(QStringLiteral("ms sans serif"), 8));
}

void TForm1::buttons(bool on) {
  for (QPushButton* button :
       {Button1, Button2, Button3, Button4, Button7, Button11, Button12, BitBtn1}) {
    button->setEnabled(on);
  }
  if (!on) {
    Button5->setEnabled(false);
  } else if (stateFileLoaded) {
    Button5->setEnabled(true);
  }
}

void TForm1::vier_buttons(bool on) {
  for (QPushButton* button : {Button9, Button6, Button8, Button10, BitBtn2, BitBtn3}) {
    button->setEnabled(on);
  }
}

void TForm1::ShowStatus(bool running) {
  SetTextColour(StaticText1, running ? kLime : kRedColour);
  StaticText1->setText(running ? " Diagramm dreht " : " Diagramm steht ");
  StaticText1->adjustSize();
}

void TForm1::ShowHalted() {
  Timer1->stop();
  ShowStatus(false);
  Button4->setText("&Weiter");
}

void TForm1::ShowRunning() {
  Timer1->start();
  pacer_.Restart();
  ShowStatus(true);
  Button4->setText("&Halt");
}

void TForm1::ShowInstant() {
  constexpr double kGreenwichBound = 0.0002;
  Label1->setText(FromWindows1252(WeekdayName(sky.year, sky.month, sky.day) + ", " + sky.dateText));
  SetTextColour(Label6, sky.longitude < kGreenwichBound ? kGreenColour : kMaroon);
  Label6->setText(FromWindows1252(FormatHours(sky.hours) + " WZ/GMT"));
}

void TForm1::ShowPlace() {
  Label2->setText(
      FromWindows1252(FormatPlace(sky.longitude, sky.latitude, sky.isWest, sky.isSouth)));
}

void TForm1::Button1Click() {
  close();
}

void TForm1::Button7Click() {
  if (!Panel2->isHidden()) {
    buttons(true);
    vier_buttons(true);
    Panel2->hide();
    return;
  }
  buttons(false);
  vier_buttons(false);
  Button7->setEnabled(true);
  ShowHalted();
  Panel2->show();
  Panel2->raise();
  Button7->setFocus();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !Panel2->isHidden()) return Button7Click();
  QWidget::keyPressEvent(event);
}

void TForm1::Button12Click() {
  QPlainTextEdit* glyphs = sky.transplutonian ? Memo2 : Memo4;
  QPlainTextEdit* names = sky.transplutonian ? Memo3 : Memo5;
  glyphs->setHidden(!glyphs->isHidden());
  names->setHidden(!names->isHidden());
}

}  // namespace sternwerk
