#include "platform/windows_version.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

constexpr auto kNt = WindowsPlatform::kNt;
constexpr auto k9x = WindowsPlatform::kWindows9x;

TEST(GetWindowsVersion, NtFamily) {
  EXPECT_EQ(GetWindowsVersion(kNt, 3, 51), "Windows NT 3");
  EXPECT_EQ(GetWindowsVersion(kNt, 4, 0), "Windows NT 4");
  EXPECT_EQ(GetWindowsVersion(kNt, 5, 0), "Windows 2000");
  EXPECT_EQ(GetWindowsVersion(kNt, 5, 1), "Windows XP");
  EXPECT_EQ(GetWindowsVersion(kNt, 5, 2), "Windows XP");
  EXPECT_EQ(GetWindowsVersion(kNt, 6, 0), "Win32s");
  EXPECT_EQ(GetWindowsVersion(kNt, 10, 0), "Win32s");
}

TEST(GetWindowsVersion, Windows9xFamily) {
  EXPECT_EQ(GetWindowsVersion(k9x, 3, 95), "Windows 95");
  EXPECT_EQ(GetWindowsVersion(k9x, 4, 0), "Windows 95");
  EXPECT_EQ(GetWindowsVersion(k9x, 4, 10), "Windows 98");
  EXPECT_EQ(GetWindowsVersion(k9x, 4, 90), "Windows ME");
  EXPECT_EQ(GetWindowsVersion(k9x, 5, 0), "Windows 98");
  EXPECT_EQ(GetWindowsVersion(k9x, 5, 90), "Windows ME");
}

TEST(GetWindowsVersion, AnyOtherCombination) {
  EXPECT_EQ(GetWindowsVersion(WindowsPlatform::kWin32s, 4, 0), "Win32s");
  EXPECT_EQ(GetWindowsVersion(WindowsPlatform::kWin32s, 5, 1), "Win32s");
}

TEST(OperatingSystemName, NamesThisSystem) {
  EXPECT_FALSE(OperatingSystemName().isEmpty());
}

}  // namespace
}  // namespace sternwerk
