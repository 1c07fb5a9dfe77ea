// The windows' controls, each created at the fixed place the window's layout
// gives it on its parent.
#pragma once

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/colors.h"

namespace sternwerk {

// A plain area of one colour that groups controls.
QWidget* MakePanel(QWidget* parent, QRect geometry, Rgb colour);

// A label filling `geometry`, or one at `topLeft` just large enough for its
// text in the parent's font.
QLabel* MakeLabel(QWidget* parent, const QString& text, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint topLeft);

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect geometry);

// How a text box holds its text.
struct TextBoxOptions {
  bool readOnly = true;
  // Lines as they are, without wrapping and scroll bars; otherwise wrapped at
  // the box's width, with a scroll bar when they do not fit.
  bool linesAsWritten = true;
};

// A plain text box filling `geometry`, read-only with its lines as written
// unless the options say otherwise.
QPlainTextEdit* MakeTextBox(QWidget* parent, QRect geometry, TextBoxOptions options = {});

// A box for an angle in degrees ("1,5°"), with the decimal sign of the
// language shown; its range, step and decimals as given.
QDoubleSpinBox* MakeDegreeBox(QWidget* parent, double least, double greatest, double step,
                              int decimals);

}  // namespace sternwerk
