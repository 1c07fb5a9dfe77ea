// The one door through which the Qt-free layers (base, engine, clock,
// charts, tools) reach the program's translation. The program installs a
// translator at start; until then, and in every test that installs none,
// each text stays the German source text it is given.
//
// Encoding: source and result are UTF-8. lupdate reads the marked literals
// as UTF-8, so a text marked with QT_TRANSLATE_NOOP is written as a UTF-8
// literal ("Länge", not "L\xE4nge"). A caller that keeps its texts in
// Windows-1252 converts the result to it itself.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/language.h"

// lupdate finds the texts to translate by this macro's name in the source;
// Qt's definition is the same where Qt's headers come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, sourceText) sourceText
#endif

namespace sternwerk {

// Maps a context (the group of texts, as lupdate names it) and a UTF-8
// source text to the UTF-8 text shown; returns the source text where it has
// no translation.
using TextTranslator = std::string (*)(const char* context, const char* sourceText);

// Installs the translator of `language` for the rest of the run; nullptr
// restores the identity and German.
void InstallTextTranslator(TextTranslator translator, Language language);

// The language the installed translator speaks: German without one.
Language ShownLanguage();

// The text shown for a marked source text.
std::string Translated(const char* context, const char* sourceText);

// The texts of one context as a file says them: the file names its context
// once, `constexpr ContextTexts Said("sternwerk::WmfWriter");`, and says each
// marked text with `Said(kText)`, the one name of that call everywhere.
class ContextTexts {
 public:
  constexpr explicit ContextTexts(const char* context) : context_(context) {}
  std::string operator()(const char* sourceText) const { return Translated(context_, sourceText); }

 private:
  const char* context_;
};

// The text with "%1" to "%9" replaced by the first to ninth argument, so that
// a translation may place each where its language wants it. Marks within
// the arguments stay as they are; a mark without its argument stays too.
std::string WithArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace sternwerk
