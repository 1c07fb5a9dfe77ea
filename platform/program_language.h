// The program's language on the Qt side: the desktop's choice, and the
// translations that make a run speak it.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/outcome.h"

namespace sternwerk {

// The language of the desktop: QLocale::system().uiLanguages() (which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG) as LanguageOfUiLanguages
// reads them.
Language SystemLanguage();

// The language of a run: the one "--language" asks for, taken out of `args`,
// else the desktop's. A missing, unknown or repeated value is a failure told
// in the desktop's language, with a hint at --help.
Outcome<Language> ChosenLanguage(std::vector<std::string>& args);

// The locale of a language's numbers: a decimal comma in German.
QLocale LocaleOf(Language language);

// The translation file of the program for a language other than German
// (sternwerk_en.qm): beside the program, else in the installed data folder's
// translations/.
QString ProgramTranslationPath(Language language);

// The translations of one run: for English the program's own, and Qt's own
// (qtbase_de or qtbase_en, for its dialogs and message box buttons). While
// it lives, it serves the hook of the Qt-free layers (InstallTextTranslator)
// and, once installed into the application (at once where one exists),
// tr() and QCoreApplication::translate.
// German needs no file of the program's: its texts are the source texts.
class ProgramTranslation {
 public:
  explicit ProgramTranslation(Language language);
  ~ProgramTranslation();
  ProgramTranslation(const ProgramTranslation&) = delete;
  ProgramTranslation& operator=(const ProgramTranslation&) = delete;

  // Installs the translations into the application created after them, for
  // tr() and Qt's own dialogs.
  void InstallIntoApplication();

  // Whether the program's translation was found (always for German); the
  // failure names the missing file.
  [[nodiscard]] Status status() const { return status_; }

 private:
  QTranslator program_;
  QTranslator qt_;
  bool programLoaded_ = false;
  bool qtLoaded_ = false;
  Status status_ = Status::Success();
};

}  // namespace sternwerk
