// The dialog "Orben": the largest deviation from exact each of the seven
// aspects is counted with, one spin box per aspect from 0 to 15 degrees in
// tenths. OK takes all seven at once; ESC leaves them as they were.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <array>

#include "astrology/aspects.h"

namespace sternwerk {

class OrbsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OrbsDialog(QWidget* parent = nullptr);

  // Shows `orbs` in the boxes, before each showing.
  void SetOrbs(const AspectOrbs& orbs);
  // The orbs the boxes show.
  AspectOrbs orbs() const;

  // In the order of the aspect kinds, each named "orbBox" and the kind's
  // number.
  std::array<QDoubleSpinBox*, kAspectKinds> orbBoxes{};
  QDialogButtonBox* buttons;
};

}  // namespace sternwerk
