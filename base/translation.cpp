#include "base/translation.h"

namespace sternwerk {
namespace {

TextTranslator installedTranslator = nullptr;

}  // namespace

void InstallTextTranslator(TextTranslator translator) {
  installedTranslator = translator;
}

std::string Translated(const char* context, const char* sourceText) {
  if (installedTranslator == nullptr) return sourceText;
  return installedTranslator(context, sourceText);
}

}  // namespace sternwerk
