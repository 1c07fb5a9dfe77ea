#include "platform/controls.h"

#include "base/translation.h"
#include "platform/program_language.h"
#include "platform/ui_style.h"

namespace sternwerk {

QWidget* MakePanel(QWidget* parent, QRect geometry, Rgb colour) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(geometry);
  SetColours(panel, colour);
  return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint topLeft) {
  auto* label = new QLabel(text, parent);
  label->move(topLeft);
  label->adjustSize();
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  return button;
}

QPlainTextEdit* MakeTextBox(QWidget* parent, QRect geometry, TextBoxOptions options) {
  auto* box = new QPlainTextEdit(parent);
  box->setGeometry(geometry);
  box->setReadOnly(options.readOnly);
  if (options.linesAsWritten) {
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  return box;
}

QDoubleSpinBox* MakeDegreeBox(QWidget* parent, double least, double greatest, double step,
                              int decimals) {
  auto* box = new QDoubleSpinBox(parent);
  box->setLocale(LocaleOf(ShownLanguage()));
  box->setRange(least, greatest);
  box->setSingleStep(step);
  box->setDecimals(decimals);
  box->setSuffix(QStringLiteral("°"));
  return box;
}

}  // namespace sternwerk
