#include "base/failure_text.h"

namespace sternwerk {

std::string FailureText(std::string_view name, const char* sentence, std::string_view reason) {
  return WithArguments(Translated(kFailureContext, sentence), {name, reason});
}

}  // namespace sternwerk
