#include "base/translation.h"

namespace sternwerk {
namespace {

TextTranslator installedTranslator = nullptr;
Language installedLanguage = Language::kGerman;

}  // namespace

void InstallTextTranslator(TextTranslator translator, Language language) {
  installedTranslator = translator;
  installedLanguage = translator == nullptr ? Language::kGerman : language;
}

Language ShownLanguage() {
  return installedLanguage;
}

std::string Translated(const char* context, const char* sourceText) {
  if (installedTranslator == nullptr) return sourceText;
  return installedTranslator(context, sourceText);
}

}  // namespace sternwerk
