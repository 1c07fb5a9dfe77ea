<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>sternwerk</name>
    <message>
        <source> (--help zeigt den Aufruf)</source>
        <translation> (--help shows the usage)</translation>
    </message>
    <message>
        <source>unbekannte Option &quot;%1&quot;</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unerwartetes Argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Aufruf: sternwerk [--documents-folder] [--language de|en]
Die Sternwerk-Planetarium-Uhr: Sonne, Mond und Planeten auf dem Zifferblatt,
alle Zeiten in Weltzeit.

  --documents-folder  arbeitet im Ordner Sternwerk des Dokumente-Ordners (er wird
                      angelegt); so startet der Menüeintrag. Ohne diese
                      Option arbeitet das Programm im aktuellen Verzeichnis.
  --language de|en    Sprache der Fenster; ohne diese Option die des
                      Desktops (Englisch, wenn seine erste Sprache
                      Englisch ist, sonst Deutsch).
  --help              zeigt diesen Aufruf und endet.
  --version           zeigt die Version und endet.

ALT.DAT (Zeitpunkt und Ort der letzten Sitzung), img.wmf, draus.wmf und die
gespeicherten Diagramme RURed-NN.WMF liegen im Arbeitsverzeichnis.
Mehr in man sternwerk.
</source>
        <translation>Usage: sternwerk [--documents-folder] [--language de|en]
The Sternwerk planetarium clock: the Sun, Moon and planets on its dial,
every time in Universal Time.

  --documents-folder  works in the folder Sternwerk of the Documents folder
                      (made if missing); the menu entry starts it so.
                      Without this option it works in the current folder.
  --language de|en    the language of the windows; without this option the
                      desktop&apos;s (English when its first language is English,
                      else German).
  --help              shows this usage and ends.
  --version           shows the version and ends.

ALT.DAT (the instant and place of the last session), img.wmf, draus.wmf and
the saved charts RURed-NN.WMF lie in the working folder.
More in man sternwerk.
</translation>
    </message>
    <message>
        <source>Lizenz</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>sternwerk-sky</name>
    <message>
        <source>Art &quot;%1&quot;: erwartet aufgang, untergang, kulmination, vollmond oder neumond</source>
        <translation>kind &quot;%1&quot;: expected rise, set, culmination, fullmoon or newmoon</translation>
    </message>
    <message>
        <source>Faktor &quot;%1&quot;: erwartet eine Abkürzung aus zwei Buchstaben</source>
        <translation>factor &quot;%1&quot;: expected a two-letter code</translation>
    </message>
    <message>
        <source>--search %1 erwartet vor dem Datum einen Faktor: </source>
        <translation>--search %1 needs a factor before the date: </translation>
    </message>
    <message>
        <source>--search erwartet die Art des Ereignisses</source>
        <translation>--search needs the kind of event</translation>
    </message>
    <message>
        <source>--search erwartet ein Datum, dazu wahlweise Länge und Breite</source>
        <translation>--search needs a date, optionally followed by longitude and latitude</translation>
    </message>
    <message>
        <source>--horizon sucht Aufgang, Untergang oder Kulmination</source>
        <translation>--horizon searches for a rise, set or culmination only</translation>
    </message>
    <message>
        <source>Aufruf:
  sternwerk-sky --precise AUFRUF
      vor jedem der folgenden Aufrufe: genaue Positionen (Swiss Ephemeris)
      statt der eigenen Berechnung; die Liste nennt die verwendete.
  sternwerk-sky --horizon [--precise] --search ART FAKTOR TT.MM.JJJJ [LÄNGE BREITE]
      Auf- und Untergang des oberen Randes am Horizont mit Refraktion und die
      Kulmination als Meridiandurchgang, wie im Almanach (SO, MO, ME bis PL).
  sternwerk-sky TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]
      Positionen für den Zeitpunkt (Weltzeit) und Ort (Dezimalgrad,
      Ost und Nord positiv; ohne Angabe 10 und 50).
  sternwerk-sky --tsv [--header]
      liest Zeilen &quot;Tag Monat Jahr Stunden Länge Breite&quot; von der
      Standardeingabe und schreibt je eine tabulatorgetrennte Zeile;
      --header schreibt zuerst eine Zeile mit den Namen der Spalten.
  sternwerk-sky --dial DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt das Zifferblatt des Zeitpunkts als Bild (.wmf, .svg oder .png);
      --all mit allen 22 Faktoren, --no-symbols ohne die Symbolschrift.
  sternwerk-sky --chart DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt das vergrößerte Diagramm als Bild (.wmf, .svg, .png) oder als
      Druckseite mit Kopfzeile und Positionsliste (.pdf).
  sternwerk-sky --outside DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt den Blick nach draußen (Süden zwischen Ost- und West-Horizont)
      als Bild (.wmf, .svg oder .png).
  sternwerk-sky --search aufgang|untergang|kulmination FAKTOR TT.MM.JJJJ [LÄNGE BREITE]
  sternwerk-sky --search vollmond|neumond TT.MM.JJJJ [LÄNGE BREITE]
      sucht ab 00:00:00 des Datums den Aufgang, Untergang oder die Kulmination
      eines Faktors (FAKTOR nötig, z.B. SO, MO) oder den nächsten Vollmond
      oder Neumond; schreibt den Zeitpunkt (Weltzeit), das Ereignis und die
      Positionen.
  sternwerk-sky --places TEXT
      listet bis zu 20 Orte, deren Name mit TEXT beginnt (Name, Region, Land,
      Breite, Länge, Zeitzone; tabulatorgetrennt).
  sternwerk-sky --version
      zeigt die Version.
  --place ORT statt LÄNGE BREITE: der beste Treffer von --places ORT.
  --local: Datum und Zeit sind die Ortszeit des Ortes (Zeitzone des Ortes
      oder des nächsten Ortes im Umkreis von 150 km, sonst mittlere Ortszeit);
      eine Suche beginnt um 0 Uhr Ortszeit. Mit --place oder --local nennt die
      Ausgabe den Ort und die Ortszeit. Beide gelten für alle Aufrufe außer --tsv.
  LÄNGE und BREITE auch in Grad und Minuten: 9°59&apos; 48°24&apos;N, 9:59 48:24,
      9d59O 48d24N; W und S zählen negativ.
  --language de|en
      Sprache der Ausgabe; ohne Angabe die des Desktops (Englisch, wenn die
      erste Sprache des Desktops Englisch ist, sonst Deutsch).
</source>
        <translation>Usage:
  sternwerk-sky --precise COMMAND
      before any of the commands below: precise positions (Swiss Ephemeris)
      instead of the program&apos;s own computation; the list names the one used.
  sternwerk-sky --horizon [--precise] --search KIND FACTOR DD.MM.YYYY [LONGITUDE LATITUDE]
      rise and set of the upper limb at the horizon, with refraction, and the
      culmination as the meridian transit, as an almanac gives them (SO, MO,
      ME to PL).
  sternwerk-sky DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE]
      positions for the instant (Universal Time) and place (decimal degrees,
      east and north positive; 10 and 50 when left out).
  sternwerk-sky --tsv [--header]
      reads lines &quot;day month year hours longitude latitude&quot; from standard
      input and writes one tab-separated line for each;
      --header first writes a line naming the columns.
  sternwerk-sky --dial FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the dial at that instant as a picture (.wmf, .svg or .png);
      --all with all 22 factors, --no-symbols without the symbol font.
  sternwerk-sky --chart FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the enlarged chart as a picture (.wmf, .svg, .png) or as the
      printed page with its heading and position list (.pdf).
  sternwerk-sky --outside FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the view outside (facing south, from the eastern to the western
      horizon) as a picture (.wmf, .svg or .png).
  sternwerk-sky --search rise|set|culmination FACTOR DD.MM.YYYY [LONGITUDE LATITUDE]
  sternwerk-sky --search fullmoon|newmoon DD.MM.YYYY [LONGITUDE LATITUDE]
      searches from 00:00:00 on that date for the rise, set or culmination of
      a factor (FACTOR required, e.g. SO, MO) or for the next full or new
      moon; writes the instant (Universal Time), the event and the positions.
      The German kinds (aufgang, untergang, kulmination, vollmond, neumond)
      work as well.
  sternwerk-sky --places TEXT
      lists up to 20 places whose name begins with TEXT (name, region,
      country, latitude, longitude, time zone; tab-separated).
  sternwerk-sky --version
      shows the version.
  --place PLACE instead of LONGITUDE LATITUDE: the best match of --places PLACE.
  --local: date and time are the local time of the place (its time zone, or
      that of the nearest place within 150 km, else local mean time); a
      search starts at local midnight. With --place or --local the output
      names the place and its local time. Both apply to every command but
      --tsv.
  LONGITUDE and LATITUDE also in degrees and minutes: 9°59&apos; 48°24&apos;N, 9:59 48:24,
      9d59E 48d24N; W and S count negative.
  --language de|en
      the language of the output; without it the desktop&apos;s (English when the
      desktop&apos;s first language is English, else German).
</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>--place und --local gelten nicht für --tsv</source>
        <translation>--place and --local do not apply to --tsv</translation>
    </message>
    <message>
        <source>--tsv nimmt nur --header als weiteres Argument</source>
        <translation>--tsv takes no other argument than --header</translation>
    </message>
    <message>
        <source>unbekannte Option &quot;%1&quot;</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--horizon gilt nur für --search</source>
        <translation>--horizon applies to --search only</translation>
    </message>
    <message>
        <source> (--help zeigt den Aufruf)</source>
        <translation> (--help shows the usage)</translation>
    </message>
    <message>
        <source>Datei &quot;%1&quot;: erwartet die Endung .wmf, .svg, .png oder .pdf</source>
        <translation>file &quot;%1&quot;: expected the extension .wmf, .svg, .png or .pdf</translation>
    </message>
    <message>
        <source>%1 erwartet zuerst den Namen der Bilddatei</source>
        <translation>%1 needs the name of the picture file first</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Bilddatei &quot;%1&quot;: erwartet die Endung .wmf, .svg oder .png</source>
        <translation>picture file &quot;%1&quot;: expected the extension .wmf, .svg or .png</translation>
    </message>
    <message>
        <source>--places erwartet einen Ortsnamen</source>
        <translation>--places needs a place name</translation>
    </message>
    <message>
        <source>Ortsname</source>
        <translation>place name</translation>
    </message>
    <message>
        <source>Kein Ort gesucht: Der Name ist leer</source>
        <translation>No place searched for: the name is empty</translation>
    </message>
    <message>
        <source>Kein Ort beginnt mit &quot;%1&quot;</source>
        <translation>No place begins with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>falsche Anzahl Ziffern</source>
        <translation>wrong number of digits</translation>
    </message>
    <message>
        <source>%1 %2: muss zwischen %3 und %4 liegen</source>
        <translation>%1 %2: must lie between %3 and %4</translation>
    </message>
    <message>
        <source>Datum %1: %2</source>
        <translation>date %1: %2</translation>
    </message>
    <message>
        <source>erwartet TT.MM.JJJJ</source>
        <translation>expected DD.MM.YYYY</translation>
    </message>
    <message>
        <source>Jahre vor %1 werden nicht berechnet</source>
        <translation>years before %1 are not computed</translation>
    </message>
    <message>
        <source>keinen Monat %1</source>
        <translation>there is no month %1</translation>
    </message>
    <message>
        <source>diesen Tag gibt es nicht</source>
        <translation>there is no such day</translation>
    </message>
    <message>
        <source>Zeit %1: %2</source>
        <translation>time %1: %2</translation>
    </message>
    <message>
        <source>erwartet HH:MM[:SS]</source>
        <translation>expected HH:MM[:SS]</translation>
    </message>
    <message>
        <source>Minuten und Sekunden reichen bis 59</source>
        <translation>minutes and seconds go up to 59</translation>
    </message>
    <message>
        <source>die Zeit reicht bis 24:00</source>
        <translation>the time goes up to 24:00</translation>
    </message>
    <message>
        <source>%1 %2: keine Dezimalzahl</source>
        <translation>%1 %2: not a decimal number</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>erwartet Datum und Zeit, dazu wahlweise Länge und Breite</source>
        <translation>expected a date and a time, optionally followed by longitude and latitude</translation>
    </message>
    <message>
        <source>erwartet 6 Felder &quot;Tag Monat Jahr Stunden Länge Breite&quot;, nicht %1</source>
        <translation>expected 6 fields &quot;day month year hours longitude latitude&quot;, not %1</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges Datum (Jahre %2 bis %3)</source>
        <translation>%1 is not a valid date (years %2 to %3)</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges Datum</source>
        <translation>%1 is not a valid date</translation>
    </message>
    <message>
        <source>Stunden</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>%1: Byte %2 an Stelle %3 ist kein UTF-8 (Umlaute als UTF-8 oder als ae, oe, ue eingeben)</source>
        <translation>%1: byte %2 at position %3 is not UTF-8 (type umlauts in UTF-8 or as ae, oe, ue)</translation>
    </message>
    <message>
        <source>--place erwartet einen Ortsnamen</source>
        <translation>--place needs a place name</translation>
    </message>
    <message>
        <source>--place darf nur einmal stehen</source>
        <translation>--place may be given only once</translation>
    </message>
    <message>
        <source> Es gilt die mittlere Ortszeit.</source>
        <translation> Local mean time applies.</translation>
    </message>
    <message>
        <source>Die deutschen Ortsnamen fehlen (%1); es gelten die englischen</source>
        <translation>The German place names are missing (%1); the English ones apply</translation>
    </message>
    <message>
        <source>--place steht statt Länge und Breite, nicht mit ihnen</source>
        <translation>--place stands instead of longitude and latitude, not with them</translation>
    </message>
    <message>
        <source>Die Ortszeit %1 gibt es in %2 nicht: Die Uhren wurden über diese Stunde vorgestellt</source>
        <translation>The local time %1 does not exist in %2: the clocks were put forward over that hour</translation>
    </message>
    <message>
        <source>Die Ortszeit %1 liegt in Weltzeit außerhalb der Jahre %2 bis %3</source>
        <translation>The local time %1 lies outside the years %2 to %3 in Universal Time</translation>
    </message>
    <message>
        <source>%1 nicht gefunden: %2 geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht)</source>
        <translation>%1 not found: %2 neither rises nor sets at this place now (polar day or polar night)</translation>
    </message>
    <message>
        <source>%1 bis zum 31.12.%2 nicht gefunden: Dort endet der Kalender</source>
        <translation>%1 not found up to 31.12.%2: the calendar ends there</translation>
    </message>
    <message>
        <source>%1 in den nächsten %2 Tagen nicht gefunden</source>
        <translation>%1 not found in the next %2 days</translation>
    </message>
    <message>
        <source>; es gilt die eigene Berechnung</source>
        <translation>; the own computation applies</translation>
    </message>
    <message>
        <source>Faktor: %1</source>
        <translation>factor: %1</translation>
    </message>
    <message>
        <source>Berechnung: </source>
        <translation>Computation: </translation>
    </message>
</context>
<context>
    <name>sternwerk::Charts</name>
    <message>
        <source>Die Datei </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> hat keine der Endungen .png, .svg, .pdf, .wmf.</source>
        <translation> ends in none of .png, .svg, .pdf, .wmf.</translation>
    </message>
    <message>
        <source>Positionen: </source>
        <translation>Positions: </translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>Nordpol der Erde</source>
        <translation>North Pole</translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Place: </translation>
    </message>
    <message>
        <source>Ereignis: </source>
        <translation>Event: </translation>
    </message>
    <message>
        <source>Datum / Zeit: </source>
        <translation>Date / time: </translation>
    </message>
    <message>
        <source>Abstand zu MC: </source>
        <translation>From MC: </translation>
    </message>
    <message>
        <source>  am </source>
        <translation>  on </translation>
    </message>
    <message>
        <source>  um </source>
        <translation>  at </translation>
    </message>
</context>
<context>
    <name>sternwerk::ClockStep</name>
    <message>
        <source>1 Tag</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>1 Woche</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>1 Monat</source>
        <translation>1 month</translation>
    </message>
    <message>
        <source>1 Jahr</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>Min/Takt:</source>
        <translation>Min/tick:</translation>
    </message>
    <message>
        <source>Sek/Takt:1</source>
        <translation>Sec/tick:1</translation>
    </message>
    <message>
        <source>Takte/Sek:</source>
        <translation>Ticks/sec:</translation>
    </message>
</context>
<context>
    <name>sternwerk::ComputationMode</name>
    <message>
        <source>eigene</source>
        <translation>own</translation>
    </message>
    <message>
        <source>genau</source>
        <translation>precise</translation>
    </message>
    <message>
        <source>genau, analytisch</source>
        <translation>precise, analytical</translation>
    </message>
    <message>
        <source>eigene statt genau</source>
        <translation>own instead of precise</translation>
    </message>
</context>
<context>
    <name>sternwerk::FactorChoiceDialog</name>
    <message>
        <source> Geben Sie hier die Abkürzung des</source>
        <translation> Type the two-letter code of the</translation>
    </message>
    <message>
        <source> gewünschten Faktors ein.</source>
        <translation> factor you want here.</translation>
    </message>
    <message>
        <source> Sie dürfen Kleinbuchstaben für die</source>
        <translation> Lower-case letters are accepted</translation>
    </message>
    <message>
        <source> Eingabe verwenden.</source>
        <translation> as well.</translation>
    </message>
    <message>
        <source> Betätigen von Enter / Return ist</source>
        <translation> There is no need to press Enter</translation>
    </message>
    <message>
        <source> nicht erforderlich: das Programm</source>
        <translation> or Return: after two letters the</translation>
    </message>
    <message>
        <source> prüft nach zwei Buchstaben die</source>
        <translation> program checks the code and, if</translation>
    </message>
    <message>
        <source> Gültigkeit und schaltet, wenn die</source>
        <translation> it is valid, goes straight back</translation>
    </message>
    <message>
        <source> Abkürzung korrekt ist, sofort auf</source>
        <translation> to the main window.</translation>
    </message>
    <message>
        <source> das Hauptbild zurück.</source>
        <translation> </translation>
    </message>
    <message>
        <source> Haben Sie diesen Eingabedialog</source>
        <translation> If you opened this dialog by</translation>
    </message>
    <message>
        <source> versehentlich geöffnet, schließen</source>
        <translation> mistake, close it again with</translation>
    </message>
    <message>
        <source> Sie ihn mit der Taste ´ESC´. </source>
        <translation> the ´ESC´ key. </translation>
    </message>
</context>
<context>
    <name>sternwerk::FactorCode</name>
    <message>
        <source>MC, WI, AS und KN sind paradoxe Faktoren für Auf-/Untergang</source>
        <translation>MC, AR, AS and NN are paradoxical factors for rising and setting</translation>
    </message>
    <message>
        <source> ist kein gültiger Faktor</source>
        <translation> is not a valid factor</translation>
    </message>
    <message>
        <source>. Gültig sind </source>
        <translation>. Valid codes are </translation>
    </message>
    <message>
        <source> hat keinen Aufgang am Horizont (nur SO, MO, ME...PL)</source>
        <translation> does not rise at the horizon (only SU, MO, ME...PL)</translation>
    </message>
    <message>
        <source> gehört nicht zu den zwölf gewählten Faktoren (SO, MO, ME, VE...PL)</source>
        <translation> is not one of the twelve chosen factors (SU, MO, ME, VE...PL)</translation>
    </message>
</context>
<context>
    <name>sternwerk::FactorCodes</name>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>WI</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>SU</translation>
    </message>
    <message>
        <source>AS</source>
        <translation>AS</translation>
    </message>
    <message>
        <source>MO</source>
        <translation>MO</translation>
    </message>
    <message>
        <source>KN</source>
        <translation>NN</translation>
    </message>
    <message>
        <source>ME</source>
        <translation>ME</translation>
    </message>
    <message>
        <source>VE</source>
        <translation>VE</translation>
    </message>
    <message>
        <source>MA</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>JU</source>
        <translation>JU</translation>
    </message>
    <message>
        <source>SA</source>
        <translation>SA</translation>
    </message>
    <message>
        <source>UR</source>
        <translation>UR</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>CU</source>
        <translation>CU</translation>
    </message>
    <message>
        <source>HA</source>
        <translation>HA</translation>
    </message>
    <message>
        <source>ZE</source>
        <translation>ZE</translation>
    </message>
    <message>
        <source>KR</source>
        <translation>KR</translation>
    </message>
    <message>
        <source>AP</source>
        <translation>AP</translation>
    </message>
    <message>
        <source>AD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>VU</source>
        <translation>VU</translation>
    </message>
    <message>
        <source>PO</source>
        <translation>PO</translation>
    </message>
    <message>
        <source>GZ</source>
        <translation>GC</translation>
    </message>
</context>
<context>
    <name>sternwerk::HorizonEvents</name>
    <message>
        <source>-Aufgang am Horizont</source>
        <translation> rise at the horizon</translation>
    </message>
    <message>
        <source>-Untergang am Horizont</source>
        <translation> set at the horizon</translation>
    </message>
    <message>
        <source>-Meridiandurchgang</source>
        <translation> meridian transit</translation>
    </message>
</context>
<context>
    <name>sternwerk::MainWindow</name>
    <message>
        <source>&amp;Datum/Zeit/Ort</source>
        <translation>&amp;Date/Time/Place</translation>
    </message>
    <message>
        <source>&amp;Intervall</source>
        <translation>&amp;Interval</translation>
    </message>
    <message>
        <source>&amp;Real Time  </source>
        <translation>Real Ti&amp;me  </translation>
    </message>
    <message>
        <source>Alt-Datum/&amp;Zeit</source>
        <translation>Last Sessi&amp;on</translation>
    </message>
    <message>
        <source>&amp;Halt</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Aufgang</source>
        <translation>&amp;Rise</translation>
    </message>
    <message>
        <source>&amp;Kulminat.</source>
        <translation>C&amp;ulmin.</translation>
    </message>
    <message>
        <source>&amp;Unterg.</source>
        <translation>S&amp;et</translation>
    </message>
    <message>
        <source>&amp;Quell-Information</source>
        <translation>Source In&amp;fo</translation>
    </message>
    <message>
        <source>Progr.&amp;Einführung</source>
        <translation>I&amp;ntroduction</translation>
    </message>
    <message>
        <source>Zeiche&amp;n</source>
        <translation>Sym&amp;bols</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Vergrößern  (Diagramm Drucken / Speichern)</source>
        <translation>En&amp;large  (Print / Save the Chart)</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source> Diagramm dreht </source>
        <translation> Chart turning </translation>
    </message>
    <message>
        <source> Diagramm steht </source>
        <translation> Chart stopped </translation>
    </message>
    <message>
        <source> Zeigt das Diagramm in vergrößerter Form mit Druck- sowie Speichermöglichkeit als Metafile </source>
        <translation> Shows the chart enlarged, ready to print or to save as a metafile </translation>
    </message>
    <message>
        <source> Öffnet ein Fenster zum Vorgeben eines anderen Anfangs-Datums, einer anderen Zeit und der Koordinaten eines beliebigen Ortes  </source>
        <translation> Opens a window where you set another starting date and time and the coordinates of any place  </translation>
    </message>
    <message>
        <source> Öffnet ein Fenster zum Einstellen der Rechenintervalle = Schrittweite der Diagramm-Bewegungen </source>
        <translation> Opens a window where you set the computing interval, the step by which the chart moves </translation>
    </message>
    <message>
        <source> Hiermit regeln Sie Tempo und Richtung der Uhr </source>
        <translation> Sets the speed and direction of the clock </translation>
    </message>
    <message>
        <source> Setzt Datum, Zeit und Diagramm auf Real-Time = System-Datum und -Zeit als WZ </source>
        <translation> Sets date, time and chart to real time: the system date and time as UT </translation>
    </message>
    <message>
        <source> Hiermit laden Sie Datum, Zeit und Koordinaten der letzten Anwendung </source>
        <translation> Loads the date, time and coordinates of your last session </translation>
    </message>
    <message>
        <source> Schaltet das Info-Fenster ein und auch wieder aus </source>
        <translation> Shows or hides the information panel </translation>
    </message>
    <message>
        <source> Zeigt einen Hilfe/Einführungstext zum Programm </source>
        <translation> Shows an introduction to the program </translation>
    </message>
    <message>
        <source> Das Programm &apos;merkt&apos; sich End-Datum, -Zeit und -Koordinaten für die Taste &apos;Alt-Datum/Zeit&apos;; es startet generell mit den letzten Koordinaten und der Real-Time des Systems. </source>
        <translation> The program remembers the final date, time and coordinates for the &apos;Last Session&apos; button; it always starts with the last coordinates and the system&apos;s real time. </translation>
    </message>
    <message>
        <source> Schaltet die Zeichenliste ein und aus </source>
        <translation> Shows or hides the list of symbols </translation>
    </message>
    <message>
        <source> Die Aufschrift wechselt zwischen &apos;Halt&apos; und &apos;Weiter&apos;. </source>
        <translation> The caption changes between &apos;Stop&apos; and &apos;Continue&apos;. </translation>
    </message>
    <message>
        <source> Öffnet ein Fenster zur Eingabe des gewünschten Aufgangsfaktors </source>
        <translation> Opens a window where you choose the factor whose rise you want </translation>
    </message>
    <message>
        <source> Öffnet ein Fenster zur Eingabe des gewünschten Untergangsfaktors </source>
        <translation> Opens a window where you choose the factor whose setting you want </translation>
    </message>
    <message>
        <source> Öffnet ein Fenster zur Eingabe des gewünschten Kulminationsfaktors </source>
        <translation> Opens a window where you choose the factor whose culmination you want </translation>
    </message>
    <message>
        <source> Sucht den nächsten Vollmond ab aktuellem Datum </source>
        <translation> Finds the next full moon from the date shown </translation>
    </message>
    <message>
        <source> Sucht den nächsten Neumond ab aktuellem Datum </source>
        <translation> Finds the next new moon from the date shown </translation>
    </message>
    <message>
        <source> Hier sehen Sie die Winkel aller Faktoren/Planeten </source>
        <translation> The longitudes of all factors and planets </translation>
    </message>
    <message>
        <source> Eigene Berechnung (Voreinstellung): Sternwerk rechnet alle
 Positionen selbst, ohne Ephemeriden-Dateien: Sonne und Mond
 aus mittleren Bahnelementen mit periodischen Störungsreihen
 (71 Glieder für den Mond), die Planeten aus Keplerbahnen mit
 Korrekturreihen für Jupiter bis Pluto, MC und AS aus der
 Sternzeit. Der Mondknoten ist der mittlere Knoten; die acht
 hypothetischen Punkte folgen ihren eigenen Bahnelementen.

 Genauigkeit 1900-2100, gemessen an einer modernen
 Ephemeride: Sonne und MC etwa 0,007°, Mond 0,04°, Merkur bis
 Mars 0,07°, Jupiter 0,6°, Saturn bis Neptun 0,35°, Pluto
 1,8°; weiter von 1900 entfernt mehr (bis 3000: Jupiter 25°).
 Alle Zeiten sind Weltzeit.

 Genaue Positionen (Kästchen unten): Sonne, Mond, mittlerer
 Knoten und Merkur bis Pluto aus der Swiss Ephemeris,
 scheinbare Längen auf das wahre Äquinoktium des Datums
 (Lichtzeit, Aberration, Nutation, Delta T), MC und AS aus
 wahrer Sternzeit und Schiefe; genau auf Bogensekunden. Mit
 den Ephemeriden-Dateien 1800-2399, sonst mit der
 analytischen Theorie der Bibliothek bis etwa zum Jahr 3000.
 Für spätere Jahre und bei jedem Fehler der Bibliothek gilt
 die eigene Berechnung. Die Überschrift der Positionsliste
 nennt, welche gezeigt wird: &quot;Die Positionen (genau)&quot; oder
 &quot;Positionen (nur eigene)&quot;. Widderpunkt, hypothetische Punkte
 und GZ stets aus eigener Rechnung.

 Auf-/Untergang am Horizont (Kästchen unten): Aufgang und
 Untergang des oberen Randes von Sonne, Mond und Planeten am
 Horizont mit Refraktion, Kulmination als Meridiandurchgang,
 wie im Almanach (Swiss Ephemeris). Ohne das Kästchen sucht
 Sternwerk den Augenblick, in dem der Faktor AS, DC oder MC
 in der Ekliptik erreicht: den astrologischen Aufgang, bei
 der Sonne einige Minuten anders.

 Orte nach Namen: die Städte von GeoNames (geonames.org,
 Daten unter CC BY 4.0) über die Bibliothek libgeonames
 (GPL-3), deutsche Namen aus ihrem Katalog. Die Ortszeit
 folgt den Zeitzonendaten des Systems (tzdata); vor der
 Normalzeit einer Zone und für Orte ohne Zone gilt die
 mittlere Ortszeit des Ortes (Länge / 15 Stunden).
</source>
        <translation> Own computation (the default): Sternwerk computes every
 position itself, without ephemeris files: the Sun and Moon
 from mean orbital elements with periodic perturbation series
 (71 terms for the Moon), the planets from Kepler orbits with
 correction series for Jupiter to Pluto, MC and AS from
 sidereal time. The lunar node is the mean node; the eight
 hypothetical points follow their own orbital elements.

 Accuracy 1900-2100, measured against a modern ephemeris:
 Sun and MC about 0.007°, Moon 0.04°, Mercury to Mars 0.07°,
 Jupiter 0.6°, Saturn to Neptune 0.35°, Pluto 1.8°; more the
 further from 1900 (up to 3000: Jupiter 25°). All times are
 Universal Time.

 Precise positions (box below): Sun, Moon, mean node and
 Mercury to Pluto from the Swiss Ephemeris, apparent
 longitudes referred to the true equinox of date (light-time,
 aberration, nutation, Delta T), MC and AS from true sidereal
 time and obliquity; accurate to arc seconds. With the
 ephemeris files for 1800-2399, otherwise with the library&apos;s
 analytical theory up to about the year 3000. For later years
 and whenever the library fails, the own computation is used.
 The heading of the position list says which one is shown:
 &quot;Die Positionen (genau)&quot; (precise) or &quot;Positionen (nur
 eigene)&quot; (own only). The vernal point, the hypothetical
 points and GZ always come from the own computation.

 Rise/set at the horizon (box below): rise and set of the
 upper limb of the Sun, Moon and planets at the horizon, with
 refraction, and culmination as the meridian transit, as an
 almanac gives them (Swiss Ephemeris). Without the box
 Sternwerk finds the moment when the factor reaches AS, DC or
 MC along the ecliptic: the astrological rise, a few minutes
 off for the Sun.

 Places by name: the cities of GeoNames (geonames.org, data
 under CC BY 4.0) through the libgeonames library (GPL-3),
 German names from its catalogue. Local time follows the
 system&apos;s time-zone data (tzdata); before a zone&apos;s standard
 time and for places without a zone, the place&apos;s local mean
 time applies (longitude / 15 hours).
</translation>
    </message>
    <message>
        <source>&amp;Genaue Positionen (Swiss Ephemeris)</source>
        <translation>&amp;Precise positions (Swiss Ephemeris)</translation>
    </message>
    <message>
        <source>Auf-/Untergang am Horizont (wie im A&amp;lmanach)</source>
        <translation>Rise/set at the horizon (as in the &amp;almanac)</translation>
    </message>
    <message>
        <source>&amp;Transplutonische Faktoren (22)</source>
        <translation>&amp;Transplutonian factors (22)</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>             Die Sternwerk, Version %1</source>
        <translation>             Sternwerk, Version %1</translation>
    </message>
    <message>
        <source>Die Datei  Roradoza.TTF  fehlt in Ihren System-Schriften    <byte value="xd"/>und im Ordner dieses Programmes; ohne diese<byte value="xd"/>Datei können Sie keine Astrologie-Zeichen sehen.<byte value="xd"/><byte value="xd"/>Installieren Sie bitte das Paket sternwerk; es legt die Datei in<byte value="xd"/>         /usr/share/fonts/truetype/sternwerk<byte value="xd"/>ab, wo alle Programme des Rechners sie finden.<byte value="xd"/>(Ohne Paket: die Datei nach  ~/.local/share/fonts  kopieren.)<byte value="xd"/><byte value="xd"/>HINWEIS: Nach dem Kopieren von  Roradoza.TTF  in den<byte value="xd"/>Ordner  ~/.local/share/fonts  sehen neu gestartete Programme sie.<byte value="xd"/><byte value="xd"/>Es reicht aber auch aus, die Datei zu diesem Programm<byte value="xd"/>in den Ordner zu kopieren; dann sieht nur Sternwerk sie.</source>
        <translation>The file  Roradoza.TTF  is missing from your system fonts    <byte value="xd"/>and from this program&apos;s folder; without it<byte value="xd"/>you cannot see the astrological symbols.<byte value="xd"/><byte value="xd"/>Please install the package sternwerk; it puts the file in<byte value="xd"/>         /usr/share/fonts/truetype/sternwerk<byte value="xd"/>where every program on the computer finds it.<byte value="xd"/>(Without the package: copy the file to  ~/.local/share/fonts.)<byte value="xd"/><byte value="xd"/>NOTE: once  Roradoza.TTF  is in the folder<byte value="xd"/>~/.local/share/fonts, programs started afterwards see it.<byte value="xd"/><byte value="xd"/>It is also enough to copy the file into this program&apos;s<byte value="xd"/>folder; then only Sternwerk sees it.</translation>
    </message>
    <message>
        <source>Nicht mehr fragen</source>
        <translation>Don&apos;t ask again</translation>
    </message>
    <message>
        <source>Soll das Sternwerk transplutonisch arbeiten?      <byte value="xd"/>
Ja=      Option für Astrologen      <byte value="xd"/>
Nein=  nur mit Faktoren von MC bis Pluto<byte value="xd"/>
<byte value="xd"/>
Lesen Sie bitte hiernach die Programm-Einführung!<byte value="xd"/>
(Taste ´Progr.Einführung´, rechts unten)</source>
        <translation>Should Sternwerk work with the transplutonian factors?      <byte value="xd"/>
Yes=      the option for astrologers      <byte value="xd"/>
No=  only the factors from MC to Pluto<byte value="xd"/>
<byte value="xd"/>
Then please read the program introduction!<byte value="xd"/>
(button &apos;Introduction&apos;, bottom right)</translation>
    </message>
    <message>
        <source>

Trotzdem beenden? Datum, Zeit und Ort dieser Sitzung werden dann nicht gespeichert.</source>
        <translation>

End anyway? The date, time and place of this session will then not be saved.</translation>
    </message>
</context>
<context>
    <name>sternwerk::PositionList</name>
    <message>
        <source> Die Planeten-Positionen:</source>
        <translation> Planetary positions:</translation>
    </message>
    <message>
        <source> Die Positionen (genau):</source>
        <translation> Positions (precise):</translation>
    </message>
    <message>
        <source> Positionen (nur eigene):</source>
        <translation> Positions (own only):</translation>
    </message>
</context>
<context>
    <name>sternwerk::SearchTexts</name>
    <message>
        <source>            Aufgangs-Faktor</source>
        <translation>            Factor to rise</translation>
    </message>
    <message>
        <source>     Heutiger </source>
        <translation>     Finding today&apos;s </translation>
    </message>
    <message>
        <source>-Aufgang wird gesucht          </source>
        <translation> rise          </translation>
    </message>
    <message>
        <source>-Aufgang </source>
        <translation> rise </translation>
    </message>
    <message>
        <source>-Aufgang</source>
        <translation> rise</translation>
    </message>
    <message>
        <source>           Untergangs-Faktor</source>
        <translation>           Factor to set</translation>
    </message>
    <message>
        <source>   Heutiger </source>
        <translation>   Finding today&apos;s </translation>
    </message>
    <message>
        <source>-Untergang wird gesucht      </source>
        <translation> set      </translation>
    </message>
    <message>
        <source>-Untergang </source>
        <translation> set </translation>
    </message>
    <message>
        <source>-Untergang</source>
        <translation> set</translation>
    </message>
    <message>
        <source>           Kulminations-Faktor</source>
        <translation>           Factor to culminate</translation>
    </message>
    <message>
        <source>   Heutige </source>
        <translation>   Finding today&apos;s </translation>
    </message>
    <message>
        <source>-Kulmination wird gesucht      </source>
        <translation> culmination      </translation>
    </message>
    <message>
        <source>-Kulmination </source>
        <translation> culmination </translation>
    </message>
    <message>
        <source>-Kulmination</source>
        <translation> culmination</translation>
    </message>
    <message>
        <source>      Nächster Vollmond wird gesucht           </source>
        <translation>      Finding the next full moon           </translation>
    </message>
    <message>
        <source> Vollmond </source>
        <translation> Full moon </translation>
    </message>
    <message>
        <source>Vollmond</source>
        <translation>Full moon</translation>
    </message>
    <message>
        <source>      Nächster Neumond wird gesucht          </source>
        <translation>      Finding the next new moon          </translation>
    </message>
    <message>
        <source> Neumond </source>
        <translation> New moon </translation>
    </message>
    <message>
        <source>Neumond</source>
        <translation>New moon</translation>
    </message>
    <message>
        <source> wird gesucht          </source>
        <translation>          </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Datum und Zeit bleiben unverändert.</source>
        <translation><byte value="xd"/>
Date and time stay as they were.</translation>
    </message>
    <message>
        <source> nicht gefunden: </source>
        <translation> not found: </translation>
    </message>
    <message>
        <source> geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht).</source>
        <translation> neither rises nor sets at this place now (polar day or polar night).</translation>
    </message>
    <message>
        <source> in den nächsten </source>
        <translation> not found in the next </translation>
    </message>
    <message>
        <source> Tagen nicht gefunden.</source>
        <translation> days.</translation>
    </message>
</context>
<context>
    <name>sternwerk::SignAbbreviations</name>
    <message>
        <source>WID</source>
        <translation>ARI</translation>
    </message>
    <message>
        <source>STI</source>
        <translation>TAU</translation>
    </message>
    <message>
        <source>ZWI</source>
        <translation>GEM</translation>
    </message>
    <message>
        <source>KRE</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>LOE</source>
        <translation>LEO</translation>
    </message>
    <message>
        <source>JUN</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>WAA</source>
        <translation>LIB</translation>
    </message>
    <message>
        <source>SKO</source>
        <translation>SCO</translation>
    </message>
    <message>
        <source>SCH</source>
        <translation>SAG</translation>
    </message>
    <message>
        <source>STE</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>WAS</source>
        <translation>AQU</translation>
    </message>
    <message>
        <source>FIS</source>
        <translation>PIS</translation>
    </message>
</context>
<context>
    <name>sternwerk::TextForms</name>
    <message>
        <source> WZ/GMT</source>
        <translation> UT</translation>
    </message>
</context>
<context>
    <name>sternwerk::Weekdays</name>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
</context>
</TS>
