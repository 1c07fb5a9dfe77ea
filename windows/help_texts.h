// The help windows' texts. Each is a German source text whose lines, split
// at '\n', are the lines of one text box as they are printed (the boxes wrap
// them on screen). HelpLines() gives a text in the program's language; a
// translation may break its lines elsewhere and have more or fewer of them.
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace sternwerk {

namespace help_texts {

// The introduction (IntroductionWindow).
// What the dial shows and that it runs on universal time.
inline constexpr const char* kIntroductionSummary =
    QT_TRANSLATE_NOOP("sternwerk::HelpTexts",
                      " Die Sternwerk zeigt im 360°-Diagramm außen 12 Faktoren/Planeten von MC bis "
                      "Pluto - astrologisch 14 + 8 innen.\n"
                      " Nach Betätigung der Taste  ´Halt´  können Sie das Diagramm vergrößern, "
                      "drucken und als  WMF-Datei speichern.\n"
                      " Die Uhr arbeitet mit Greenwich/Weltzeit: MEZ/MESZ "
                      "(Mittel-Europ.(Sommer)-Zeit sind also 1 bzw 2 Stunden weiter.");
// What can be changed at any time.
inline constexpr const char* kIntroductionSettings = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    "  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:\n"
    "  - Start-Datum, -Zeit  (WZ/GMT) und -Ort sind frei wählbar (Datum/Zeit/Ort)\n"
    "  - die Schrittweite ist mit Interval einstellbar\n"
    "  - die Geschwindigkeit ist zwischen +/-20 Takten pro Sekunde regelbar\n"
    "    (das bedeutet, die Uhr kann auch rückwärts laufen)\n"
    "  - ´Real-Time´ setzt Datum und Uhrzeit auf System-Datum und -Zeit\n"
    "  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen");
// What the halt enables.
inline constexpr const char* kIntroductionHalted =
    QT_TRANSLATE_NOOP("sternwerk::HelpTexts",
                      "  Nach ´Halt´ werden aktiv:\n"
                      "  - Aufgang      )  diese drei Tasten \n"
                      "  - Kulmination )  öffnen ein Fenster \n"
                      "  - Untergang   )  für die Faktorwahl\n"
                      "  - heller Kreis: nächster Vollmond\n"
                      "  - dunkler Kreis: nächster Neumond");
// The introduction to the dial, with a worked example the engine reproduces.
inline constexpr const char* kIntroductionText = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    "  Was zeigt das Kreis-Diagramm?     (Wir empfehlen  ´Drucken´  für die weitere Anwendung mit "
    "dem Programm)  \n"
    "\n"
    "  In der Mitte des Diagramms sehen Sie die Erde von oben, mit ihrem Nordpol im Zentrum und "
    "ihrer Drehung von\n"
    "  West nach Ost. Um sie herum liegen die zwölf Tierkreiszeichen von Widder bis Fische. Ganz "
    "außen stehen\n"
    "  Sonne, Mond und Planeten in Dunkelblau, MC in Grün und AS in Rot.\n"
    "\n"
    "  Weil sich die Erde entgegen dem Uhrzeigersinn dreht, scheint sich der Himmel von Ost nach "
    "West zu drehen,\n"
    "  und mit ihm das Diagramm. Die grüne Linie ist die Projektion des augenblicklichen Meridians "
    "an den Himmel,\n"
    "  MC ihr Schnittpunkt mit der Ekliptik, der Kulminationspunkt (der höchste Punkt am "
    "Südhimmel): Wer genau\n"
    "  nach Süden blickt, schaut entlang der grünen Linie und sieht dort mittags die Sonne, um "
    "Mitternacht einmal\n"
    "  in 28 Tagen den Vollmond.\n"
    "\n"
    "  Ort, Tag und Uhrzeit lassen sich beliebig einstellen. Das Diagramm, seine Vergrößerung und "
    "vor allem die\n"
    "  Draußen-Ansicht zeigen dann, wo Sonne, Mond und Planeten stehen - oder dass sie gerade "
    "nicht zu sehen\n"
    "  sind.\n"
    "  Dazu dienen die Tasten ´Datum/Zeit/Ort´, ´Real-Time´ und ´Alt-Datum/Zeit´.\n"
    "\n"
    "  Ein Beispiel zum Einstieg: Stellen Sie unter ´Datum/Zeit/Ort´ den 21.03.2000, 12:00 Uhr, "
    "die Länge 013°22\n"
    "  und die Breite 52°33 (Berlin) ein. Die Sonne steht dann auf 1°10´ Widder, nahe dem "
    "Frühlingspunkt, der\n"
    "  Mond kurz nach Vollmond auf 197°19´ = 17°19´ Waage, und die Planeten verteilen sich rund um "
    "den Kreis.\n"
    "  Alle Positionen stehen unten rechts in der Liste, in 360-Grad-Form und innerhalb ihres "
    "Zeichens.\n"
    "\n"
    "  Stellen Sie nun mit ´Intervall´ 10 Minuten pro Takt ein und den Regler auf 2 Takte pro "
    "Sekunde: Dann\n"
    "  vergeht ein ganzer Tag in 72 Sekunden, und der Himmel dreht sich einmal von Ost nach West "
    "um die Erde.\n"
    "\n"
    "  Bei 20 Takten pro Sekunde können Sie dem Mond folgen: durch den Schützen an Pluto vorbei, "
    "durch den\n"
    "  Wassermann an Neptun und Uranus vorbei, auf die Sonne und den Neumond zu. Einige Tage steht "
    "er in den\n"
    "  Fischen neben Merkur und Venus, westlich der Sonne, und geht kurz vor ihr unter und auf. "
    "Neumond ist am\n"
    "  04.04.2000 um 18:13 erreicht, Sonne und Mond stehen dann auf 15°16´ Widder. Um ihn genau zu "
    "treffen,\n"
    "  verringern Sie die Geschwindigkeit, wenn sich der Mond der Sonne nähert, und halten dort "
    "an.\n"
    "\n"
    "  Die Gradzahlen gehören zum Tierkreis und beginnen bei 0° Widder; für die Beobachtung sind "
    "sie in Winkel\n"
    "  zum MC (immer genau im Süden) umzurechnen. Im Beispiel (04.04.2000, 18:13) steht MC auf "
    "117°, Sonne und\n"
    "  Mond stehen auf 15°, also mehr als 100° westlich von MC: Sonne und Neumond sind "
    "untergegangen, Saturn,\n"
    "  Mars und Jupiter aber sind zu sehen.\n"
    "\n"
    "  Die Vergrößerung zeigt statt des erdfesten das tierkreisfeste Bild: Der Widder steht rechts "
    "und beginnt\n"
    "  bei 0°, und MC steht in seinem wahren Winkel, im Beispiel 117° = 27° Krebs. Die "
    "Vergrößerung hat eine\n"
    "  eigene Hilfe.\n"
    "\n"
    "  Die rote Linie des Aszendenten zeigt, wo Ost- und West-Horizont die Ekliptik schneiden; das "
    "hängt von der\n"
    "  geographischen Breite ab. Auf der AS-Seite (Osten) gehen die Gestirne auf, auf der "
    "Westseite unter. Die\n"
    "  grüne MC-Linie zeigt immer nach Süden.\n"
    "  Je weiter nördlich ein Ort liegt, desto stärker schwankt die Lage der AS-Linie im Laufe "
    "eines Tages.\n"
    "\n"
    "  Die Taste ´Draußen-Ansicht´ zeigt am Südhimmel zwischen Ost- und West-Horizont die Stellung "
    "von Sonne,\n"
    "  Mond und allen Planeten, die zwischen Auf- und Untergang stehen (oder knapp außerhalb). "
    "Auch sie hat eine\n"
    "  eigene Hilfe.\n"
    "\n"
    "  Nach ´Halt´ suchen die Tasten ´Sonnenfinsternis´ und ´Mondfinsternis´ ab der gezeigten "
    "Zeit die nächste\n"
    "  Sonnenfinsternis, die am eingestellten Ort zu sehen ist, und die nächste Mondfinsternis. "
    "Die Uhr steht\n"
    "  dann in ihrem Maximum; oben links stehen die Art, die Größe, die Kontakte in Orts- und "
    "Weltzeit und die\n"
    "  Höhe von Sonne oder Mond (´nicht sichtbar´, wenn der Mond die ganze Finsternis über unter "
    "dem Horizont\n"
    "  steht). Diese Werte kommen immer aus der Swiss Ephemeris.\n"
    "  Die Taste ´Himmel hier´ (Alt+M) öffnet neben der Uhr ein Fenster, das ihr folgt: Höhe und "
    "Richtung\n"
    "  von Sonne, Mond und Planeten am Ort, was über dem Horizont steht zuerst, mit Auf- und "
    "Untergang,\n"
    "  Kulmination, Mondphase und Dämmerung des Tages in der Zeit des Ortes. Diese Werte kommen "
    "immer aus\n"
    "  der Swiss Ephemeris, gleich welche Rechenart gewählt ist. ´Kopieren´ und ´Drucken´ geben "
    "die Tafel\n"
    "  als Text weiter.\n"
    "\n"
    "  Unter ´Quell-Information´ stehen zwei Kästchen nebeneinander: ´Genaue Positionen (Swiss "
    "Ephemeris)´ nimmt\n"
    "  die Positionen aus der Swiss Ephemeris statt aus der eigenen Berechnung. ´Auf-/Untergang am "
    "Horizont (wie\n"
    "  im Almanach)´ bestimmt, was ´Aufgang´, ´Kulmination´ und ´Untergang´ suchen: Ohne das "
    "Kästchen den\n"
    "  astrologischen Aufgang, den Augenblick, in dem der Faktor in der Ekliptik AS, MC oder DE "
    "erreicht; mit\n"
    "  ihm für Sonne, Mond und Planeten den Auf- und Untergang des oberen Randes am Horizont mit "
    "Refraktion und\n"
    "  die Kulmination als Meridiandurchgang, wie ein Almanach sie nennt. Bei der Sonne liegen "
    "beide einige\n"
    "  Minuten auseinander.");

// After the introduction, in the same box: the astrologer's charts and the
// 90-degree dial.
inline constexpr const char* kIntroductionCharts = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    "\n"
    "  Für Astrologen: Die Taste ´Horoskope´ (Alt+P, links unten) öffnet nach ´Halt´ die Sammlung "
    "der Horoskope,\n"
    "  die Datei horoskope.db im Arbeitsordner. Beim Tippen ins Suchfeld bleiben die Horoskope, "
    "deren Name, Ort\n"
    "  oder Jahr passt. ´Öffnen´ stellt die angehaltene Uhr auf Zeitpunkt und Ort des Horoskops, "
    "´Uhrzeit\n"
    "  speichern´ nimmt den gezeigten Zeitpunkt und Ort als neues Horoskop auf (in Ortszeit, wenn "
    "die Uhr sie\n"
    "  zuerst zeigt). ´Bearbeiten´ ändert Name, Art und Notizen oder nimmt Zeitpunkt und Ort der "
    "Uhr, ´Löschen´\n"
    "  fragt vorher. sternwerk-sky liest und schreibt dieselbe Sammlung und tauscht sie als AAF- "
    "oder CSV-Datei\n"
    "  mit anderen Programmen aus.\n"
    "  Häuser, Aspekte und Orben wählt man unter ´Quell-Information´. Im vergrößerten Diagramm "
    "öffnet ´90°-Scheibe´\n"
    "  (Alt+9) die 90°-Scheibe: Jede Länge steht dort modulo 90°, Konjunktion, Quadrat und "
    "Opposition fallen\n"
    "  zusammen. Den Zeiger drehen Maus und Pfeiltasten (mit Umschalt 5°, mit Strg 1´); daneben "
    "stehen die\n"
    "  Faktoren und Halbsummen im Orbis des Zeigers und seiner 45°/135°-Punkte.");

// The enlarged chart's help (ChartHelpWindow).
// How the enlarged chart differs from the dial, and its print and save.
inline constexpr const char* kChartHelpText = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    "  Dieses Bild sieht anders aus als das laufende oder angehaltene kleine Diagramm: MC\n"
    "  steht an beliebiger Stelle, nicht wie im kleinen, erdbezogenen Diagramm immer oben. Es\n"
    "  bezeichnet aber stets den Süden, denn es ist an den Meridian gebunden.\n"
    "\n"
    "  Hier steht der Tierkreis still: 0° Widder liegt zu jeder Jahres- und Tageszeit rechts.\n"
    "  Im kleinen Diagramm dagegen dreht sich der Tierkreis an einem Tag etwas mehr als einmal\n"
    "  um die Erde, während die Faktoren in ihm weiterwandern.\n"
    "\n"
    "  Das Zeichen der Sonne zeigt die Jahreszeit: Frühling in Widder, Stier und Zwillinge,\n"
    "  Sommer in Krebs, Löwe und Jungfrau, Herbst in Waage, Skorpion und Schütze, Winter in\n"
    "  Steinbock, Wassermann und Fische. Sonne, Mond und Planeten wandern entgegen dem\n"
    "  Uhrzeigersinn durch den Tierkreis und folgen so dem jährlichen Lauf der Erde um die\n"
    "  Sonne.\n"
    "\n"
    "  Die tägliche Drehung der Erde zeigt sich in der Lage von MC: Der Meridian, die Richtung\n"
    "  genau nach Süden, dreht sich einmal am Tag durch den Tierkreis. Betrachten Sie die\n"
    "  Vergrößerung zu verschiedenen Zeiten eines Tages (Sonnenaufgang, Kulmination,\n"
    "  Sonnenuntergang): Sonne, Mond und Planeten stehen fast still, während MC und AS\n"
    "  weiterrücken.\n"
    "\n"
    "  Den jährlichen Lauf erkennen Sie beim Vergleich von Vollmond und Neumond, die Sie mit\n"
    "  den Tasten mit dem hellen und dem dunklen Kreis finden: In 14 Tagen ist der Mond etwa\n"
    "  180° durch den Tierkreis gewandert, Sonne und Planeten nur wenige Grad.\n"
    "\n"
    "  >> Drucken <<\n"
    "  Der Druck gibt das gezeigte Diagramm wieder, dazu eine Tabelle der Faktoren und die\n"
    "  Angaben zu Zeit und Ort. Besondere Ereignisse (Aufgang, Kulmination, Untergang,\n"
    "  Vollmond, Neumond) stehen oben links im Ausdruck.\n"
    "\n"
    "  >> Speichern <<\n"
    "  Speichern legt im aktuellen Programmverzeichnis eine WMF-Datei ´RURed...´ mit\n"
    "  fortlaufender Nummer an, so dass Sie in jedem Programmlauf mehrere Diagramme\n"
    "  verschiedener Zeiten oder Orte speichern können; der gewählte Dateiname wird angezeigt.\n"
    "\n"
    "  >> Exportieren … <<\n"
    "  Exportieren fragt nach Ordner und Dateinamen und schreibt das Diagramm als Bild (PNG,\n"
    "  SVG, WMF) oder als Druckseite mit Tabelle (PDF), die andere Programme öffnen können.");
// Where to read on.
inline constexpr const char* kChartHelpMaterial = QT_TRANSLATE_NOOP(
    "sternwerk::HelpTexts",
    "  Wer tiefer in das Thema einsteigen möchte, findet weiterführendes Material:\n"
    "  - Ephemeriden-Tabellen mit den täglichen Positionen von Sonne, Mond und Planeten,\n"
    "  - eine drehbare Sternkarte für die eigene geographische Breite,\n"
    "  - Einführungen in die sphärische Astronomie und die Bewegungen der Himmelskörper.\n"
    "  Sie erhalten es im Buchhandel und in öffentlichen Bibliotheken; Volkssternwarten und\n"
    "  astronomische Vereine bieten außerdem Führungen, Vorträge und Kurse an.");

}  // namespace help_texts

// The lines of a help text marked in the context "sternwerk::HelpTexts", in
// the program's language.
QStringList HelpLines(const char* text);

}  // namespace sternwerk
