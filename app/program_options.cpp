#include "app/program_options.h"

#include "base/translation.h"
#include "build_info.h"

namespace sternwerk {
namespace {

constexpr const char* kProgramContext = "sternwerk";
constexpr const char* kArgumentMark = "%1";
constexpr const char* kHelpHint = QT_TRANSLATE_NOOP("sternwerk", " (--help zeigt den Aufruf)");

}  // namespace
}  // namespace sternwerk

namespace sternwerk {

ProgramOptions ReadProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      options.action = ProgramOptions::Action::kHelp;
      return options;
    }
    if (arg == "--version") {
      options.action = ProgramOptions::Action::kVersion;
      return options;
    }
    if (arg == kDocumentsFolderOption) {
      options.inDocumentsFolder = true;
      continue;
    }
    options.action = ProgramOptions::Action::kUsageError;
    const char* refusal = arg.starts_with('-')
                              ? QT_TRANSLATE_NOOP("sternwerk", "unbekannte Option \"%1\"")
                              : QT_TRANSLATE_NOOP("sternwerk", "unerwartetes Argument \"%1\"");
    std::string error = Translated(kProgramContext, refusal);
    error.replace(error.find(kArgumentMark), std::string_view(kArgumentMark).size(), arg);
    options.error = error + Translated(kProgramContext, kHelpHint);
    return options;
  }
  return options;
}

std::string ProgramHelp() {
  return Translated(
      kProgramContext,
      QT_TRANSLATE_NOOP(
          "sternwerk",
          "Aufruf: sternwerk [--documents-folder] [--language de|en]\n"
          "Die Sternwerk-Planetarium-Uhr: Sonne, Mond und Planeten auf dem Zifferblatt,\n"
          "alle Zeiten in Weltzeit.\n"
          "\n"
          "  --documents-folder  arbeitet im Ordner Sternwerk des Dokumente-Ordners (er wird\n"
          "                      angelegt); so startet der Menüeintrag. Ohne diese\n"
          "                      Option arbeitet das Programm im aktuellen Verzeichnis.\n"
          "  --language de|en    Sprache der Fenster; ohne diese Option die des\n"
          "                      Desktops (Englisch, wenn seine erste Sprache\n"
          "                      Englisch ist, sonst Deutsch).\n"
          "  --help              zeigt diesen Aufruf und endet.\n"
          "  --version           zeigt die Version und endet.\n"
          "\n"
          "ALT.DAT (Zeitpunkt und Ort der letzten Sitzung), img.wmf, draus.wmf und die\n"
          "gespeicherten Diagramme RURed-NN.WMF liegen im Arbeitsverzeichnis.\n"
          "Mehr in man sternwerk.\n"));
}

std::string ProgramVersion() {
  return std::string("sternwerk ") + build_info::kVersion + "\n" +
         Translated(kProgramContext, QT_TRANSLATE_NOOP("sternwerk", "Lizenz")) +
         " GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n";
}

}  // namespace sternwerk
