// The texts of the start-up: title, font message and factor-set question.
#pragma once

#include <string>

#include "build_info.h"

namespace sternwerk::start_texts {

// The end of the clock window's title, with the version --version prints.
inline std::string TitleEnd() {
  return std::string("             Die Sternwerk, Version ") + build_info::kVersion;
}

// Lines separated by a lone carriage return. It names the symbol font's
// file and the ways a Linux system installs it.
inline constexpr const char* kFontMissing =
    "Die Datei  Roradoza.TTF  fehlt in Ihren System-Schriften    \r"
    "und im Ordner dieses Programmes; ohne diese\r"
    "Datei können Sie keine Astrologie-Zeichen sehen.\r"
    "\r"
    "Installieren Sie bitte das Paket sternwerk; es legt die Datei in\r"
    "         /usr/share/fonts/truetype/sternwerk\r"
    "ab, wo alle Programme des Rechners sie finden.\r"
    "(Ohne Paket: die Datei nach  ~/.local/share/fonts  kopieren.)\r"
    "\r"
    "HINWEIS: Nach dem Kopieren von  Roradoza.TTF  in den\r"
    "Ordner  ~/.local/share/fonts  sehen neu gestartete Programme sie.\r"
    "\r"
    "Es reicht aber auch aus, die Datei zu diesem Programm\r"
    "in den Ordner zu kopieren; dann sieht nur Sternwerk sie.";

// The check box under the question.
inline constexpr const char* kDoNotAskAgain = "Nicht mehr fragen";
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
