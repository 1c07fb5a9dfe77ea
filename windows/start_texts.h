// The texts of the start-up: title, font message and factor-set question;
// German source texts in UTF-8 that MainWindow::tr() translates.
#pragma once

#include <QtGlobal>

namespace sternwerk::start_texts {

// The end of the clock window's title; %1 is the version --version prints.
inline constexpr const char* kTitleEnd =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "             Die Sternwerk, Version %1");

// Lines separated by a lone carriage return. It names the symbol font's
// file and the ways a Linux system installs it.
inline constexpr const char* kFontMissing =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
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
                      "in den Ordner zu kopieren; dann sieht nur Sternwerk sie.");

// The check box under the question.
inline constexpr const char* kDoNotAskAgain =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow", "Nicht mehr fragen");
inline constexpr const char* kFactorSetQuestion =
    QT_TRANSLATE_NOOP("sternwerk::MainWindow",
                      "Soll das Sternwerk transplutonisch arbeiten?      \r\n"
                      "Ja=      Option für Astrologen      \r\n"
                      "Nein=  nur mit Faktoren von MC bis Pluto\r\n"
                      "\r\n"
                      "Lesen Sie bitte hiernach die Programm-Einführung!\r\n"
                      "(Taste ´Progr.Einführung´, rechts unten)");

// Follows the reason why ALT.DAT could not be written when the window closes.
inline constexpr const char* kEndWithoutSaving = QT_TRANSLATE_NOOP(
    "sternwerk::MainWindow",
    "\n\nTrotzdem beenden? Datum, Zeit und Ort dieser Sitzung werden dann nicht gespeichert.");

}  // namespace sternwerk::start_texts
