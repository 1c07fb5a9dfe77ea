#include "platform/program_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

#include "base/translation.h"
#include "build_info.h"
#include "platform/program_files.h"

namespace sternwerk {
namespace {

constexpr const char* kTranslationsFolder = "/translations";
constexpr const char* kQtTranslation = "qtbase";
constexpr const char* kHelpHint =
    QT_TRANSLATE_NOOP("sternwerk::Language", " (--help zeigt den Aufruf)");

// The program's translation the hook of the Qt-free layers asks; one run has
// one.
const QTranslator* hookTranslator = nullptr;

std::string TranslateWithQt(const char* context, const char* sourceText) {
  const QString translated = hookTranslator->translate(context, sourceText);
  return translated.isEmpty() ? std::string(sourceText) : translated.toStdString();
}

}  // namespace

QLocale LocaleOf(Language language) {
  return QLocale(language == Language::kEnglish ? QLocale::English : QLocale::German);
}

Language SystemLanguage() {
  std::vector<std::string> uiLanguages;
  for (const QString& name : QLocale::system().uiLanguages())
    uiLanguages.push_back(name.toStdString());
  return LanguageOfUiLanguages(uiLanguages);
}

Outcome<Language> ChosenLanguage(std::vector<std::string>& args) {
  const Language desktop = SystemLanguage();
  const ProgramTranslation refusalTexts(desktop);
  const Outcome<std::optional<Language>> asked = TakeLanguageOption(args);
  if (!asked.ok())
    return Outcome<Language>::Failure(asked.error() + Translated("sternwerk::Language", kHelpHint));
  return Outcome<Language>::Success(asked.value().value_or(desktop));
}

QString ProgramTranslationPath(Language language) {
  const QString file = "sternwerk_" + QString::fromUtf8(LanguageName(language)) + ".qm";
  return FindProgramFile(file, std::string(build_info::kDataFromProgram) + kTranslationsFolder);
}

ProgramTranslation::ProgramTranslation(Language language) {
  qtLoaded_ = qt_.load(LocaleOf(language), kQtTranslation, "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (language != Language::kGerman) {
    const QString path = ProgramTranslationPath(language);
    programLoaded_ = program_.load(path);
    if (programLoaded_) {
      hookTranslator = &program_;
      InstallTextTranslator(TranslateWithQt, language);
    } else {
      // Told in English: the language asked for is not German, and its
      // translation is what is missing.
      status_ = Status::Failure("The translation " + path.toStdString() + " is missing");
    }
  }
  if (QCoreApplication::instance() != nullptr) InstallIntoApplication();
}

void ProgramTranslation::InstallIntoApplication() {
  if (qtLoaded_) QCoreApplication::installTranslator(&qt_);
  if (programLoaded_) QCoreApplication::installTranslator(&program_);
}

ProgramTranslation::~ProgramTranslation() {
  if (hookTranslator == &program_) {
    InstallTextTranslator(nullptr, Language::kGerman);
    hookTranslator = nullptr;
  }
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::removeTranslator(&program_);
  QCoreApplication::removeTranslator(&qt_);
}

}  // namespace sternwerk
