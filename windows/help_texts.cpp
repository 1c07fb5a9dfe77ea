#include "windows/help_texts.h"

namespace sternwerk {

// What the dial shows and that it runs on universal time.
const QStringList kIntroductionSummary = {
    QStringLiteral(" Die Sternwerk zeigt im 360°-Diagramm außen 12 Faktoren/Planeten von MC bis "
                   "Pluto - astrologisch 14 + 8 innen."),
    QStringLiteral(" Nach Betätigung der Taste  ´Halt´  können Sie das Diagramm vergrößern, "
                   "drucken und als  WMF-Datei speichern."),
    QStringLiteral(" Die Uhr arbeitet mit Greenwich/Weltzeit: MEZ/MESZ (Mittel-Europ.(Sommer)-Zeit "
                   "sind also 1 bzw 2 Stunden weiter."),
};

// What can be changed at any time.
const QStringList kIntroductionSettings = {
    QStringLiteral("  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:"),
    QStringLiteral("  - Start-Datum, -Zeit  (WZ/GMT) und -Ort sind frei wählbar (Datum/Zeit/Ort)"),
    QStringLiteral("  - die Schrittweite ist mit Interval einstellbar"),
    QStringLiteral("  - die Geschwindigkeit ist zwischen +/-20 Takten pro Sekunde regelbar"),
    QStringLiteral("    (das bedeutet, die Uhr kann auch rückwärts laufen)"),
    QStringLiteral("  - ´Real-Time´ setzt Datum und Uhrzeit auf System-Datum und -Zeit"),
    QStringLiteral("  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen"),
};

// What the halt enables.
const QStringList kIntroductionHalted = {
    QStringLiteral("  Nach ´Halt´ werden aktiv:"),
    QStringLiteral("  - Aufgang      )  diese drei Tasten "),
    QStringLiteral("  - Kulmination )  öffnen ein Fenster "),
    QStringLiteral("  - Untergang   )  für die Faktorwahl"),
    QStringLiteral("  - heller Kreis: nächster Vollmond"),
    QStringLiteral("  - dunkler Kreis: nächster Neumond"),
};

// The introduction to the dial, with a worked example the engine reproduces.
const QStringList kIntroductionText = {
    QStringLiteral("  Was zeigt das Kreis-Diagramm?     (Wir empfehlen  ´Drucken´  für die weitere "
                   "Anwendung mit dem Programm)  "),
    QString(),
    QStringLiteral("  In der Mitte des Diagramms sehen Sie die Erde von oben, mit ihrem Nordpol im "
                   "Zentrum und ihrer Drehung von"),
    QStringLiteral("  West nach Ost. Um sie herum liegen die zwölf Tierkreiszeichen von Widder bis "
                   "Fische. Ganz außen stehen"),
    QStringLiteral("  Sonne, Mond und Planeten in Dunkelblau, MC in Grün und AS in Rot."),
    QString(),
    QStringLiteral("  Weil sich die Erde entgegen dem Uhrzeigersinn dreht, scheint sich der Himmel "
                   "von Ost nach West zu drehen,"),
    QStringLiteral("  und mit ihm das Diagramm. Die grüne Linie ist die Projektion des "
                   "augenblicklichen Meridians an den Himmel,"),
    QStringLiteral("  MC ihr Schnittpunkt mit der Ekliptik, der Kulminationspunkt (der höchste "
                   "Punkt am Südhimmel): Wer genau"),
    QStringLiteral("  nach Süden blickt, schaut entlang der grünen Linie und sieht dort mittags "
                   "die Sonne, um Mitternacht einmal"),
    QStringLiteral("  in 28 Tagen den Vollmond."),
    QString(),
    QStringLiteral("  Ort, Tag und Uhrzeit lassen sich beliebig einstellen. Das Diagramm, seine "
                   "Vergrößerung und vor allem die"),
    QStringLiteral("  Draußen-Ansicht zeigen dann, wo Sonne, Mond und Planeten stehen - oder dass "
                   "sie gerade nicht zu sehen"),
    QStringLiteral("  sind."),
    QStringLiteral("  Dazu dienen die Tasten ´Datum/Zeit/Ort´, ´Real-Time´ und ´Alt-Datum/Zeit´."),
    QString(),
    QStringLiteral("  Ein Beispiel zum Einstieg: Stellen Sie unter ´Datum/Zeit/Ort´ den "
                   "21.03.2000, 12:00 Uhr, die Länge 013°22"),
    QStringLiteral("  und die Breite 52°33 (Berlin) ein. Die Sonne steht dann auf 1°10´ Widder, "
                   "nahe dem Frühlingspunkt, der"),
    QStringLiteral("  Mond kurz nach Vollmond auf 197°19´ = 17°19´ Waage, und die Planeten "
                   "verteilen sich rund um den Kreis."),
    QStringLiteral("  Alle Positionen stehen unten rechts in der Liste, in 360-Grad-Form und "
                   "innerhalb ihres Zeichens."),
    QString(),
    QStringLiteral("  Stellen Sie nun mit ´Intervall´ 10 Minuten pro Takt ein und den Regler auf 2 "
                   "Takte pro Sekunde: Dann"),
    QStringLiteral("  vergeht ein ganzer Tag in 72 Sekunden, und der Himmel dreht sich einmal von "
                   "Ost nach West um die Erde."),
    QString(),
    QStringLiteral("  Bei 20 Takten pro Sekunde können Sie dem Mond folgen: durch den Schützen an "
                   "Pluto vorbei, durch den"),
    QStringLiteral("  Wassermann an Neptun und Uranus vorbei, auf die Sonne und den Neumond zu. "
                   "Einige Tage steht er in den"),
    QStringLiteral("  Fischen neben Merkur und Venus, westlich der Sonne, und geht kurz vor ihr "
                   "unter und auf. Neumond ist am"),
    QStringLiteral("  04.04.2000 um 18:13 erreicht, Sonne und Mond stehen dann auf 15°16´ Widder. "
                   "Um ihn genau zu treffen,"),
    QStringLiteral("  verringern Sie die Geschwindigkeit, wenn sich der Mond der Sonne nähert, und "
                   "halten dort an."),
    QString(),
    QStringLiteral("  Die Gradzahlen gehören zum Tierkreis und beginnen bei 0° Widder; für die "
                   "Beobachtung sind sie in Winkel"),
    QStringLiteral("  zum MC (immer genau im Süden) umzurechnen. Im Beispiel (04.04.2000, 18:13) "
                   "steht MC auf 117°, Sonne und"),
    QStringLiteral("  Mond stehen auf 15°, also mehr als 100° westlich von MC: Sonne und Neumond "
                   "sind untergegangen, Saturn,"),
    QStringLiteral("  Mars und Jupiter aber sind zu sehen."),
    QString(),
    QStringLiteral("  Die Vergrößerung zeigt statt des erdfesten das tierkreisfeste Bild: Der "
                   "Widder steht rechts und beginnt"),
    QStringLiteral("  bei 0°, und MC steht in seinem wahren Winkel, im Beispiel 117° = 27° Krebs. "
                   "Die Vergrößerung hat eine"),
    QStringLiteral("  eigene Hilfe."),
    QString(),
    QStringLiteral("  Die rote Linie des Aszendenten zeigt, wo Ost- und West-Horizont die Ekliptik "
                   "schneiden; das hängt von der"),
    QStringLiteral("  geographischen Breite ab. Auf der AS-Seite (Osten) gehen die Gestirne auf, "
                   "auf der Westseite unter. Die"),
    QStringLiteral("  grüne MC-Linie zeigt immer nach Süden."),
    QStringLiteral("  Je weiter nördlich ein Ort liegt, desto stärker schwankt die Lage der "
                   "AS-Linie im Laufe eines Tages."),
    QString(),
    QStringLiteral("  Die Taste ´Draußen-Ansicht´ zeigt am Südhimmel zwischen Ost- und "
                   "West-Horizont die Stellung von Sonne,"),
    QStringLiteral("  Mond und allen Planeten, die zwischen Auf- und Untergang stehen (oder knapp "
                   "außerhalb). Auch sie hat eine"),
    QStringLiteral("  eigene Hilfe."),
    QString(),
    QStringLiteral("  Unter ´Quell-Information´ stehen zwei Kästchen nebeneinander: ´Genaue "
                   "Positionen (Swiss Ephemeris)´ nimmt"),
    QStringLiteral("  die Positionen aus der Swiss Ephemeris statt aus der eigenen Berechnung. "
                   "´Auf-/Untergang am Horizont (wie"),
    QStringLiteral("  im Almanach)´ bestimmt, was ´Aufgang´, ´Kulmination´ und ´Untergang´ "
                   "suchen: Ohne das Kästchen den"),
    QStringLiteral("  astrologischen Aufgang, den Augenblick, in dem der Faktor in der Ekliptik "
                   "AS, MC oder DE erreicht; mit"),
    QStringLiteral("  ihm für Sonne, Mond und Planeten den Auf- und Untergang des oberen Randes am "
                   "Horizont mit Refraktion und"),
    QStringLiteral("  die Kulmination als Meridiandurchgang, wie ein Almanach sie nennt. Bei der "
                   "Sonne liegen beide einige"),
    QStringLiteral("  Minuten auseinander."),
};

// How the enlarged chart differs from the dial, and its print and save.
const QStringList kChartHelpText = {
    QStringLiteral(
        "  Dieses Bild sieht anders aus als das laufende oder angehaltene kleine Diagramm: MC"),
    QStringLiteral(
        "  steht an beliebiger Stelle, nicht wie im kleinen, erdbezogenen Diagramm immer oben. Es"),
    QStringLiteral("  bezeichnet aber stets den Süden, denn es ist an den Meridian gebunden."),
    QString(),
    QStringLiteral(
        "  Hier steht der Tierkreis still: 0° Widder liegt zu jeder Jahres- und Tageszeit rechts."),
    QStringLiteral("  Im kleinen Diagramm dagegen dreht sich der Tierkreis an einem Tag etwas mehr "
                   "als einmal"),
    QStringLiteral("  um die Erde, während die Faktoren in ihm weiterwandern."),
    QString(),
    QStringLiteral(
        "  Das Zeichen der Sonne zeigt die Jahreszeit: Frühling in Widder, Stier und Zwillinge,"),
    QStringLiteral(
        "  Sommer in Krebs, Löwe und Jungfrau, Herbst in Waage, Skorpion und Schütze, Winter in"),
    QStringLiteral(
        "  Steinbock, Wassermann und Fische. Sonne, Mond und Planeten wandern entgegen dem"),
    QStringLiteral(
        "  Uhrzeigersinn durch den Tierkreis und folgen so dem jährlichen Lauf der Erde um die"),
    QStringLiteral("  Sonne."),
    QString(),
    QStringLiteral("  Die tägliche Drehung der Erde zeigt sich in der Lage von MC: Der Meridian, "
                   "die Richtung"),
    QStringLiteral(
        "  genau nach Süden, dreht sich einmal am Tag durch den Tierkreis. Betrachten Sie die"),
    QStringLiteral(
        "  Vergrößerung zu verschiedenen Zeiten eines Tages (Sonnenaufgang, Kulmination,"),
    QStringLiteral(
        "  Sonnenuntergang): Sonne, Mond und Planeten stehen fast still, während MC und AS"),
    QStringLiteral("  weiterrücken."),
    QString(),
    QStringLiteral(
        "  Den jährlichen Lauf erkennen Sie beim Vergleich von Vollmond und Neumond, die Sie mit"),
    QStringLiteral(
        "  den Tasten mit dem hellen und dem dunklen Kreis finden: In 14 Tagen ist der Mond etwa"),
    QStringLiteral("  180° durch den Tierkreis gewandert, Sonne und Planeten nur wenige Grad."),
    QString(),
    QStringLiteral("  >> Drucken <<"),
    QStringLiteral(
        "  Der Druck gibt das gezeigte Diagramm wieder, dazu eine Tabelle der Faktoren und die"),
    QStringLiteral(
        "  Angaben zu Zeit und Ort. Besondere Ereignisse (Aufgang, Kulmination, Untergang,"),
    QStringLiteral("  Vollmond, Neumond) stehen oben links im Ausdruck."),
    QString(),
    QStringLiteral("  >> Speichern <<"),
    QStringLiteral(
        "  Speichern legt im aktuellen Programmverzeichnis eine WMF-Datei ´RURed...´ mit"),
    QStringLiteral(
        "  fortlaufender Nummer an, so dass Sie in jedem Programmlauf mehrere Diagramme"),
    QStringLiteral("  verschiedener Zeiten oder Orte speichern können; der gewählte Dateiname wird "
                   "angezeigt."),
    QString(),
    QStringLiteral("  >> Exportieren … <<"),
    QStringLiteral(
        "  Exportieren fragt nach Ordner und Dateinamen und schreibt das Diagramm als Bild (PNG,"),
    QStringLiteral(
        "  SVG, WMF) oder als Druckseite mit Tabelle (PDF), die andere Programme öffnen können."),
};

// Where to read on.
const QStringList kChartHelpMaterial = {
    QStringLiteral("  Wer tiefer in das Thema einsteigen möchte, findet weiterführendes Material:"),
    QStringLiteral(
        "  - Ephemeriden-Tabellen mit den täglichen Positionen von Sonne, Mond und Planeten,"),
    QStringLiteral("  - eine drehbare Sternkarte für die eigene geographische Breite,"),
    QStringLiteral(
        "  - Einführungen in die sphärische Astronomie und die Bewegungen der Himmelskörper."),
    QStringLiteral(
        "  Sie erhalten es im Buchhandel und in öffentlichen Bibliotheken; Volkssternwarten und"),
    QStringLiteral("  astronomische Vereine bieten außerdem Führungen, Vorträge und Kurse an."),
};

}  // namespace sternwerk
