// Measures of the texts of a window's buttons, check boxes, labels, text
// boxes and messages: how far a text reaches beyond its room, and the keys
// after '&'.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <map>

namespace sternwerk::testing {

// How many pixels a caption needs beyond its control's room (<= 0: it fits).
inline int CaptionOverhang(const QWidget& control, const QString& caption) {
  const QString shown = QString(caption).remove('&');
  int room = control.width();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    if (!button->icon().isNull()) room -= button->iconSize().width();
    if (qobject_cast<const QCheckBox*>(button) != nullptr)
      room -= button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button);
  }
  int widest = 0;
  for (const QString& line : shown.split('\n'))
    widest = std::max(widest, control.fontMetrics().horizontalAdvance(line));
  return widest - room;
}

// How far a label's text reaches beyond the label (<= 0: it fits): across
// for a label of set lines, down for one that wraps its text.
inline int LabelOverhang(const QLabel& label) {
  if (!label.wordWrap()) return CaptionOverhang(label, label.text());
  return label.heightForWidth(label.width()) - label.height();
}

// A message box re-wraps a line wider than about 500 pixels less its
// margins; lines this wide stand as written.
inline constexpr int kWidestUnwrappedMessageLine = 460;

// How far the widest line of a message reaches beyond what a message box
// keeps on one line (<= 0: every line stands as written).
inline int MessageOverhang(const QString& text) {
  const QFontMetrics metrics(QApplication::font("QMessageBox"));
  int widest = 0;
  for (const QString& line :
       QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split('\n'))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest - kWidestUnwrappedMessageLine;
}

// The widest line of a text box less the room its text has (<= 0: no line
// is wrapped).
inline int TextBoxOverhang(const QPlainTextEdit& box) {
  const int room = box.viewport()->width() - 2 * static_cast<int>(box.document()->documentMargin());
  int widest = 0;
  for (const QString& line : box.toPlainText().split(QLatin1Char('\n')))
    widest = std::max(widest, box.fontMetrics().horizontalAdvance(line));
  return widest - room;
}

// The captions of a window's buttons and of its one-line labels, by control.
inline std::map<const QWidget*, QString> Captions(const QWidget& window) {
  std::map<const QWidget*, QString> captions;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (!button->text().isEmpty()) captions[button] = button->text();
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (!label->text().isEmpty() && !label->wordWrap()) captions[label] = label->text();
  return captions;
}

// The letters after '&' in the captions, each with the captions using it.
inline std::map<QChar, QStringList> Mnemonics(const QWidget& window) {
  std::map<QChar, QStringList> mnemonics;
  for (const auto& [control, caption] : Captions(window)) {
    const qsizetype mark = caption.indexOf('&');
    if (mark >= 0 && mark + 1 < caption.size() && caption[mark + 1] != '&')
      mnemonics[caption[mark + 1].toLower()] << caption;
  }
  return mnemonics;
}

}  // namespace sternwerk::testing
