#include "platform/operating_system_name.h"

#include <QSysInfo>

namespace sternwerk {

QString OperatingSystemName() {
  return QSysInfo::prettyProductName();
}

}  // namespace sternwerk
