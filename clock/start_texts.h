// The texts of the start-up: title, font message and factor-set question.
#pragma once

namespace sternwerk::start_texts {

inline constexpr const char* kTitleEnd = "             Die Sternwerk, Version 2.3";

// Lines separated by a lone carriage return.
inline constexpr const char* kFontMissing =
    "Die Datei  ROZURARA.RIV  fehlt in Ihren System-Dateien    \r"
    "und im Arbeitsverzeichnis dieses Programmes; ohne diese\r"
    "Datei können Sie keine Astrologie-Zeichen sehen.\r"
    "\r"
    "Installieren Sie bitte diese mitgelieferte Datei über den Weg\r"
    "         Arbeitsplatz > Systemsteuerung > Schriftarten\r"
    "in die dann offene Liste aller vorhandenen Schriftarten.\r"
    "(Markieren + ´Kopieren´ am Quellort, ´Einfügen´ am Zielort.)\r"
    "\r"
    "WARNUNG: Das Kopieren von  ROZURARA.RIV  in den\r"
    "Ordner  C:\\Windows\\Fonts  reicht als Installation nicht aus.\r"
    "\r"
    "Es reicht aber aus, die Datei wieder zu diesem Programm\r"
    "in den Ordner zu kopieren, so wie beim Setup erzeugt.";

inline constexpr const char* kFactorSetQuestion =
    "Soll das Sternwerk transplutonisch arbeiten?      \r\n"
    "Ja=      Option für Astrologen      \r\n"
    "Nein=  nur mit Faktoren von MC bis Pluto\r\n"
    "\r\n"
    "Lesen Sie bitte hiernach die Programm-Einführung!\r\n"
    "(Taste ´Progr.Einführung´, rechts unten)";

// Follows the reason why ALT.DAT could not be written when the window closes.
inline constexpr const char* kEndWithoutSaving =
    "\n\nTrotzdem beenden? Datum, Zeit und Ort dieser Sitzung werden dann nicht gespeichert.";

}  // namespace sternwerk::start_texts
