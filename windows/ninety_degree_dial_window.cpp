#include "windows/ninety_degree_dial_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <optional>

#include "astrology/chart_points.h"
#include "astrology/midpoints.h"
#include "charts/ninety_degree_dial.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/faces.h"
#include "platform/picture_painter.h"
#include "platform/ui_style.h"
#include "windows/dial_orb_setting.h"

namespace sternwerk {
namespace {

constexpr const char* kCaption =
    QT_TRANSLATE_NOOP("sternwerk::NinetyDegreeDialWindow", "90°-Scheibe");
constexpr const char* kKeysHint =
    QT_TRANSLATE_NOOP("sternwerk::NinetyDegreeDialWindow",
                      "Zeiger: Maus, Pfeiltasten 0,5° (Umschalt 5°, Strg 1'), Bild auf/ab 15°, "
                      "Pos1 0° Widder");
constexpr const char* kOrbHint = QT_TRANSLATE_NOOP(
    "sternwerk::NinetyDegreeDialWindow",
    " Wie weit vom Zeiger und seinem 45°-Punkt Faktoren und Halbsummen gelistet werden ");

// The dial fills the top; a row of controls below it.
constexpr int kRowTop = kNinetyDialHeight + 6;
constexpr int kRowHeight = 22;
constexpr QSize kWindowSize{kNinetyDialWidth, kRowTop + kRowHeight + 6};
constexpr QRect kKeysArea{8, kRowTop, 520, kRowHeight};
constexpr QRect kOrbLabelArea{540, kRowTop, 45, kRowHeight};
constexpr QRect kOrbArea{585, kRowTop, 70, kRowHeight};
constexpr QRect kBackArea{672, kRowTop, 80, kRowHeight};
constexpr int kFontPixels = 11;
constexpr double kOrbStep = 0.1;
constexpr int kOrbDecimals = 1;

// The pointer's turn for a key, counterclockwise positive, as the dial
// counts.
struct PointerKey {
  int key;
  Qt::KeyboardModifiers modifiers;
  double turn;  // degrees of the dial
};
constexpr double kStep = 0.5;
constexpr double kLargeStep = 5;
constexpr double kFineStep = 1.0 / 60;  // one minute
constexpr double kPageStep = 15;
const std::array<PointerKey, 10> kPointerKeys = {{
    {Qt::Key_Left, Qt::NoModifier, kStep},
    {Qt::Key_Right, Qt::NoModifier, -kStep},
    {Qt::Key_Left, Qt::ShiftModifier, kLargeStep},
    {Qt::Key_Right, Qt::ShiftModifier, -kLargeStep},
    {Qt::Key_Left, Qt::ControlModifier, kFineStep},
    {Qt::Key_Right, Qt::ControlModifier, -kFineStep},
    {Qt::Key_Up, Qt::NoModifier, kStep},
    {Qt::Key_Down, Qt::NoModifier, -kStep},
    {Qt::Key_PageUp, Qt::NoModifier, kPageStep},
    {Qt::Key_PageDown, Qt::NoModifier, -kPageStep},
}};

std::optional<double> TurnOfKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers chosen = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
  for (const PointerKey& entry : kPointerKeys) {
    if (entry.key == key && entry.modifiers == chosen) return entry.turn;
  }
  return std::nullopt;
}

// The mode whose sky the shown positions come from, for the neighbouring
// skies that give the factors' motions.
ComputationMode ModeOf(ComputationUsed used) {
  return used == ComputationUsed::kOwn ? ComputationMode::kOwn : ComputationMode::kPrecise;
}

}  // namespace

NinetyDegreeDialWindow::NinetyDegreeDialWindow(const SkyState& sky, const DisplayOptions& display,
                                               QWidget* parent)
    : QDialog(parent), sky_(sky), display_(display) {
  setWindowTitle(tr(kCaption));
  setFixedSize(kWindowSize);
  SetColours(this, kWhite);
  setFont(PixelFont(kSansSerifFace, kFontPixels));
  setFocusPolicy(Qt::StrongFocus);

  MakeLabel(this, tr(kKeysHint), kKeysArea);
  QLabel* orbLabel = MakeLabel(this, tr("&Orbis"), kOrbLabelArea);
  orbBox = MakeDegreeBox(this, kLeastDialOrb, kGreatestDialOrb, kOrbStep, kOrbDecimals);
  orbBox->setGeometry(kOrbArea);
  orbBox->setValue(LoadDialOrb());
  orbBox->setToolTip(tr(kOrbHint));
  orbLabel->setBuddy(orbBox);
  backButton = MakeButton(this, tr("&Zurück"), kBackArea);
  backButton->setAutoDefault(false);

  connect(orbBox, &QDoubleSpinBox::valueChanged, this, &NinetyDegreeDialWindow::ChangeOrb);
  connect(backButton, &QPushButton::clicked, this, &QDialog::accept);
  UpdateDial();
}

void NinetyDegreeDialWindow::BeginVisit() {
  points_ = ChartPoints(sky_, ModeOf(display_.computation), display_.transplutonian);
  UpdateDial();
}

void NinetyDegreeDialWindow::SetPointer(double place) {
  pointer_ = DialPlace(place);
  UpdateDial();
  update();
}

void NinetyDegreeDialWindow::UpdateDial() {
  auto dial = std::make_shared<Picture>(kNinetyDialWidth, kNinetyDialHeight);
  Canvas canvas(*dial);
  DrawNinetyDegreeDial(points_, pointer_, orbBox->value(), display_, canvas);
  dial_ = dial;
}

void NinetyDegreeDialWindow::ChangeOrb(double orb) {
  SaveDialOrb(orb);
  UpdateDial();
  update();
}

void NinetyDegreeDialWindow::PointAt(QPoint at) {
  if (const std::optional<double> place = DialPlaceAt({at.x(), at.y()})) SetPointer(*place);
}

void NinetyDegreeDialWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
  BeginVisit();
  setFocus();
}

void NinetyDegreeDialWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPicture(painter, *dial_);
}

void NinetyDegreeDialWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Home) {
    SetPointer(0);
  } else if (const std::optional<double> turn = TurnOfKey(event->key(), event->modifiers())) {
    SetPointer(pointer_ + *turn);
  } else {
    QDialog::keyPressEvent(event);
  }
}

void NinetyDegreeDialWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
  setFocus();
  PointAt(event->position().toPoint());
}

void NinetyDegreeDialWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QDialog::mouseMoveEvent(event);
  PointAt(event->position().toPoint());
}

}  // namespace sternwerk
