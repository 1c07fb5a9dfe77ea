// The windows' controls, each created at the fixed place the window's layout
// gives it on its parent.
#pragma once

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

// A read-only memo that shows its lines as they are: no wrapping and no
// scroll bars.
QPlainTextEdit* MakeMemo(QWidget* parent, QRect geometry);

}  // namespace sternwerk
