// Where the program keeps its settings, as QSettings names the file:
// ~/.config/Sternwerk/sternwerk.conf.
#pragma once

namespace sternwerk {

inline constexpr const char* kSettingsOrganization = "Sternwerk";
inline constexpr const char* kSettingsApplication = "sternwerk";

}  // namespace sternwerk
