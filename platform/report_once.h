// An error reported at most once per showing of a window, and only after the
// event being handled (a paint, say) is over, never from inside it.
#pragma once

#include <QObject>
#include <string>

#include "platform/messages.h"

namespace sternwerk {

class ReportOnce {
 public:
  // `window` and `messages` must outlive the object.
  ReportOnce(QObject& window, Messages& messages) : window_(window), messages_(messages) {}

  // A new showing: its first error is reported again.
  void Rearm() { reported_ = false; }
  // Shows the error box once the event loop runs, unless one was shown.
  void Error(const std::string& error);

 private:
  QObject& window_;
  Messages& messages_;
  bool reported_ = false;
};

}  // namespace sternwerk
