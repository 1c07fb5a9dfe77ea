// sternwerk-sky: positions of the Sun, Moon, planets, axes and hypothetical
// points for an instant and place, for people and for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "build_info.h"
#include "engine/sky.h"
#include "tools/chart_command.h"
#include "tools/dial_command.h"
#include "tools/outside_command.h"
#include "tools/search_command.h"
#include "tools/sky_arguments.h"
#include "tools/sky_report.h"
#include "tools/tsv_input.h"

namespace sternwerk {
namespace {

constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Aufruf:\n"
    "  sternwerk-sky --precise AUFRUF\n"
    "      vor jedem der folgenden Aufrufe: genaue Positionen (Swiss Ephemeris)\n"
    "      statt der eigenen Berechnung; die Liste nennt die verwendete.\n"
    "  sternwerk-sky TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]\n"
    "      Positionen für den Zeitpunkt (Weltzeit) und Ort (Dezimalgrad,\n"
    "      Ost und Nord positiv; ohne Angabe 10 und 50).\n"
    "  sternwerk-sky --tsv\n"
    "      liest Zeilen \"Tag Monat Jahr Stunden Länge Breite\" von der\n"
    "      Standardeingabe und schreibt je eine tabulatorgetrennte Zeile.\n"
    "  sternwerk-sky --dial DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt das Zifferblatt des Zeitpunkts als Bild (.wmf, .svg oder .png);\n"
    "      --all mit allen 22 Faktoren, --no-symbols ohne die Symbolschrift.\n"
    "  sternwerk-sky --chart DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt das vergrößerte Diagramm als Bild (.wmf, .svg, .png) oder als\n"
    "      Druckseite mit Kopfzeile und Positionsliste (.pdf).\n"
    "  sternwerk-sky --outside DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt den Blick nach draußen (Süden zwischen Ost- und West-Horizont)\n"
    "      als Bild (.wmf, .svg oder .png).\n"
    "  sternwerk-sky --search ART [FAKTOR] TT.MM.JJJJ [LÄNGE BREITE]\n"
    "      sucht ab 00:00:00 des Datums den Aufgang, Untergang oder die Kulmination\n"
    "      eines Faktors (ART aufgang, untergang, kulmination; FAKTOR z.B. SO, MO)\n"
    "      oder den nächsten Vollmond oder Neumond (ART vollmond, neumond).\n"
    "  sternwerk-sky --version\n"
    "      zeigt die Version.\n";

int PrintSky(const std::vector<std::string>& args, ComputationMode mode) {
  SkyState sky = SkyForArguments(args);
  const ComputationUsed used = ComputeSky(sky, mode);
  for (const std::string& line : SkyReport(sky, used)) std::cout << Windows1252ToUtf8(line) << '\n';
  return 0;
}

int PrintTsv(ComputationMode mode) {
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (!HasTsvValues(line)) continue;
    SkyState sky;
    try {
      sky = ReadTsvInput(line);
    } catch (const UsageError& error) {
      std::cout.flush();
      std::cerr << "sternwerk-sky: Zeile " << number << ": " << error.what() << '\n';
      return kExitUsage;
    }
    ComputeSky(sky, mode);
    std::cout << TsvLine(sky) << '\n';
  }
  return 0;
}

int RunCommand(const std::vector<std::string>& args, char* programPath, ComputationMode mode) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "sternwerk-sky " << build_info::kVersion << '\n';
    return 0;
  }
  if (!args.empty() && args[0] == "--tsv") {
    if (args.size() != 1) throw UsageError("--tsv nimmt keine weiteren Argumente");
    return PrintTsv(mode);
  }
  if (!args.empty() && args[0] == "--search") {
    return SearchFromArguments(std::vector<std::string>(args.begin() + 1, args.end()), std::cout,
                               mode);
  }
  if (!args.empty() && args[0] == "--chart") {
    return WriteChartFile(std::vector<std::string>(args.begin() + 1, args.end()), programPath,
                          mode);
  }
  if (!args.empty() && args[0] == "--outside") {
    return WriteOutsideViewFile(std::vector<std::string>(args.begin() + 1, args.end()), programPath,
                                mode);
  }
  if (!args.empty() && args[0] == "--dial") {
    return WriteDialFile(std::vector<std::string>(args.begin() + 1, args.end()), programPath, mode);
  }
  return PrintSky(args, mode);
}

// "--precise" first chooses the precise computation for the command after it.
int Run(const std::vector<std::string>& args, char* programPath) {
  if (!args.empty() && args[0] == "--precise") {
    return RunCommand(std::vector<std::string>(args.begin() + 1, args.end()), programPath,
                      ComputationMode::kPrecise);
  }
  return RunCommand(args, programPath, ComputationMode::kOwn);
}

}  // namespace
}  // namespace sternwerk

int main(int argc, char** argv) {
  try {
    return sternwerk::Run(std::vector<std::string>(argv + 1, argv + argc), argv[0]);
  } catch (const sternwerk::UsageError& error) {
    std::cerr << "sternwerk-sky: " << error.what() << " (--help zeigt den Aufruf)\n";
    return sternwerk::kExitUsage;
  }
}
