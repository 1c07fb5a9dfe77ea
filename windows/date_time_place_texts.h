// The help text of the date/time/place dialog, each line beginning with one
// blank: five paragraphs on the clock's values that show at once, then two
// on the place search and the local time, scrolled to.
#pragma once

namespace sternwerk::date_time_place_texts {

inline constexpr const char* kHelpLines[] = {
    " Das Programm startet mit Datum und Uhrzeit",
    " des Systems im Echtzeit-Tempo: ein Takt pro",
    " Sekunde, eine Schrittweite von einer Sekunde",
    " pro Takt, und mit den zuletzt benutzten",
    " Koordinaten.",
    "",
    " Dieses Fenster ändert diese Werte der Uhr,",
    " ohne Datum und Zeit des Systems selbst an-",
    " zutasten. Bei 'Beenden' wird der erreichte",
    " Stand gespeichert; im nächsten Lauf holt ihn",
    " die Taste 'Alt-Datum/Zeit' (kurz 'Alt')",
    " wieder zurück.",
    "",
    " Die Taste 'Real Time' (RT) setzt das",
    " Diagramm jederzeit auf Datum und Zeit des",
    " Systems zurück.",
    "",
    " Für alle Eingabe-Fenster gilt: Ein Fenster,",
    " das durch einen Fehlklick auf 'Intervall'",
    " oder 'Datum/Zeit/Ort' geöffnet wurde, ver-",
    " lassen Sie ohne Änderung mit der ESC-Taste.",
    "",
    " Der Tempo-Regler wird aktiv (er blinkt), so-",
    " bald sein Schieber oder einer seiner Pfeile",
    " angeklickt wurde; danach ändern ihn auch die",
    " Cursor-Tasten links und rechts. Jede Ände-",
    " rung steht sofort unter dem Regler.",
    "",
    " Ort suchen (F3): Die ersten Buchstaben des",
    " Ortsnamens eingeben, deutsch oder englisch,",
    " Umlaute auch als ae, oe, ue. Die Liste zeigt",
    " Land, Koordinaten und Zeitzone; Pfeiltasten",
    " wählen, Enter übernimmt den Ort in die Felder",
    " Länge und Breite, ESC schließt die Suche.",
    " Mit Enter durch Länge und Breite gilt der Ort.",
    "",
    " Ortszeit (Alt+O): Datum und Zeit gelten dann",
    " als Uhrzeit des Ortes, mit Sommerzeit und, vor",
    " Einführung der Zonenzeit, als mittlere Orts-",
    " zeit. Daneben steht dieselbe Zeit in WZ/GMT.",
    " Eine Zeit, die es wegen der Zeitumstellung",
    " nicht gibt, wird abgewiesen; gibt es sie",
    " zweimal, fragt das Programm nach.",
};

}  // namespace sternwerk::date_time_place_texts
