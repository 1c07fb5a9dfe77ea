// sternwerk-sky: positions of the Sun, Moon, planets, axes and hypothetical
// points for an instant and place, for people and for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "base/exit_status.h"
#include "base/language.h"
#include "base/text_encoding.h"
#include "build_info.h"
#include "engine/sky.h"
#include "platform/program_language.h"
#include "tools/astrology_lines.h"
#include "tools/chart_command.h"
#include "tools/collection_command.h"
#include "tools/dial_command.h"
#include "tools/ephemeris_command.h"
#include "tools/located_sky.h"
#include "tools/observe_command.h"
#include "tools/outside_command.h"
#include "tools/places_command.h"
#include "tools/search_command.h"
#include "tools/sky_report.h"
#include "tools/tool_result.h"
#include "tools/tool_text.h"
#include "tools/tsv_input.h"

namespace sternwerk {
namespace {

constexpr std::ptrdiff_t kPlaceLinesAt = 3;  // after the date, time and place lines

constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "sternwerk-sky",
    "Aufruf:\n"
    "  sternwerk-sky --precise AUFRUF\n"
    "      vor jedem der folgenden Aufrufe: genaue Positionen (Swiss Ephemeris)\n"
    "      statt der eigenen Berechnung; die Liste nennt die verwendete.\n"
    "  sternwerk-sky --horizon [--precise] --search ART FAKTOR TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE "
    "BREITE]\n"
    "      Auf- und Untergang des oberen Randes am Horizont mit Refraktion und die\n"
    "      Kulmination als Meridiandurchgang, wie im Almanach (SO, MO, ME bis PL).\n"
    "  sternwerk-sky TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]\n"
    "      Positionen für den Zeitpunkt (Weltzeit) und Ort (Dezimalgrad,\n"
    "      Ost und Nord positiv; ohne Angabe 10 und 50); die ersten Zeilen\n"
    "      nennen Datum und Zeit in Weltzeit.\n"
    "  sternwerk-sky --tsv [--header]\n"
    "      liest Zeilen \"Tag Monat Jahr Stunden Länge Breite\" von der\n"
    "      Standardeingabe und schreibt je eine tabulatorgetrennte Zeile;\n"
    "      --header schreibt zuerst eine Zeile mit den Namen der Spalten.\n"
    "  sternwerk-sky --dial DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt das Zifferblatt des Zeitpunkts als Bild (.wmf, .svg oder .png);\n"
    "      --all mit allen 22 Faktoren, --no-symbols ohne die Symbolschrift.\n"
    "  sternwerk-sky --chart DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt das vergrößerte Diagramm als Bild (.wmf, .svg, .png) oder als\n"
    "      Druckseite mit Kopfzeile und Positionsliste (.pdf); mit --houses\n"
    "      BUCHSTABE und --aspects mit Häusern und Aspekten (Liste im PDF).\n"
    "  sternwerk-sky --outside DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]\n"
    "      schreibt den Blick nach draußen (Süden zwischen Ost- und West-Horizont;\n"
    "      Norden, wo das MC nördlich des Zenits steht) als Bild (.wmf, .svg, .png).\n"
    "  sternwerk-sky --search aufgang|untergang|kulmination FAKTOR TT.MM.JJJJ [HH:MM[:SS]]\n"
    "                [LÄNGE BREITE]\n"
    "  sternwerk-sky --search vollmond|neumond TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE BREITE]\n"
    "      sucht ab 00:00:00 des Datums oder ab der Zeit den Aufgang, Untergang\n"
    "      oder die Kulmination eines Faktors (FAKTOR nötig, z.B. SO, MO) oder den\n"
    "      nächsten Vollmond oder Neumond; schreibt den Zeitpunkt (Weltzeit), das\n"
    "      Ereignis und die Positionen, dann die Ortszeit, wo der Ort eine\n"
    "      Zeitzone hat.\n"
    "  sternwerk-sky --places TEXT\n"
    "      listet bis zu 20 Orte, deren Name oder ein Wort darin mit TEXT beginnt\n"
    "      (Name, Region, Land, Breite, Länge, Zeitzone; tabulatorgetrennt).\n"
    "  sternwerk-sky --version\n"
    "      zeigt die Version.\n"
    "  sternwerk-sky --observe TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]\n"
    "      der Himmel vom Ort aus: Höhe, Azimut und Richtung, RA/Dekl., Abstand,\n"
    "      Helligkeit und Phase der Körper, Auf- und Untergang des Ortstages,\n"
    "      Mondphase und Dämmerungen (Swiss Ephemeris).\n"
    "  sternwerk-sky --ephemeris TT.MM.JJJJ HH:MM[:SS] [--until TT.MM.JJJJ HH:MM[:SS]]\n"
    "                [--step MINUTEN] [LÄNGE BREITE]\n"
    "      eine tabulatorgetrennte Tabelle für die Tabellenkalkulation: je\n"
    "      Zeitpunkt und Körper eine Zeile (Spalten utc, local, body, longitude,\n"
    "      latitude, ra, dec, altitude, azimuth, distance, magnitude,\n"
    "      illuminated), Schritt 60 Minuten ohne --step.\n"
    "  sternwerk-sky --search sonnenfinsternis|mondfinsternis TT.MM.JJJJ [HH:MM[:SS]]\n"
    "                [LÄNGE BREITE]\n"
    "      die nächste vom Ort aus sichtbare Sonnenfinsternis oder die nächste\n"
    "      Mondfinsternis: Maximum (Weltzeit), Art, Größe, Kontakte.\n"
    "  sternwerk-sky --search buergerliche-|nautische-|astronomische-\n"
    "                morgendaemmerung|abenddaemmerung TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE BREITE]\n"
    "      die Dämmerung binnen 24 Stunden (Sonnenmitte 6, 12, 18° unter dem\n"
    "      Horizont); Exit-Status 1, wo die Sonne nicht so tief sinkt.\n"
    "  jetzt oder now statt Datum und Zeit: der Zeitpunkt jetzt (Weltzeit der\n"
    "      Systemuhr); gilt für alle Aufrufe außer --tsv.\n"
    "  --place ORT statt LÄNGE BREITE: der beste Treffer von --places ORT.\n"
    "  --local: Datum und Zeit sind die Ortszeit des Ortes (Zeitzone des Ortes\n"
    "      oder des nächsten Ortes im Umkreis von 150 km, sonst mittlere Ortszeit);\n"
    "      eine Suche ohne Zeit beginnt um 0 Uhr Ortszeit. Mit --place oder\n"
    "      --local nennt die Ausgabe den Ort und die Ortszeit. Beide gelten für\n"
    "      alle Aufrufe außer --tsv.\n"
    "  LÄNGE und BREITE auch in Grad und Minuten: 9°59' 48°24'N, 9:59 48:24,\n"
    "      9d59O 48d24N; W und S zählen negativ.\n"
    "  --language de|en\n"
    "      Sprache der Ausgabe; ohne Angabe die des Desktops (Englisch, wenn die\n"
    "      erste Sprache des Desktops Englisch ist, sonst Deutsch).\n"
    "  sternwerk-sky --save-chart NAME TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]\n"
    "      speichert Zeitpunkt und Ort als Horoskop NAME in der Sammlung (mit\n"
    "      --place und --local wie oben) und schreibt seine Zeile wie --charts.\n"
    "  sternwerk-sky --charts [TEXT]\n"
    "      listet die Horoskope der Sammlung, mit TEXT die, deren Name, Ort oder\n"
    "      Jahr jedes Wort von TEXT enthält: Name, Art, Datum und Zeit wie\n"
    "      eingegeben, Zone, Weltzeit, Ort, Region, Land, Breite, Länge;\n"
    "      tabulatorgetrennt.\n"
    "  sternwerk-sky --import DATEI\n"
    "      nimmt die Horoskope einer AAF-Datei (mit #A93:-Zeilen) oder einer\n"
    "      CSV-Datei mit Kopfzeile (Name, Datum, Zeit, Ort oder Breite und Länge,\n"
    "      Zone) in die Sammlung auf; fehlerhafte Datensätze werden mit ihrer\n"
    "      Zeile gemeldet und übersprungen.\n"
    "  sternwerk-sky --export DATEI\n"
    "      schreibt die Sammlung als AAF (DATEI.aaf) oder CSV (DATEI.csv).\n"
    "  --collection DATEI: die Sammlung in DATEI statt horoskope.db im\n"
    "      aktuellen Ordner.\n"
    "  --houses BUCHSTABE, --aspects, --midpoints [--all] zu den Positionen:\n"
    "      Häuserspitzen H1 bis H12 (P Placidus, K Koch, R Regiomontanus, C Campanus,\n"
    "      E äqual vom AS, W ganze Zeichen, O Porphyrius, X Meridian, T topozentrisch,\n"
    "      B Alcabitius, M Morinus; wo P und K nicht definiert sind, Porphyrius),\n"
    "      Aspekte (Faktoren, Aspekt, Orbis, applikativ oder separativ) und\n"
    "      Halbsummen nach ihrem Ort auf dem 90°-Kreis; mit --all aller 22 Faktoren.\n");

// The lines of --saved, after the others.
constexpr const char* kSavedUsage =
    QT_TRANSLATE_NOOP("sternwerk-sky",
                      "  --saved NAME statt Datum, Zeit und Ort: Zeitpunkt und Ort des Horoskops\n"
                      "      NAME der Sammlung (oder des einen, dessen Name so beginnt), für alle\n"
                      "      Aufrufe außer --tsv; eine Suche beginnt am Zeitpunkt des Horoskops.\n"
                      "      Mit --local nennt die Ausgabe den Ort und die Ortszeit in der Zone\n"
                      "      des Horoskops. --save-chart NEU --saved NAME speichert Zeitpunkt und\n"
                      "      Ort des Horoskops unter dem neuen Namen.\n");

// The position list; the place lines follow the place line.
ToolResult PrintSky(std::vector<std::string> args, ComputationMode mode,
                    const PlaceOptions& place) {
  const Outcome<AstrologyRequest> astrology = TakeAstrologyOptions(args);
  if (!astrology.ok()) return ToolResult::UsageError(astrology.error());
  ToolOutcome<LocatedSky> instant = LocateArguments(args, place);
  if (!instant.ok()) return instant.ending();
  LocatedSky located = std::move(instant).value();
  SkyState& sky = located.sky;
  const SkyComputation computed = ComputeSky(sky, mode);
  std::vector<std::string> lines;
  for (const std::string& line : SkyReport(sky, computed.used))
    lines.push_back(Windows1252ToUtf8(line));
  const std::vector<std::string> placeLines =
      PlaceLines(located, UniversalSeconds(sky), located.twice);
  lines.insert(lines.begin() + kPlaceLinesAt, placeLines.begin(), placeLines.end());
  const Outcome<AstrologyText> astrologyText = AstrologyTextFor(astrology.value(), sky, mode);
  if (!astrologyText.ok()) return ToolResult::Failure(astrologyText.error());
  lines.insert(lines.end(), astrologyText.value().lines.begin(), astrologyText.value().lines.end());
  for (const std::string& line : lines) std::cout << line << '\n';
  for (const std::string& note : astrologyText.value().notes)
    std::cerr << "sternwerk-sky: " << note << '\n';
  ReportFallback(computed);
  return ToolResult::Done();
}

// A refused line ends the reading with its own message, after the lines
// written before it.
ToolResult PrintTsv(ComputationMode mode, bool header) {
  if (header) std::cout << TsvHeader() << '\n';
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (!HasTsvValues(line)) continue;
    Outcome<SkyState> read = ReadTsvInput(line);
    if (!read.ok()) {
      return ToolResult::Failure(WithArguments(Said(QT_TRANSLATE_NOOP("sternwerk-sky", "Zeile %1")),
                                               {std::to_string(number)}) +
                                 ": " + read.error());
    }
    SkyState sky = std::move(read).value();
    ComputeSky(sky, mode);
    std::cout << TsvLine(sky) << '\n';
  }
  return ToolResult::Done();
}

// The arguments after the first.
std::vector<std::string> After(const std::vector<std::string>& args) {
  return std::vector<std::string>(args.begin() + 1, args.end());
}

ToolResult PrintTsvCommand(const std::vector<std::string>& args, ComputationMode mode,
                           const PlaceOptions& place) {
  if (place.any() || place.saved)
    return ToolResult::UsageError(Said(
        QT_TRANSLATE_NOOP("sternwerk-sky", "--place, --local und --saved gelten nicht für --tsv")));
  const bool header = args.size() == 1 && args[0] == "--header";
  if (!args.empty() && !header)
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--tsv nimmt nur --header als weiteres Argument")));
  return PrintTsv(mode, header);
}

// The result of the command the arguments name.
ToolResult RunCommand(const std::vector<std::string>& args, char* programPath, ComputationMode mode,
                      const PlaceOptions& place) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << Said(kUsage) << Said(kSavedUsage);
    return ToolResult::Done();
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "sternwerk-sky " << build_info::kVersion << '\n';
    return ToolResult::Done();
  }
  const std::string command = args.empty() ? std::string() : args[0];
  if (command == "--tsv") return PrintTsvCommand(After(args), mode, place);
  if (command == "--search") return SearchFromArguments(After(args), std::cout, mode, false, place);
  if (command == "--chart") return WriteChartFile(After(args), programPath, mode, place);
  if (command == "--outside") return WriteOutsideViewFile(After(args), programPath, mode, place);
  if (command == "--dial") return WriteDialFile(After(args), programPath, mode, place);
  if (command == "--observe") return ObserveFromArguments(After(args), std::cout, place);
  if (command == "--ephemeris") return EphemerisFromArguments(After(args), std::cout, place);
  // A date never begins with a dash; what does is an option not known.
  if (command.starts_with('-') && !IsAstrologyOption(command))
    return ToolResult::UsageError(WithArguments(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "unbekannte Option \"%1\"")), {command}));
  return PrintSky(args, mode, place);
}

// "--precise" first chooses the precise computation for the command after it.
// The options before the command, --precise and --horizon, in either order;
// --place and --local anywhere; "--places TEXT" alone.
ToolResult Run(std::vector<std::string> args, char* programPath) {
  if (!args.empty() && args[0] == "--places") return ListPlaces(After(args), std::cout);
  const Outcome<PlaceOptions> place = TakePlaceOptions(args);
  if (!place.ok()) return ToolResult::UsageError(place.error());
  if (IsCollectionCommand(args))
    return RunCollectionCommand(std::move(args), place.value(), std::cout);
  if (place.value().collection && !place.value().saved)
    return ToolResult::UsageError(Said(
        QT_TRANSLATE_NOOP("sternwerk-sky",
                          "--collection gilt für --save-chart, --charts, --import, --export und "
                          "--saved")));
  ComputationMode mode = ComputationMode::kOwn;
  bool atHorizon = false;
  for (;;) {
    if (!args.empty() && args[0] == "--precise" && mode == ComputationMode::kOwn) {
      mode = ComputationMode::kPrecise;
    } else if (!args.empty() && args[0] == "--horizon" && !atHorizon) {
      atHorizon = true;
    } else {
      break;
    }
    args = After(args);
  }
  if (!atHorizon) return RunCommand(args, programPath, mode, place.value());
  if (args.empty() || args[0] != "--search")
    return ToolResult::UsageError(
        Said(QT_TRANSLATE_NOOP("sternwerk-sky", "--horizon gilt nur für --search")));
  return SearchFromArguments(After(args), std::cout, mode, true, place.value());
}

}  // namespace
}  // namespace sternwerk

// Every command's result is told here, once: its output is written, a
// failure's message follows on standard error.
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const sternwerk::Outcome<sternwerk::Language> language = sternwerk::ChosenLanguage(args);
  if (!language.ok()) {
    std::cerr << "sternwerk-sky: " << language.error() << '\n';
    return sternwerk::kExitUsage;
  }
  const sternwerk::ProgramTranslation translation(language.value());
  if (!translation.status().ok())
    std::cerr << "sternwerk-sky: " << translation.status().error() << '\n';
  const sternwerk::ToolResult result = sternwerk::Run(std::move(args), argv[0]);
  std::cout.flush();
  std::cerr << result.ErrorText();
  return result.status();
}
