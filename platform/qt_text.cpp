#include "platform/qt_text.h"

#include <string>

#include "base/text_encoding.h"

namespace sternwerk {

QString FromWindows1252(std::string_view text) {
  const std::string utf8 = Windows1252ToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace sternwerk
