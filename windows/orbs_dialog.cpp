#include "windows/orbs_dialog.h"

#include <QFormLayout>
#include <QPushButton>

#include "astrology/astrology_choices.h"
#include "platform/controls.h"

namespace sternwerk {
namespace {

constexpr const char* kTitle = QT_TRANSLATE_NOOP("sternwerk::OrbsDialog", "Orben");
constexpr int kOrbDecimals = 1;

}  // namespace

OrbsDialog::OrbsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr(kTitle));
  setModal(true);
  auto* form = new QFormLayout(this);
  for (int kind = 0; kind < kAspectKinds; ++kind) {
    QDoubleSpinBox* box = MakeDegreeBox(this, 0, kLargestOrb, kOrbStep, kOrbDecimals);
    box->setObjectName(QStringLiteral("orbBox%1").arg(kind));
    form->addRow(QString::fromStdString(AspectName(static_cast<AspectKind>(kind))), box);
    orbBoxes[static_cast<std::size_t>(kind)] = box;
  }
  buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OrbsDialog::SetOrbs(const AspectOrbs& orbs) {
  for (std::size_t kind = 0; kind < orbBoxes.size(); ++kind)
    orbBoxes[kind]->setValue(orbs.degrees[kind]);
}

AspectOrbs OrbsDialog::orbs() const {
  AspectOrbs orbs;
  for (std::size_t kind = 0; kind < orbBoxes.size(); ++kind)
    orbs.degrees[kind] = orbBoxes[kind]->value();
  return orbs;
}

}  // namespace sternwerk
