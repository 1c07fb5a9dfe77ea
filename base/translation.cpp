#include "base/translation.h"

#include <vector>

namespace sternwerk {
namespace {

TextTranslator installedTranslator = nullptr;
Language installedLanguage = Language::kGerman;
constexpr char kArgumentMark = '%';
constexpr char kFirstArgument = '1';
constexpr char kLastArgument = '9';

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

std::string WithArguments(std::string_view text,
                          std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> values(arguments);
  std::string filled;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool marked = text[at] == kArgumentMark && at + 1 < text.size() &&
                        text[at + 1] >= kFirstArgument && text[at + 1] <= kLastArgument;
    const std::size_t index =
        marked ? static_cast<std::size_t>(text[at + 1] - kFirstArgument) : values.size();
    if (index < values.size()) {
      filled += values[index];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

}  // namespace sternwerk
