#include "platform/windows_version.h"

#include <QSysInfo>

namespace sternwerk {

namespace {

constexpr int kMillenniumMinor = 90;

std::string NtVersion(int major, int minor) {
  if (major <= 4) return "Windows NT " + std::to_string(major);
  if (major == 5 && minor == 0) return "Windows 2000";
  if (major == 5 && minor >= 1) return "Windows XP";
  return "Win32s";
}

std::string Windows9xVersion(int major, int minor) {
  if (major < 4 || (major == 4 && minor == 0)) return "Windows 95";
  if (major > 4 || (major == 4 && minor > 0)) {
    return minor == kMillenniumMinor ? "Windows ME" : "Windows 98";
  }
  return "Win32s";
}

}  // namespace

std::string GetWindowsVersion(WindowsPlatform platform, int major, int minor) {
  switch (platform) {
    case WindowsPlatform::kNt:
      return NtVersion(major, minor);
    case WindowsPlatform::kWindows9x:
      return Windows9xVersion(major, minor);
    case WindowsPlatform::kWin32s:
      break;
  }
  return "Win32s";
}

QString OperatingSystemName() {
  return QSysInfo::prettyProductName();
}

}  // namespace sternwerk
