// The texts of the interval dialog: its explanation, twenty-one lines
// as shown, and the message for refused minutes.
#pragma once

namespace sternwerk::interval_texts {

inline constexpr const char* kExplanationLines[] = {
    " Beim Start des Programmes läuft dessen Uhr - wie eine",
    " 'echte' - mit einem Takt pro Sekunde und einem Intervall,",
    " einer Schrittweite, für die astronomischen Berechnungen",
    " von 1 Sekunde pro Takt, also als  'Echtzeit' -Uhr: ",
    " Das Diagramm dreht in astronomischer 'Echtzeit'. ",
    "",
    " Hier können Sie nun eingeben, wie weit  - in Minuten -",
    " jeder Intervallschritt für die Berechnungen gehen soll.",
    " Ein Tag Fortschritt pro Takt erfordert 1440 Minuten, eine ",
    " Woche 10080 Minuten als Eingabe.",
    " Dezimalstellen sind mit Punkt oder Komma möglich: 1,5.",
    " Das Programm rechnet trotz dieser gerundeten Zahlen",
    " korrekt; sie können dies an der mitlaufenden Uhrzeit und",
    " den Tagesübergängen feststellen. ",
    " Intervalle zwischen mehr als 4 Stunden (>240 Minuten) ",
    " und einem Tag (< 1440 Minuten) sind nicht angebracht,",
    " da  MC hierbei  'zu große Sprünge'  macht.   Und wenn  ",
    " Sie Intervalle von knapp einem Tag verwenden, scheint",
    " MC verwirrend(?) rückwärts zu laufen.",
    "  ",
    " Sie können auch die Tasten als Eingabe verwenden.",
};

// Shown when Enter or a full field finds no positive number of minutes.
inline constexpr const char* kMinutesRefused =
    "Bitte die Minuten pro Takt als Zahl größer als 0 eingeben, Dezimalstellen mit Punkt oder "
    "Komma (z. B. 1,5 oder 1440).";

}  // namespace sternwerk::interval_texts
