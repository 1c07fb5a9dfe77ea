// Keys typed into whatever widget has the focus, as a person types them
// into an open dialog, and the place search's F3 - name - Return.
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

namespace sternwerk::testing {

inline void TypeKeys(const QString& keys) {
  for (const QChar key : keys) QTest::keyClicks(QApplication::focusWidget(), key);
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Searches a place by the first letters of its name and takes the best match.
inline void ChoosePlace(const QString& name) {
  PressKey(Qt::Key_F3);
  TypeKeys(name);
  PressKey(Qt::Key_Return);
}

}  // namespace sternwerk::testing
