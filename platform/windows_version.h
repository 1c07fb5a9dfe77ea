// The version text of the main window's title.
#pragma once

#include <QString>
#include <string>

namespace sternwerk {

enum class WindowsPlatform { kWin32s, kWindows9x, kNt };

// The name of a Windows version from its platform and version numbers, as
// the title shows it ("Windows XP"); unknown combinations give "Win32s".
std::string GetWindowsVersion(WindowsPlatform platform, int major, int minor);

// The version text on this system: the operating system's product name.
QString OperatingSystemName();

}  // namespace sternwerk
