// Reaching a window's parts as a test drives it: a child found by its
// objectName, and a tick of a running timer.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <QTimerEvent>
#include <stdexcept>
#include <string>

namespace sternwerk::testing {

// The child of `parent` of type T named `name`; a missing child fails the
// test that asks for it.
template <class T>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::runtime_error(std::string("no child named ") + name);
  return child;
}

// Delivers one timeout of `timer` now, as its interval's end would; a timer
// that does not run fails.
inline void FireTimer(QTimer* timer) {
  if (!timer->isActive()) throw std::runtime_error("the timer does not run");
  QTimerEvent tick(timer->timerId());
  QCoreApplication::sendEvent(timer, &tick);
}

}  // namespace sternwerk::testing
