// Hint texts and the source information of the clock window: German source
// texts in UTF-8 that MainWindow::tr() translates (their context is that
// class name).
#pragma once

#include <QtGlobal>

namespace sternwerk::main_window_texts {

inline constexpr const char* kEnlargeHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Zeigt das Diagramm in vergrößerter Form mit Druck- sowie Speichermöglichkeit als Metafile ");
inline constexpr const char* kDateTimePlaceHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Öffnet ein Fenster zum Vorgeben eines anderen Anfangs-Datums, einer anderen Zeit und der "
    "Koordinaten eines beliebigen Ortes  ");
inline constexpr const char* kIntervalHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      " Öffnet ein Fenster zum Einstellen der Rechenintervalle = Schrittweite der "
                      "Diagramm-Bewegungen ");
inline constexpr const char* kRateHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", " Hiermit regeln Sie Tempo und Richtung der Uhr ");
inline constexpr const char* kRealTimeHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Setzt Datum, Zeit und Diagramm auf Real-Time = System-Datum und -Zeit als WZ ");
inline constexpr const char* kLastInstantHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      " Hiermit laden Sie Datum, Zeit und Koordinaten der letzten Anwendung ");
inline constexpr const char* kSourceHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Schaltet das Info-Fenster ein und auch wieder aus ");
inline constexpr const char* kIntroductionHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", " Zeigt einen Hilfe/Einführungstext zum Programm ");
inline constexpr const char* kEndHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Das Programm 'merkt' sich End-Datum, -Zeit und -Koordinaten für die Taste "
    "'Alt-Datum/Zeit'; es startet generell mit den letzten Koordinaten und der Real-Time des "
    "Systems. ");
inline constexpr const char* kLegendHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", " Schaltet die Zeichenliste ein und aus ");
inline constexpr const char* kHaltHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Die Aufschrift wechselt zwischen 'Halt' und 'Weiter'. ");
inline constexpr const char* kRiseHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Öffnet ein Fenster zur Eingabe des gewünschten Aufgangsfaktors ");
inline constexpr const char* kSetHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Öffnet ein Fenster zur Eingabe des gewünschten Untergangsfaktors ");
inline constexpr const char* kCulminationHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      " Öffnet ein Fenster zur Eingabe des gewünschten Kulminationsfaktors ");
inline constexpr const char* kFullMoonHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", " Sucht den nächsten Vollmond ab aktuellem Datum ");
inline constexpr const char* kNewMoonHint =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", " Sucht den nächsten Neumond ab aktuellem Datum ");
inline constexpr const char* kSolarEclipseHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Sucht die nächste Sonnenfinsternis, die am eingestellten Ort zu sehen ist ");
inline constexpr const char* kLunarEclipseHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Sucht die nächste Mondfinsternis ab aktuellem Datum ");
inline constexpr const char* kPositionListHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow", " Hier sehen Sie die Winkel aller Faktoren/Planeten ");
inline constexpr const char* kSkyHereHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Zeigt Höhe, Richtung, Auf- und Untergang von Sonne, Mond und Planeten am Ort, mit Mondphase "
    "und Dämmerung; das Fenster folgt der Uhr ");
inline constexpr const char* kChartsHint = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    " Öffnet die Sammlung der Horoskope: suchen, öffnen, die Uhrzeit als Horoskop speichern, "
    "bearbeiten und löschen ");

// The source-information panel; %1 and %2 are the position list's headings
// of the precise positions and of the own computation standing in for them.
inline constexpr const char* kSourceInformation =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      " Eigene Berechnung (Voreinstellung): Sternwerk rechnet alle\n"
                      " Positionen selbst, ohne Ephemeriden-Dateien: Sonne und Mond\n"
                      " aus mittleren Bahnelementen mit periodischen Störungsreihen\n"
                      " (71 Glieder für den Mond), die Planeten aus Keplerbahnen mit\n"
                      " Korrekturreihen für Jupiter bis Pluto, MC und AS aus der\n"
                      " Sternzeit. Der Mondknoten ist der mittlere Knoten; die acht\n"
                      " hypothetischen Punkte folgen ihren eigenen Bahnelementen.\n"
                      "\n"
                      " Genauigkeit 1900-2100, gemessen an einer modernen\n"
                      " Ephemeride: Sonne und MC etwa 0,007°, Mond 0,04°, Merkur bis\n"
                      " Mars 0,07°, Jupiter 0,6°, Saturn bis Neptun 0,35°, Pluto\n"
                      " 1,8°; weiter von 1900 entfernt mehr (bis 3000: Jupiter 25°).\n"
                      " Alle Zeiten sind Weltzeit.\n"
                      "\n"
                      " Genaue Positionen (Kästchen unten): Sonne, Mond, mittlerer\n"
                      " Knoten und Merkur bis Pluto aus der Swiss Ephemeris,\n"
                      " scheinbare Längen auf das wahre Äquinoktium des Datums\n"
                      " (Lichtzeit, Aberration, Nutation, Delta T), MC und AS aus\n"
                      " wahrer Sternzeit und Schiefe; genau auf Bogensekunden. Mit\n"
                      " den Ephemeriden-Dateien 1800-2399, sonst mit der\n"
                      " analytischen Theorie der Bibliothek bis etwa zum Jahr 3000.\n"
                      " Für spätere Jahre und bei jedem Fehler der Bibliothek gilt\n"
                      " die eigene Berechnung. Die Überschrift der Positionsliste\n"
                      " nennt, welche gezeigt wird: \"%1\" oder\n"
                      " \"%2\". Widderpunkt, hypothetische Punkte\n"
                      " und GZ stets aus eigener Rechnung.\n"
                      "\n"
                      " Auf-/Untergang am Horizont (Kästchen unten): Aufgang und\n"
                      " Untergang des oberen Randes von Sonne, Mond und Planeten am\n"
                      " Horizont mit Refraktion, Kulmination als Meridiandurchgang,\n"
                      " wie im Almanach (Swiss Ephemeris). Ohne das Kästchen sucht\n"
                      " Sternwerk den Augenblick, in dem der Faktor AS, DC oder MC\n"
                      " in der Ekliptik erreicht: den astrologischen Aufgang, bei\n"
                      " der Sonne einige Minuten anders.\n"
                      "\n"
                      " Orte nach Namen: die Städte von GeoNames (geonames.org,\n"
                      " Daten unter CC BY 4.0) über die Bibliothek libgeonames\n"
                      " (GPL-3), deutsche Namen aus ihrem Katalog. Die Ortszeit\n"
                      " folgt den Zeitzonendaten des Systems (tzdata); vor der\n"
                      " Normalzeit einer Zone und für Orte ohne Zone gilt die\n"
                      " mittlere Ortszeit des Ortes (Länge / 15 Stunden).\n");

// The check boxes in the source panel.
inline constexpr const char* kPreciseChoice =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "&Genaue Positionen (Swiss Ephemeris)");
inline constexpr const char* kHorizonChoice =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "Auf-/Untergang am Horizont (wie im A&lmanach)");
inline constexpr const char* kFactorSetChoice =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "&Transplutonische Faktoren (22)");
inline constexpr const char* kAstrologyChoice =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "Häuser und Aspekte zeigen");
inline constexpr const char* kOrbsButton = QT_TRANSLATE_NOOP("sternwerk::MainWindow", "Orben ...");

// After the source information: what the astrology controls below it do.
inline constexpr const char* kAstrologyInformation =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      "\n"
                      " Häuser und Aspekte zeigen (Kästchen unten): Häuser-\n"
                      " spitzen und Aspektlinien im vergrößerten Diagramm, in\n"
                      " seinem Druck und seinen Dateien, die Aspektliste daneben\n"
                      " und H1 bis H12 in der Positionsliste. Die Häuser rechnet\n"
                      " die Swiss Ephemeris im gewählten System; wo Placidus und\n"
                      " Koch nicht definiert sind (in den Polarkreisen), gilt\n"
                      " Porphyrius, und ein Hinweis sagt es. Aspekte zwischen\n"
                      " allen gezeichneten Faktoren: Konjunktion, Opposition,\n"
                      " Trigon, Quadrat, Sextil, Halbquadrat, Anderthalbquadrat;\n"
                      " ihre Orben (Voreinstellung 8, 8, 7, 7, 5, 2 und 2 Grad)\n"
                      " stellt \"Orben ...\" ein.\n");

}  // namespace sternwerk::main_window_texts
