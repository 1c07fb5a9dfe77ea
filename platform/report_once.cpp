#include "platform/report_once.h"

#include <QMetaObject>
#include <QString>

namespace sternwerk {

void ReportOnce::Error(const std::string& error) {
  if (reported_) return;
  reported_ = true;
  QMetaObject::invokeMethod(
      &window_, [this, text = QString::fromStdString(error)] { messages_.Error(text); },
      Qt::QueuedConnection);
}

}  // namespace sternwerk
