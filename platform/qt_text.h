// Window texts from the program's Windows-1252 byte texts.
#pragma once

#include <QString>
#include <string_view>

namespace sternwerk {

QString FromWindows1252(std::string_view text);

}  // namespace sternwerk
