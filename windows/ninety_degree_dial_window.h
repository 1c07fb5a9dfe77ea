// The window "90°-Scheibe": the clock's chart on the Hamburg school's
// 90-degree dial, with a pointer the user turns by mouse and keys, what the
// pointer reads listed beside the dial, and the orb of that reading, which
// is kept between runs.
#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <memory>
#include <vector>

#include "astrology/chart_points.h"
#include "engine/display_options.h"
#include "engine/sky_state.h"
#include "platform/picture.h"

namespace sternwerk {

class NinetyDegreeDialWindow : public QDialog {
  Q_OBJECT

 public:
  // The sky and the display options must outlive the window.
  NinetyDegreeDialWindow(const SkyState& sky, const DisplayOptions& display,
                         QWidget* parent = nullptr);

  // Takes the factors as the sky holds them now and draws them; every
  // showing begins so.
  void BeginVisit();
  // The pointer's place on the dial, degrees in [0, 90).
  double pointer() const { return pointer_; }
  // Turns the pointer to `place` (degrees, taken modulo 90) and redraws.
  void SetPointer(double place);
  // Records the dial of the factors taken, with the pointer and the orb.
  void UpdateDial();
  // The dial as last drawn.
  std::shared_ptr<const Picture> dial() const { return dial_; }

  QDoubleSpinBox* orbBox;
  QPushButton* backButton;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The arrows turn the pointer, Page Up and Down turn it further, Home
  // sets it to 0° Aries; every other key as in any dialog.
  void keyPressEvent(QKeyEvent* event) override;
  // Pressing or dragging on the dial sets the pointer at the mouse.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void PointAt(QPoint at);
  void ChangeOrb(double orb);

  const SkyState& sky_;
  const DisplayOptions& display_;
  std::vector<ChartPoint> points_;
  double pointer_ = 0;
  std::shared_ptr<const Picture> dial_;
};

}  // namespace sternwerk
