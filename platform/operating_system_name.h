// The version text of the main window's title.
#pragma once

#include <QString>

namespace sternwerk {

// The operating system's product name ("Debian GNU/Linux 12 (bookworm)").
QString OperatingSystemName();

}  // namespace sternwerk
