// The help text of the date/time/place dialog, each line beginning with one
// blank: five paragraphs on the clock's values that show at once, then two
// on the place search and the local time, scrolled to.
#pragma once

#include <QtGlobal>

namespace sternwerk::date_time_place_texts {

inline constexpr const char* kHelp =
    QT_TRANSLATE_NOOP("sternwerk::HelpTexts",
                      " Das Programm startet mit Datum und Uhrzeit\n"
                      " des Systems im Echtzeit-Tempo: ein Takt pro\n"
                      " Sekunde, eine Schrittweite von einer Sekunde\n"
                      " pro Takt, und mit den zuletzt benutzten\n"
                      " Koordinaten.\n"
                      "\n"
                      " Dieses Fenster ändert diese Werte der Uhr,\n"
                      " ohne Datum und Zeit des Systems selbst an-\n"
                      " zutasten. Bei 'Beenden' wird der erreichte\n"
                      " Stand gespeichert; im nächsten Lauf holt ihn\n"
                      " die Taste 'Alt-Datum/Zeit' (kurz 'Alt')\n"
                      " wieder zurück.\n"
                      "\n"
                      " Die Taste 'Real Time' (RT) setzt das\n"
                      " Diagramm jederzeit auf Datum und Zeit des\n"
                      " Systems zurück.\n"
                      "\n"
                      " Für alle Eingabe-Fenster gilt: Ein Fenster,\n"
                      " das durch einen Fehlklick auf 'Intervall'\n"
                      " oder 'Datum/Zeit/Ort' geöffnet wurde, ver-\n"
                      " lassen Sie ohne Änderung mit der ESC-Taste.\n"
                      "\n"
                      " Der Tempo-Regler wird aktiv (er blinkt), so-\n"
                      " bald sein Schieber oder einer seiner Pfeile\n"
                      " angeklickt wurde; danach ändern ihn auch die\n"
                      " Cursor-Tasten links und rechts. Jede Ände-\n"
                      " rung steht sofort unter dem Regler.\n"
                      "\n"
                      " Ort suchen (F3): Die ersten Buchstaben des\n"
                      " Ortsnamens eingeben, deutsch oder englisch,\n"
                      " Umlaute auch als ae, oe, ue. Die Liste zeigt\n"
                      " Land, Koordinaten und Zeitzone; Pfeiltasten\n"
                      " wählen, Enter übernimmt den Ort in die Felder\n"
                      " Länge und Breite, ESC schließt die Suche.\n"
                      " Mit Enter durch Länge und Breite gilt der Ort.\n"
                      "\n"
                      " Ortszeit (Alt+O): Datum und Zeit gelten dann\n"
                      " als Uhrzeit des Ortes, mit Sommerzeit und, vor\n"
                      " Einführung der Zonenzeit, als mittlere Orts-\n"
                      " zeit. Daneben steht dieselbe Zeit in WZ/GMT.\n"
                      " Eine Zeit, die es wegen der Zeitumstellung\n"
                      " nicht gibt, wird abgewiesen; gibt es sie\n"
                      " zweimal, fragt das Programm nach.");

}  // namespace sternwerk::date_time_place_texts
