// The texts of the interval dialog: its explanation, twenty-one lines
// as shown, and the message for refused minutes.
#pragma once

#include <QtGlobal>

namespace sternwerk::interval_texts {

inline constexpr const char* kExplanation =
    QT_TRANSLATE_NOOP("sternwerk::HelpTexts",
                      " Beim Start des Programmes läuft dessen Uhr - wie eine\n"
                      " 'echte' - mit einem Takt pro Sekunde und einem Intervall,\n"
                      " einer Schrittweite, für die astronomischen Berechnungen\n"
                      " von 1 Sekunde pro Takt, also als  'Echtzeit' -Uhr: \n"
                      " Das Diagramm dreht in astronomischer 'Echtzeit'. \n"
                      "\n"
                      " Hier können Sie nun eingeben, wie weit  - in Minuten -\n"
                      " jeder Intervallschritt für die Berechnungen gehen soll.\n"
                      " Ein Tag Fortschritt pro Takt erfordert 1440 Minuten, eine \n"
                      " Woche 10080 Minuten als Eingabe.\n"
                      " Dezimalstellen sind mit Punkt oder Komma möglich: 1,5.\n"
                      " Das Programm rechnet trotz dieser gerundeten Zahlen\n"
                      " korrekt; sie können dies an der mitlaufenden Uhrzeit und\n"
                      " den Tagesübergängen feststellen. \n"
                      " Intervalle zwischen mehr als 4 Stunden (>240 Minuten) \n"
                      " und einem Tag (< 1440 Minuten) sind nicht angebracht,\n"
                      " da  MC hierbei  'zu große Sprünge'  macht.   Und wenn  \n"
                      " Sie Intervalle von knapp einem Tag verwenden, scheint\n"
                      " MC verwirrend(?) rückwärts zu laufen.\n"
                      "  \n"
                      " Sie können auch die Tasten als Eingabe verwenden.");

// Shown when Enter or a full field finds no positive number of minutes.
inline constexpr const char* kMinutesRefused = QT_TRANSLATE_NOOP(
    "sternwerk::IntervalDialog",
    "Bitte die Minuten pro Takt als Zahl größer als 0 eingeben, Dezimalstellen mit Punkt oder "
    "Komma (z. B. 1,5 oder 1440).");

}  // namespace sternwerk::interval_texts
