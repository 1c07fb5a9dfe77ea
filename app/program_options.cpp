#include "app/program_options.h"

#include "build_info.h"

namespace sternwerk {

ProgramOptions ReadProgramOptions(std::vector<std::string> args) {
  ProgramOptions options;
  const Outcome<std::optional<Language>> language = TakeLanguageOption(args);
  if (!language.ok()) {
    options.action = ProgramOptions::Action::kUsageError;
    options.error = language.error() + " (--help zeigt den Aufruf)";
    return options;
  }
  options.language = language.value();
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
    options.error = (arg.starts_with('-') ? "unbekannte Option \"" : "unerwartetes Argument \"") +
                    arg + "\" (--help zeigt den Aufruf)";
    return options;
  }
  return options;
}

std::string ProgramHelp() {
  return std::string("Aufruf: sternwerk [") + kDocumentsFolderOption +
         "] [--language de|en]\n"
         "Die Sternwerk-Planetarium-Uhr: Sonne, Mond und Planeten auf dem Zifferblatt,\n"
         "alle Zeiten in Weltzeit.\n"
         "\n"
         "  " +
         kDocumentsFolderOption +
         "  arbeitet im Ordner Sternwerk des Dokumente-Ordners (er wird\n"
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
         "Mehr in man sternwerk.\n";
}

std::string ProgramVersion() {
  return std::string("sternwerk ") + build_info::kVersion +
         "\n"
         "Lizenz GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n";
}

}  // namespace sternwerk
