#include "base/failure_text.h"

namespace sternwerk {

std::string FailureText(std::string_view subject, std::string_view done, std::string_view reason) {
  std::string text(subject);
  text.append(" kann nicht ").append(done).append(" werden: ").append(reason);
  return text;
}

std::string FileFailureText(std::string_view path, std::string_view done, std::string_view reason) {
  return FailureText("Die Datei " + std::string(path), done, reason);
}

}  // namespace sternwerk
