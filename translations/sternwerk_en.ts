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
        <source>--search erwartet ein Datum mit wahlweise einer Zeit oder jetzt, dazu wahlweise Länge und Breite</source>
        <translation>--search needs a date with an optional time, or now, optionally followed by longitude and latitude</translation>
    </message>
    <message>
        <source>--horizon sucht Aufgang, Untergang oder Kulmination</source>
        <translation>--horizon searches for a rise, set or culmination only</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>line %1</translation>
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
        <source>erwartet Datum und Zeit oder jetzt, dazu wahlweise Länge und Breite</source>
        <translation>expected a date and a time, or now, optionally followed by longitude and latitude</translation>
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
    <message>
        <source> (doppelt: es gilt die frühere)</source>
        <translation> (occurs twice: the earlier one is used)</translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Place: </translation>
    </message>
    <message>
        <source>Ortszeit: </source>
        <translation>Local time: </translation>
    </message>
    <message>
        <source>Kein Ort beginnt mit &quot;%1&quot;: Ortsnamen werden in lateinischen Buchstaben gesucht</source>
        <translation>No place begins with &quot;%1&quot;: place names are searched in Latin letters</translation>
    </message>
    <message>
        <source>--place &quot;%1&quot;: genommen ist %2 (Breite %3, Länge %4); andere Orte passen ebenso gut, sternwerk-sky --places &quot;%1&quot; listet sie</source>
        <translation>--place &quot;%1&quot;: took %2 (latitude %3, longitude %4); other places match as well, sternwerk-sky --places &quot;%1&quot; lists them</translation>
    </message>
    <message>
        <source>%1 steht einmal und mit seinem Wert nach dem Zeitpunkt</source>
        <translation>%1 stands once, with its value, after the instant</translation>
    </message>
    <message>
        <source>--ephemeris erwartet Datum und Zeit oder jetzt</source>
        <translation>--ephemeris needs a date and time or now</translation>
    </message>
    <message>
        <source>--until erwartet Datum und Zeit oder jetzt</source>
        <translation>--until needs a date and time or now</translation>
    </message>
    <message>
        <source>--until liegt vor dem ersten Zeitpunkt</source>
        <translation>--until lies before the first instant</translation>
    </message>
    <message>
        <source>Zeiten: Weltzeit (UT)</source>
        <translation>Times: Universal Time (UT)</translation>
    </message>
    <message>
        <source>Zeiten: Ortszeit (%1)</source>
        <translation>Times: local time (%1)</translation>
    </message>
    <message>
        <source>%1 nicht gefunden: Die Sonne überschreitet in den 24 Stunden ab %2 nicht %3 unter dem Horizont</source>
        <translation>%1 not found: the Sun does not cross %3 below the horizon in the 24 hours from %2</translation>
    </message>
    <message>
        <source>--step &quot;%1&quot;: mindestens eine Sekunde (1/60 Minute)</source>
        <translation>--step &quot;%1&quot;: at least a second (1/60 minute)</translation>
    </message>
    <message>
        <source>--save-chart erwartet einen Namen, Datum und Zeit, wenn gewünscht den Ort</source>
        <translation>--save-chart expects a name, a date and time, and the place if wanted</translation>
    </message>
    <message>
        <source>Name des Horoskops</source>
        <translation>name of the chart</translation>
    </message>
    <message>
        <source>--save-chart erwartet nach dem Namen Datum und Zeit oder jetzt</source>
        <translation>--save-chart expects a date and time or now after the name</translation>
    </message>
    <message>
        <source>--charts nimmt höchstens einen Suchtext</source>
        <translation>--charts takes at most one search text</translation>
    </message>
    <message>
        <source>Kein Horoskop passt zu &quot;%1&quot;</source>
        <translation>No chart matches &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--import erwartet einen Dateinamen</source>
        <translation>--import expects a file name</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1 Horoskope aus %2 aufgenommen, %3 Datensätze übersprungen</source>
        <translation>%1 charts added from %2, %3 records skipped</translation>
    </message>
    <message>
        <source>--export erwartet einen Dateinamen</source>
        <translation>--export expects a file name</translation>
    </message>
    <message>
        <source>--export schreibt .aaf- oder .csv-Dateien; die Endung des Namens wählt das Format</source>
        <translation>--export writes .aaf or .csv files; the ending of the name chooses the format</translation>
    </message>
    <message>
        <source>%1 Horoskope nach %2 geschrieben</source>
        <translation>%1 charts written to %2</translation>
    </message>
    <message>
        <source>--collection erwartet einmal den Namen der Sammlung</source>
        <translation>--collection expects the name of the collection, once</translation>
    </message>
    <message>
        <source>%1 darf nur einmal stehen</source>
        <translation>%1 may be given only once</translation>
    </message>
    <message>
        <source>--houses erwartet den Buchstaben eines Häusersystems (%1)</source>
        <translation>--houses expects the letter of a house system (%1)</translation>
    </message>
    <message>
        <source>--houses: &quot;%1&quot; ist kein Häusersystem (eines von %2)</source>
        <translation>--houses: &quot;%1&quot; is no house system (one of %2)</translation>
    </message>
    <message>
        <source>Aufruf:
  sternwerk-sky --precise AUFRUF
      vor jedem der folgenden Aufrufe: genaue Positionen (Swiss Ephemeris)
      statt der eigenen Berechnung; die Liste nennt die verwendete.
  sternwerk-sky --horizon [--precise] --search ART FAKTOR TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE BREITE]
      Auf- und Untergang des oberen Randes am Horizont mit Refraktion und die
      Kulmination als Meridiandurchgang, wie im Almanach (SO, MO, ME bis PL).
  sternwerk-sky TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]
      Positionen für den Zeitpunkt (Weltzeit) und Ort (Dezimalgrad,
      Ost und Nord positiv; ohne Angabe 10 und 50); die ersten Zeilen
      nennen Datum und Zeit in Weltzeit.
  sternwerk-sky --tsv [--header]
      liest Zeilen &quot;Tag Monat Jahr Stunden Länge Breite&quot; von der
      Standardeingabe und schreibt je eine tabulatorgetrennte Zeile;
      --header schreibt zuerst eine Zeile mit den Namen der Spalten.
  sternwerk-sky --dial DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt das Zifferblatt des Zeitpunkts als Bild (.wmf, .svg oder .png);
      --all mit allen 22 Faktoren, --no-symbols ohne die Symbolschrift.
  sternwerk-sky --chart DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt das vergrößerte Diagramm als Bild (.wmf, .svg, .png) oder als
      Druckseite mit Kopfzeile und Positionsliste (.pdf); mit --houses
      BUCHSTABE und --aspects mit Häusern und Aspekten (Liste im PDF).
  sternwerk-sky --outside DATEI TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE] [--all] [--no-symbols]
      schreibt den Blick nach draußen (Süden zwischen Ost- und West-Horizont;
      Norden, wo das MC nördlich des Zenits steht) als Bild (.wmf, .svg, .png).
  sternwerk-sky --search aufgang|untergang|kulmination FAKTOR TT.MM.JJJJ [HH:MM[:SS]]
                [LÄNGE BREITE]
  sternwerk-sky --search vollmond|neumond TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE BREITE]
      sucht ab 00:00:00 des Datums oder ab der Zeit den Aufgang, Untergang
      oder die Kulmination eines Faktors (FAKTOR nötig, z.B. SO, MO) oder den
      nächsten Vollmond oder Neumond; schreibt den Zeitpunkt (Weltzeit), das
      Ereignis und die Positionen, dann die Ortszeit, wo der Ort eine
      Zeitzone hat.
  sternwerk-sky --places TEXT
      listet bis zu 20 Orte, deren Name oder ein Wort darin mit TEXT beginnt
      (Name, Region, Land, Breite, Länge, Zeitzone; tabulatorgetrennt).
  sternwerk-sky --version
      zeigt die Version.
  sternwerk-sky --observe TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]
      der Himmel vom Ort aus: Höhe, Azimut und Richtung, RA/Dekl., Abstand,
      Helligkeit und Phase der Körper, Auf- und Untergang des Ortstages,
      Mondphase und Dämmerungen (Swiss Ephemeris).
  sternwerk-sky --ephemeris TT.MM.JJJJ HH:MM[:SS] [--until TT.MM.JJJJ HH:MM[:SS]]
                [--step MINUTEN] [LÄNGE BREITE]
      eine tabulatorgetrennte Tabelle für die Tabellenkalkulation: je
      Zeitpunkt und Körper eine Zeile (Spalten utc, local, body, longitude,
      latitude, ra, dec, altitude, azimuth, distance, magnitude,
      illuminated), Schritt 60 Minuten ohne --step.
  sternwerk-sky --search sonnenfinsternis|mondfinsternis TT.MM.JJJJ [HH:MM[:SS]]
                [LÄNGE BREITE]
      die nächste vom Ort aus sichtbare Sonnenfinsternis oder die nächste
      Mondfinsternis: Maximum (Weltzeit), Art, Größe, Kontakte.
  sternwerk-sky --search buergerliche-|nautische-|astronomische-
                morgendaemmerung|abenddaemmerung TT.MM.JJJJ [HH:MM[:SS]] [LÄNGE BREITE]
      die Dämmerung binnen 24 Stunden (Sonnenmitte 6, 12, 18° unter dem
      Horizont); Exit-Status 1, wo die Sonne nicht so tief sinkt.
  jetzt oder now statt Datum und Zeit: der Zeitpunkt jetzt (Weltzeit der
      Systemuhr); gilt für alle Aufrufe außer --tsv.
  --place ORT statt LÄNGE BREITE: der beste Treffer von --places ORT.
  --local: Datum und Zeit sind die Ortszeit des Ortes (Zeitzone des Ortes
      oder des nächsten Ortes im Umkreis von 150 km, sonst mittlere Ortszeit);
      eine Suche ohne Zeit beginnt um 0 Uhr Ortszeit. Mit --place oder
      --local nennt die Ausgabe den Ort und die Ortszeit. Beide gelten für
      alle Aufrufe außer --tsv.
  LÄNGE und BREITE auch in Grad und Minuten: 9°59&apos; 48°24&apos;N, 9:59 48:24,
      9d59O 48d24N; W und S zählen negativ.
  --language de|en
      Sprache der Ausgabe; ohne Angabe die des Desktops (Englisch, wenn die
      erste Sprache des Desktops Englisch ist, sonst Deutsch).
  sternwerk-sky --save-chart NAME TT.MM.JJJJ HH:MM[:SS] [LÄNGE BREITE]
      speichert Zeitpunkt und Ort als Horoskop NAME in der Sammlung (mit
      --place und --local wie oben) und schreibt seine Zeile wie --charts.
  sternwerk-sky --charts [TEXT]
      listet die Horoskope der Sammlung, mit TEXT die, deren Name, Ort oder
      Jahr jedes Wort von TEXT enthält: Name, Art, Datum und Zeit wie
      eingegeben, Zone, Weltzeit, Ort, Region, Land, Breite, Länge;
      tabulatorgetrennt.
  sternwerk-sky --import DATEI
      nimmt die Horoskope einer AAF-Datei (mit #A93:-Zeilen) oder einer
      CSV-Datei mit Kopfzeile (Name, Datum, Zeit, Ort oder Breite und Länge,
      Zone) in die Sammlung auf; fehlerhafte Datensätze werden mit ihrer
      Zeile gemeldet und übersprungen.
  sternwerk-sky --export DATEI
      schreibt die Sammlung als AAF (DATEI.aaf) oder CSV (DATEI.csv).
  --collection DATEI: die Sammlung in DATEI statt horoskope.db im
      aktuellen Ordner.
  --houses BUCHSTABE, --aspects, --midpoints [--all] zu den Positionen:
      Häuserspitzen H1 bis H12 (P Placidus, K Koch, R Regiomontanus, C Campanus,
      E äqual vom AS, W ganze Zeichen, O Porphyrius, X Meridian, T topozentrisch,
      B Alcabitius, M Morinus; wo P und K nicht definiert sind, Porphyrius),
      Aspekte (Faktoren, Aspekt, Orbis, applikativ oder separativ) und
      Halbsummen nach ihrem Ort auf dem 90°-Kreis; mit --all aller 22 Faktoren.
</source>
        <translation>Usage:
  sternwerk-sky --precise COMMAND
      before any of the commands below: precise positions (Swiss Ephemeris)
      instead of the program&apos;s own computation; the list names the one used.
  sternwerk-sky --horizon [--precise] --search KIND FACTOR DD.MM.YYYY [HH:MM[:SS]]
                [LONGITUDE LATITUDE]
      rise and set of the upper limb at the horizon, with refraction, and the
      culmination as the meridian transit, as an almanac gives them (SU, MO,
      ME to PL).
  sternwerk-sky DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE]
      positions for the instant (Universal Time) and place (decimal degrees,
      east and north positive; 10 and 50 when left out); the first lines
      give the date and time in Universal Time.
  sternwerk-sky --tsv [--header]
      reads lines &quot;day month year hours longitude latitude&quot; from standard
      input and writes one tab-separated line for each;
      --header first writes a line naming the columns.
  sternwerk-sky --dial FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the dial at that instant as a picture (.wmf, .svg or .png);
      --all with all 22 factors, --no-symbols without the symbol font.
  sternwerk-sky --chart FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the enlarged chart as a picture (.wmf, .svg, .png) or as the
      printed page with its heading and position list (.pdf); with --houses
      LETTER and --aspects with houses and aspects (their list in the PDF).
  sternwerk-sky --outside FILE DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE] [--all] [--no-symbols]
      writes the view outside (facing south, from the eastern to the western
      horizon; north where the MC stands north of the zenith) as a picture
      (.wmf, .svg or .png).
  sternwerk-sky --search rise|set|culmination FACTOR DD.MM.YYYY [HH:MM[:SS]]
                [LONGITUDE LATITUDE]
  sternwerk-sky --search fullmoon|newmoon DD.MM.YYYY [HH:MM[:SS]] [LONGITUDE LATITUDE]
      searches from 00:00:00 on that date, or from the time, for the rise,
      set or culmination of a factor (FACTOR required, e.g. SU, MO) or for
      the next full or new moon; writes the instant (Universal Time), the
      event and the positions, then the local time where the place has a
      time zone.
      The German kinds (aufgang, untergang, kulmination, vollmond, neumond)
      work as well.
  sternwerk-sky --places TEXT
      lists up to 20 places whose name or a word of it begins with TEXT
      (name, region, country, latitude, longitude, time zone; tab-separated).
  sternwerk-sky --version
      shows the version.
  sternwerk-sky --observe DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE]
      the sky from the place: altitude, azimuth and direction, RA/Dec, distance,
      magnitude and phase of the bodies, rise and set of the local day, the
      Moon&apos;s phase and the twilights (Swiss Ephemeris).
  sternwerk-sky --ephemeris DD.MM.YYYY HH:MM[:SS] [--until DD.MM.YYYY HH:MM[:SS]]
                [--step MINUTES] [LONGITUDE LATITUDE]
      a tab-separated table for spreadsheets: one line per instant and body
      (columns utc, local, body, longitude, latitude, ra, dec, altitude,
      azimuth, distance, magnitude, illuminated), a step of 60 minutes
      without --step.
  sternwerk-sky --search solar-eclipse|lunar-eclipse DD.MM.YYYY [HH:MM[:SS]]
                [LONGITUDE LATITUDE]
      the next solar eclipse seen from the place or the next lunar eclipse:
      maximum (Universal Time), kind, magnitude, contacts.
  sternwerk-sky --search civil-|nautical-|astronomical-dawn|dusk DD.MM.YYYY
                [HH:MM[:SS]] [LONGITUDE LATITUDE]
      the twilight within 24 hours (the Sun&apos;s centre 6, 12, 18° below the
      horizon); exit status 1 where the Sun does not go that deep.
  now or jetzt instead of the date and time: the present instant (the
      system clock&apos;s Universal Time); for every command but --tsv.
  --place PLACE instead of LONGITUDE LATITUDE: the best match of --places PLACE.
  --local: date and time are the local time of the place (its time zone, or
      that of the nearest place within 150 km, else local mean time); a
      search without a time starts at local midnight. With --place or
      --local the output names the place and its local time. Both apply to
      every command but --tsv.
  LONGITUDE and LATITUDE also in degrees and minutes: 9°59&apos; 48°24&apos;N, 9:59 48:24,
      9d59E 48d24N; W and S count negative.
  --language de|en
      the language of the output; without it the desktop&apos;s (English when the
      desktop&apos;s first language is English, else German).
  sternwerk-sky --save-chart NAME DD.MM.YYYY HH:MM[:SS] [LONGITUDE LATITUDE]
      saves the instant and place as the chart NAME in the collection (with
      --place and --local as above) and writes its line as --charts does.
  sternwerk-sky --charts [TEXT]
      lists the charts of the collection, with TEXT those whose name, place
      or year holds every word of TEXT: name, kind, date and time as typed,
      zone, Universal Time, place, region, country, latitude, longitude;
      tab-separated.
  sternwerk-sky --import FILE
      adds the charts of an AAF file (with #A93: lines) or of a CSV file with
      a header row (Name, Datum, Zeit, Ort or Breite and Länge, Zone; or the
      English names) to the collection; records that cannot be read are
      reported with their line and skipped.
  sternwerk-sky --export FILE
      writes the collection as AAF (FILE.aaf) or CSV (FILE.csv).
  --collection FILE: the collection in FILE instead of horoskope.db in the
      current folder.
  --houses LETTER, --aspects, --midpoints [--all] with the positions:
      house cusps H1 to H12 (P Placidus, K Koch, R Regiomontanus, C Campanus,
      E equal from the AS, W whole sign, O Porphyry, X Meridian, T Topocentric,
      B Alcabitius, M Morinus; Porphyry where P and K are undefined),
      aspects (factors, aspect, orb, applying or separating) and midpoints
      by their place on the 90° dial; with --all of all 22 factors.
</translation>
    </message>
    <message>
        <source>--midpoints gilt nicht für --chart</source>
        <translation>--midpoints does not apply to --chart</translation>
    </message>
    <message>
        <source>--place, --local und --saved gelten bei der Sammlung nur für --save-chart</source>
        <translation>with the collection, --place, --local and --saved apply to --save-chart only</translation>
    </message>
    <message>
        <source>--saved erwartet den Namen eines Horoskops</source>
        <translation>--saved expects the name of a chart</translation>
    </message>
    <message>
        <source>--saved darf nur einmal stehen</source>
        <translation>--saved may be given only once</translation>
    </message>
    <message>
        <source>--place gilt nicht mit --saved: das Horoskop nennt seinen Ort</source>
        <translation>--place does not apply with --saved: the chart names its place</translation>
    </message>
    <message>
        <source>--saved steht statt Datum, Zeit und Ort; &quot;%1&quot; ist zu viel</source>
        <translation>--saved stands for date, time and place; &quot;%1&quot; is not expected with it</translation>
    </message>
    <message>
        <source>Die Sammlung %1 gibt es nicht; sie hat kein Horoskop &quot;%2&quot;</source>
        <translation>The collection %1 does not exist; it has no chart &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--place, --local und --saved gelten nicht für --tsv</source>
        <translation>--place, --local and --saved do not apply to --tsv</translation>
    </message>
    <message>
        <source>--collection gilt für --save-chart, --charts, --import, --export und --saved</source>
        <translation>--collection applies to --save-chart, --charts, --import, --export and --saved</translation>
    </message>
    <message>
        <source>  --saved NAME statt Datum, Zeit und Ort: Zeitpunkt und Ort des Horoskops
      NAME der Sammlung (oder des einen, dessen Name so beginnt), für alle
      Aufrufe außer --tsv; eine Suche beginnt am Zeitpunkt des Horoskops.
      Mit --local nennt die Ausgabe den Ort und die Ortszeit in der Zone
      des Horoskops. --save-chart NEU --saved NAME speichert Zeitpunkt und
      Ort des Horoskops unter dem neuen Namen.
</source>
        <translation>  --saved NAME instead of date, time and place: the instant and place of
      the chart NAME of the collection (or of the one whose name begins so),
      for every command but --tsv; a search starts at the chart&apos;s instant.
      With --local the output names the place and its local time in the
      chart&apos;s zone. --save-chart NEW --saved NAME saves the chart&apos;s
      instant and place under the new name.
</translation>
    </message>
</context>
<context>
    <name>sternwerk::Aspects</name>
    <message>
        <source>Konjunktion</source>
        <translation>conjunction</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>opposition</translation>
    </message>
    <message>
        <source>Trigon</source>
        <translation>trine</translation>
    </message>
    <message>
        <source>Quadrat</source>
        <translation>square</translation>
    </message>
    <message>
        <source>Sextil</source>
        <translation>sextile</translation>
    </message>
    <message>
        <source>Halbquadrat</source>
        <translation>semi-square</translation>
    </message>
    <message>
        <source>Anderthalbquadrat</source>
        <translation>sesquiquadrate</translation>
    </message>
    <message>
        <source>applikativ</source>
        <translation>applying</translation>
    </message>
    <message>
        <source>separativ</source>
        <translation>separating</translation>
    </message>
</context>
<context>
    <name>sternwerk::BoxMessages</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>sternwerk::ChartCollectionWindow</name>
    <message>
        <source>Horoskope</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Suche nach Name, Ort oder Jahr</source>
        <translation>Search by name, place or year</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Uhrzeit speichern</source>
        <translation>&amp;Save clock time</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Soll das Horoskop &quot;%1&quot; gelöscht werden?</source>
        <translation>Delete the chart &quot;%1&quot;?</translation>
    </message>
</context>
<context>
    <name>sternwerk::ChartEditDialog</name>
    <message>
        <source>Person, männlich</source>
        <translation>Person, male</translation>
    </message>
    <message>
        <source>Person, weiblich</source>
        <translation>Person, female</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>ohne Angabe</source>
        <translation>unstated</translation>
    </message>
    <message>
        <source>&amp;Zeitpunkt und Ort der Uhr übernehmen</source>
        <translation>&amp;Take the clock&apos;s instant and place</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Vorname:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>Zeitpunkt und Ort:</source>
        <translation>Instant and place:</translation>
    </message>
    <message>
        <source>Horoskop bearbeiten</source>
        <translation>Edit chart</translation>
    </message>
    <message>
        <source>Uhrzeit als Horoskop speichern</source>
        <translation>Save the clock time as a chart</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen des Horoskops ein.</source>
        <translation>Please enter the name of the chart.</translation>
    </message>
    <message>
        <source>A&amp;rt:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>N&amp;otizen:</source>
        <translation>N&amp;otes:</translation>
    </message>
</context>
<context>
    <name>sternwerk::ChartHelpWindow</name>
    <message>
        <source>Hilfen zur vergrößerten Diagramm-Anzeige</source>
        <translation>Help on the Enlarged Chart</translation>
    </message>
</context>
<context>
    <name>sternwerk::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Datum und Zeit</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Place</translation>
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
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>O &lt;</source>
        <extracomment>&quot;O&quot; is the east point; the arrow points away from the MC&apos;s direction, &quot;S&quot; or &quot;N&quot;.</extracomment>
        <translation>E &lt;</translation>
    </message>
    <message>
        <source>DE</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Aspekte, </source>
        <translation>Aspects, </translation>
    </message>
</context>
<context>
    <name>sternwerk::CivilTime</name>
    <message>
        <source>Die Zeitzone %1 ist in den Zeitzonendaten dieses Rechners unbekannt.</source>
        <translation>The time zone %1 is unknown to this computer&apos;s time-zone data.</translation>
    </message>
</context>
<context>
    <name>sternwerk::Clock</name>
    <message>
        <source>Die Swiss Ephemeris kann diesen Zeitpunkt nicht genau berechnen (%1); die Positionen kommen aus der eigenen Berechnung.</source>
        <translation>The Swiss Ephemeris cannot compute this moment precisely (%1); the positions come from the program&apos;s own computation.</translation>
    </message>
    <message>
        <source>%1 nicht berechenbar: %2</source>
        <translation>%1 cannot be computed: %2</translation>
    </message>
    <message>
        <source>Die Uhr hält an: Ihr Kalender reicht vom 01.01.1600 bis zum 31.12.9999.</source>
        <translation>The clock stops: its calendar runs from 01.01.1600 to 31.12.9999.</translation>
    </message>
    <message>
        <source>Die Uhr beginnt in der Gegenwart, am Ort aus dieser Datei; ´Alt-Datum/Zeit´ bleibt in diesem Lauf gesperrt.</source>
        <translation>The clock starts at the present, at the place from this file; ´Last Session´ stays unavailable in this run.</translation>
    </message>
    <message>
        <source>Sonnenfinsternis</source>
        <translation>Solar eclipse</translation>
    </message>
    <message>
        <source>Mondfinsternis</source>
        <translation>Lunar eclipse</translation>
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
        <source>Takte/Sek:</source>
        <translation>Ticks/sec:</translation>
    </message>
    <message>
        <source>Sek/Takt:</source>
        <translation>Sec/tick:</translation>
    </message>
</context>
<context>
    <name>sternwerk::Collection</name>
    <message>
        <source>#A93 braucht sieben Felder (Name, Vorname, Art, Datum, Zeit, Ort, Land), hier sind es %1.</source>
        <translation>#A93 needs seven fields (name, first name, kind, date, time, place, country); it has %1.</translation>
    </message>
    <message>
        <source>Das Datum &quot;%1&quot; ist nicht lesbar (T.M.JJJJ).</source>
        <translation>The date &quot;%1&quot; cannot be read (D.M.YYYY).</translation>
    </message>
    <message>
        <source>Die Zeit &quot;%1&quot; ist nicht lesbar (H:MM oder H:MM:SS).</source>
        <translation>The time &quot;%1&quot; cannot be read (H:MM or H:MM:SS).</translation>
    </message>
    <message>
        <source>Der Ort hat keine Koordinaten: #B93 fehlt.</source>
        <translation>The place has no coordinates: #B93 is missing.</translation>
    </message>
    <message>
        <source>#B93 braucht fünf Felder (Julianischer Tag, Breite, Länge, Zone, Sommerzeit), hier sind es %1.</source>
        <translation>#B93 needs five fields (Julian day, latitude, longitude, zone, summer time); it has %1.</translation>
    </message>
    <message>
        <source>Die Koordinate &quot;%1&quot; ist nicht lesbar (z.B. 49n05, 8e11).</source>
        <translation>The coordinate &quot;%1&quot; cannot be read (e.g. 49n05, 8e11).</translation>
    </message>
    <message>
        <source>Die Zone &quot;%1&quot; ist nicht lesbar (z.B. 1he00, 5hw00, 0e21:48).</source>
        <translation>The zone &quot;%1&quot; cannot be read (e.g. 1he00, 5hw00, 0e21:48).</translation>
    </message>
    <message>
        <source>Die Sommerzeit &quot;%1&quot; ist nicht lesbar (Stunden, oder L für mittlere Ortszeit).</source>
        <translation>The summer time &quot;%1&quot; cannot be read (hours, or L for local mean time).</translation>
    </message>
    <message>
        <source>Der Julianische Tag &quot;%1&quot; ist nicht lesbar.</source>
        <translation>The Julian day &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Der Zeitpunkt ist unbekannt: Es fehlen der Julianische Tag oder Datum, Zeit und Zone.</source>
        <translation>The instant is unknown: the Julian day, or date, time and zone, are missing.</translation>
    </message>
    <message>
        <source>Die Zeile gehört zu keinem Datensatz: Er beginnt mit #A93.</source>
        <translation>The line belongs to no record: a record begins with #A93.</translation>
    </message>
    <message>
        <source>Das Horoskop hat keinen Namen.</source>
        <translation>The chart has no name.</translation>
    </message>
    <message>
        <source>Ein Text des Horoskops ist kein UTF-8 oder enthält Steuerzeichen.</source>
        <translation>A text of the chart is not UTF-8 or holds control characters.</translation>
    </message>
    <message>
        <source>Die Länge muss zwischen -180 und 180 Grad liegen, die Breite zwischen -90 und 90 Grad.</source>
        <translation>The longitude must lie between -180 and 180 degrees, the latitude between -90 and 90 degrees.</translation>
    </message>
    <message>
        <source>Die Weltzeit des Horoskops liegt außerhalb der Jahre %1 bis %2.</source>
        <translation>The Universal Time of the chart lies outside the years %1 to %2.</translation>
    </message>
    <message>
        <source>Datum oder Zeit des Horoskops gibt es nicht.</source>
        <translation>The date or time of the chart does not exist.</translation>
    </message>
    <message>
        <source>Der Abstand der Zeitzone zur Weltzeit ist größer als ein Tag.</source>
        <translation>The offset of the time zone from Universal Time is more than a day.</translation>
    </message>
    <message>
        <source>Das Datum &quot;%1&quot; ist nicht lesbar (TT.MM.JJJJ).</source>
        <translation>The date &quot;%1&quot; cannot be read (DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>Die Zeit &quot;%1&quot; ist nicht lesbar (HH:MM oder HH:MM:SS).</source>
        <translation>The time &quot;%1&quot; cannot be read (HH:MM or HH:MM:SS).</translation>
    </message>
    <message>
        <source>Breite und Länge &quot;%1&quot; sind nicht lesbar (Dezimalgrad, Nord und Ost positiv).</source>
        <translation>Latitude and longitude &quot;%1&quot; cannot be read (decimal degrees, north and east positive).</translation>
    </message>
    <message>
        <source>Den Ort &quot;%1&quot; kennt das Ortsverzeichnis nicht; bitte Breite und Länge angeben.</source>
        <translation>The atlas does not know the place &quot;%1&quot;; please give latitude and longitude.</translation>
    </message>
    <message>
        <source>Die Zeile nennt weder einen Ort noch Breite und Länge.</source>
        <translation>The line names neither a place nor latitude and longitude.</translation>
    </message>
    <message>
        <source>Die Weltzeit &quot;%1&quot; ist nicht lesbar oder liegt mehr als einen Tag neben Datum und Zeit.</source>
        <translation>The Universal Time &quot;%1&quot; cannot be read or lies more than a day from the date and time.</translation>
    </message>
    <message>
        <source>Diese Ortszeit gibt es in %1 nicht: Die Uhren wurden über diese Stunde vorgestellt.</source>
        <translation>This local time does not exist in %1: the clocks were put forward over that hour.</translation>
    </message>
    <message>
        <source>Die erste Zeile muss die Spalten benennen: Name, Datum, Zeit und Ort oder Breite und Länge (dazu wenn gewünscht Zone, Vorname, Art, Region, Land, Weltzeit, Notizen).</source>
        <translation>The first line must name the columns: Name, Date, Time and Place or Latitude and Longitude (and if wanted Zone, First name, Kind, Region, Country, UT, Notes; or their German names).</translation>
    </message>
    <message>
        <source>Kein Horoskop heißt &quot;%1&quot; oder beginnt so.</source>
        <translation>No chart is called &quot;%1&quot; or begins so.</translation>
    </message>
    <message>
        <source>%1 Horoskope passen zu &quot;%2&quot;: %3. Bitte den Namen genauer angeben.</source>
        <translation>%1 charts match &quot;%2&quot;: %3. Please give the name more fully.</translation>
    </message>
    <message>
        <source>Die Horoskop-Sammlung %1 ist gesperrt: Ein anderes Programm schreibt gerade hinein. Bitte etwas später noch einmal versuchen; es ging nichts verloren.</source>
        <translation>The chart collection %1 is locked: another program is writing to it. Please try again a little later; nothing was lost.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Horoskop-Sammlung (keine SQLite-Datenbank); sie bleibt, wie sie ist.</source>
        <translation>The file %1 is no chart collection (no SQLite database); it is left as it is.</translation>
    </message>
    <message>
        <source>Die Horoskop-Sammlung %1 ist beschädigt (%2). Sie bleibt, wie sie ist; bitte eine Sicherungskopie einsetzen.</source>
        <translation>The chart collection %1 is damaged (%2). It is left as it is; please put a backup copy in its place.</translation>
    </message>
    <message>
        <source>Die Horoskop-Sammlung %1 kann nicht benutzt werden: %2</source>
        <translation>The chart collection %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 ist eine SQLite-Datenbank, aber keine Horoskop-Sammlung; sie bleibt, wie sie ist.</source>
        <translation>The file %1 is an SQLite database but no chart collection; it is left as it is.</translation>
    </message>
    <message>
        <source>Die Horoskop-Sammlung %1 stammt von einer neueren Version von Sternwerk (Version %2 der Tabellen, diese kennt %3); sie bleibt, wie sie ist.</source>
        <translation>The chart collection %1 comes from a newer version of Sternwerk (version %2 of its tables, this one knows %3); it is left as it is.</translation>
    </message>
    <message>
        <source>Die Art der Zeitangabe ist unbekannt.</source>
        <translation>The way the time was read is unknown.</translation>
    </message>
    <message>
        <source>Das Horoskop Nr. %1 in der Sammlung %2 ist beschädigt: %3</source>
        <translation>Chart no. %1 in the collection %2 is damaged: %3</translation>
    </message>
    <message>
        <source>Das Horoskop ist nicht mehr in der Sammlung; ein anderes Programm hat es gelöscht.</source>
        <translation>The chart is no longer in the collection; another program has deleted it.</translation>
    </message>
</context>
<context>
    <name>sternwerk::CompassPoints</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NNO</source>
        <translation>NNE</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>ONO</source>
        <translation>ENE</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>OSO</source>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SO</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>SSO</source>
        <translation>SSE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>WSW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>WNW</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNW</translation>
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
    <name>sternwerk::DateTimePlaceDialog</name>
    <message>
        <source>WZ/GMT</source>
        <translation>UT/GMT</translation>
    </message>
    <message>
        <source>Ortszeit</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>Kein Ort gefunden.</source>
        <translation>No place found.</translation>
    </message>
    <message>
        <source>Deutsche Ortsnamen fehlen, nur englische werden gefunden.</source>
        <translation>German place names are missing; English ones are found as usual.</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Datum / Zeit / Ort </source>
        <translation>Date / Time / Place </translation>
    </message>
    <message>
        <source>&amp;Ortszeit</source>
        <translation>L&amp;ocal time</translation>
    </message>
    <message>
        <source>Ort &amp;suchen ...  F3</source>
        <translation>&amp;Find place ...  F3</translation>
    </message>
    <message>
        <source>Ort suchen: die ersten Buchstaben des Namens (deutsch oder englisch) eingeben, mit den Pfeiltasten wählen, Enter übernimmt, ESC schließt.</source>
        <translation>Find place: type the first letters of the name (English or German), choose with the arrow keys, Enter takes it, ESC closes.</translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Place: </translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Ortsnamen werden in lateinischen Buchstaben gesucht.</source>
        <translation>Place names are searched in Latin letters.</translation>
    </message>
</context>
<context>
    <name>sternwerk::DateTimePlaceLogic</name>
    <message>
        <source>Das ist kein gültiges Datum!</source>
        <translation>That is not a valid date!</translation>
    </message>
    <message>
        <source>Das ist kein gültiges Datum! Jahre vor 1600 werden nicht berechnet.</source>
        <translation>That is not a valid date! Years before 1600 are not computed.</translation>
    </message>
    <message>
        <source>Das ist keine gültige Zeit!</source>
        <translation>That is not a valid time!</translation>
    </message>
    <message>
        <source>Bitte + für östliche oder - für westliche Länge eingeben</source>
        <translation>Please enter + for eastern or - for western longitude</translation>
    </message>
    <message>
        <source>Bitte + für nördliche oder - für südliche Breite eingeben</source>
        <translation>Please enter + for northern or - for southern latitude</translation>
    </message>
    <message>
        <source>Das ist keine gültige Länge!</source>
        <translation>That is not a valid longitude!</translation>
    </message>
    <message>
        <source>Das ist keine gültige Breite!</source>
        <translation>That is not a valid latitude!</translation>
    </message>
    <message>
        <source>Die Länge reicht von 0 bis 180 Grad.</source>
        <translation>Longitude runs from 0 to 180 degrees.</translation>
    </message>
    <message>
        <source>Die Breite reicht von 0 bis 90 Grad.</source>
        <translation>Latitude runs from 0 to 90 degrees.</translation>
    </message>
    <message>
        <source>Bitte die Grad nur mit Ziffern eingeben.</source>
        <translation>Please enter the degrees in digits only.</translation>
    </message>
    <message>
        <source>WZ/GMT</source>
        <translation>UT/GMT</translation>
    </message>
    <message>
        <source>nur mittlere Ortszeit</source>
        <translation>local mean time only</translation>
    </message>
    <message>
        <source>eingegebene Koordinaten</source>
        <translation>coordinates as entered</translation>
    </message>
    <message>
        <source> oder </source>
        <translation> or </translation>
    </message>
    <message>
        <source>gibt es dort nicht (Zeitumstellung)</source>
        <translation>does not exist (clocks changed)</translation>
    </message>
    <message>
        <source>Die Ortszeit %1 gibt es hier nicht: Die Uhren wurden über diese Zeit hinweg vorgestellt. Bitte eine andere Zeit eingeben.</source>
        <translation>The local time %1 does not exist here: the clocks were put forward past it. Please enter another time.</translation>
    </message>
    <message>
        <source>Die Ortszeit %1 gibt es hier zweimal: zuerst als Sommerzeit (%2), danach als Normalzeit (%3).

Ist die Sommerzeit (%2) gemeint? Mit Nein gilt die Normalzeit (%3).</source>
        <translation>The local time %1 occurs twice here: first as summer time (%2), then as standard time (%3).

Do you mean summer time (%2)? No takes standard time (%3).</translation>
    </message>
    <message>
        <source> Es gilt die mittlere Ortszeit des Ortes.</source>
        <translation> The place&apos;s local mean time applies.</translation>
    </message>
    <message>
        <source>Der Tag muss aus Ziffern bestehen.</source>
        <translation>The day must consist of digits.</translation>
    </message>
    <message>
        <source>Der Monat muss aus Ziffern bestehen.</source>
        <translation>The month must consist of digits.</translation>
    </message>
    <message>
        <source>Das Jahr muss aus Ziffern bestehen.</source>
        <translation>The year must consist of digits.</translation>
    </message>
    <message>
        <source>Die Stunde muss aus Ziffern bestehen.</source>
        <translation>The hour must consist of digits.</translation>
    </message>
    <message>
        <source>Die Minute muss aus Ziffern bestehen.</source>
        <translation>The minute must consist of digits.</translation>
    </message>
</context>
<context>
    <name>sternwerk::DocumentsFolder</name>
    <message>
        <source>.
Sternwerk arbeitet im aktuellen Verzeichnis %1.</source>
        <translation>.
Sternwerk works in the current directory %1.</translation>
    </message>
    <message>
        <source>Dokumente/Sternwerk</source>
        <translation>Documents/Sternwerk</translation>
    </message>
    <message>
        <source>kein Dokumente-Ordner bekannt</source>
        <translation>no Documents folder known</translation>
    </message>
</context>
<context>
    <name>sternwerk::EclipseReport</name>
    <message>
        <source> (unter dem Horizont)</source>
        <translation> (below the horizon)</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Dauer der Totalität: %1</source>
        <translation>Duration of totality: %1</translation>
    </message>
    <message>
        <source>Dauer der Ringförmigkeit: %1</source>
        <translation>Duration of annularity: %1</translation>
    </message>
    <message>
        <source>Größe: %1</source>
        <translation>Magnitude: %1</translation>
    </message>
    <message>
        <source>Bedeckung: %1 %</source>
        <translation>Obscuration: %1 %</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Maximum: %1</translation>
    </message>
    <message>
        <source>Sonnenhöhe im Maximum: %1</source>
        <translation>Sun&apos;s altitude at maximum: %1</translation>
    </message>
    <message>
        <source>%1: %2, Sonne %3</source>
        <translation>%1: %2, Sun %3</translation>
    </message>
    <message>
        <source>Sonnenaufgang während der Finsternis: %1</source>
        <translation>Sunrise during the eclipse: %1</translation>
    </message>
    <message>
        <source>Sonnenuntergang während der Finsternis: %1</source>
        <translation>Sunset during the eclipse: %1</translation>
    </message>
    <message>
        <source>nicht sichtbar</source>
        <translation>not visible</translation>
    </message>
    <message>
        <source>Größe im Kernschatten: %1</source>
        <translation>Umbral magnitude: %1</translation>
    </message>
    <message>
        <source>Größe im Halbschatten: %1</source>
        <translation>Penumbral magnitude: %1</translation>
    </message>
    <message>
        <source>Mondhöhe im Maximum: %1</source>
        <translation>Moon&apos;s altitude at maximum: %1</translation>
    </message>
    <message>
        <source>%1: %2, Mond %3</source>
        <translation>%1: %2, Moon %3</translation>
    </message>
</context>
<context>
    <name>sternwerk::Eclipses</name>
    <message>
        <source>Halbschatten-Mondfinsternis</source>
        <translation>Penumbral lunar eclipse</translation>
    </message>
    <message>
        <source>Partielle Mondfinsternis</source>
        <translation>Partial lunar eclipse</translation>
    </message>
    <message>
        <source>Totale Mondfinsternis</source>
        <translation>Total lunar eclipse</translation>
    </message>
    <message>
        <source>Partielle Sonnenfinsternis</source>
        <translation>Partial solar eclipse</translation>
    </message>
    <message>
        <source>Ringförmige Sonnenfinsternis</source>
        <translation>Annular solar eclipse</translation>
    </message>
    <message>
        <source>Totale Sonnenfinsternis</source>
        <translation>Total solar eclipse</translation>
    </message>
</context>
<context>
    <name>sternwerk::EnlargedChartWindow</name>
    <message>
        <source>Diagramm-Vergrößerung</source>
        <translation>Enlarged Chart</translation>
    </message>
    <message>
        <source> Speichert in einem Programmlauf auch mehrere Diagramme nacheinander mit fortlaufenden Nummern als Metafile (*.WMF) </source>
        <translation> Saves one chart after another in a run, numbered in turn, as metafiles (*.WMF) </translation>
    </message>
    <message>
        <source> Speichert das Diagramm unter einem frei gewählten Namen als PNG, SVG, PDF (mit Faktorenliste, wie gedruckt) oder WMF </source>
        <translation> Saves the chart under a name of your choice as PNG, SVG, PDF (with the list of factors, as printed) or WMF </translation>
    </message>
    <message>
        <source> Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste </source>
        <translation> Prints the chart as shown, with the current list of factors </translation>
    </message>
    <message>
        <source> Zeigt den Blick nach Süden mit MC sowie Ost- und West-Horizont </source>
        <translation> Shows the view south, with MC and the eastern and western horizons </translation>
    </message>
    <message>
        <source>Drucker-Hilfe</source>
        <translation>Printer Help</translation>
    </message>
    <message>
        <source>Draußen-&amp;Ansicht</source>
        <translation>&amp;Outside View</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Exportieren …</source>
        <translation>&amp;Export …</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Das Diagramm wurde als Windows-Metafile gespeichert in  %1  im Ordner  %2.</source>
        <translation>The chart was saved as a Windows metafile in  %1  in the folder  %2.</translation>
    </message>
    <message>
        <source>&amp;90°-Scheibe</source>
        <translation>&amp;90° dial</translation>
    </message>
</context>
<context>
    <name>sternwerk::ExportFileDialog</name>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Windows-Metafile (*.wmf)</source>
        <translation>Windows metafile (*.wmf)</translation>
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
    <message>
        <source> hat keinen Untergang am Horizont (nur SO, MO, ME...PL)</source>
        <translation> does not set at the horizon (only SU, MO, ME...PL)</translation>
    </message>
    <message>
        <source> hat keine Kulmination am Meridian (nur SO, MO, ME...PL)</source>
        <translation> does not culminate at the meridian (only SU, MO, ME...PL)</translation>
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
    <name>sternwerk::FailureText</name>
    <message>
        <source>Der Arbeitsordner %1 kann nicht angelegt oder geöffnet werden: %2</source>
        <translation>The working folder %1 cannot be created or opened: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der Übersetzungskatalog %1 kann nicht gelesen werden: %2</source>
        <translation>The translation catalogue %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht als Schrift geladen werden: %2</source>
        <translation>The file %1 cannot be loaded as a font: %2</translation>
    </message>
</context>
<context>
    <name>sternwerk::HelpTexts</name>
    <message>
        <source> Das Programm startet mit Datum und Uhrzeit
 des Systems im Echtzeit-Tempo: ein Takt pro
 Sekunde, eine Schrittweite von einer Sekunde
 pro Takt, und mit den zuletzt benutzten
 Koordinaten.

 Dieses Fenster ändert diese Werte der Uhr,
 ohne Datum und Zeit des Systems selbst an-
 zutasten. Bei &apos;Beenden&apos; wird der erreichte
 Stand gespeichert; im nächsten Lauf holt ihn
 die Taste &apos;Alt-Datum/Zeit&apos; (kurz &apos;Alt&apos;)
 wieder zurück.

 Die Taste &apos;Real Time&apos; (RT) setzt das
 Diagramm jederzeit auf Datum und Zeit des
 Systems zurück.

 Für alle Eingabe-Fenster gilt: Ein Fenster,
 das durch einen Fehlklick auf &apos;Intervall&apos;
 oder &apos;Datum/Zeit/Ort&apos; geöffnet wurde, ver-
 lassen Sie ohne Änderung mit der ESC-Taste.

 Der Tempo-Regler wird aktiv (er blinkt), so-
 bald sein Schieber oder einer seiner Pfeile
 angeklickt wurde; danach ändern ihn auch die
 Cursor-Tasten links und rechts. Jede Ände-
 rung steht sofort unter dem Regler.

 Ort suchen (F3): Die ersten Buchstaben des
 Ortsnamens eingeben, deutsch oder englisch,
 Umlaute auch als ae, oe, ue. Die Liste zeigt
 Land, Koordinaten und Zeitzone; Pfeiltasten
 wählen, Enter übernimmt den Ort in die Felder
 Länge und Breite, ESC schließt die Suche.
 Mit Enter durch Länge und Breite gilt der Ort.

 Ortszeit (Alt+O): Datum und Zeit gelten dann
 als Uhrzeit des Ortes, mit Sommerzeit und, vor
 Einführung der Zonenzeit, als mittlere Orts-
 zeit. Daneben steht dieselbe Zeit in WZ/GMT.
 Eine Zeit, die es wegen der Zeitumstellung
 nicht gibt, wird abgewiesen; gibt es sie
 zweimal, fragt das Programm nach.</source>
        <translation> The program starts with the system&apos;s date and
 time at real-time speed: one step a second, a
 step size of one second per step, and the
 coordinates used last.

 This window changes these values of the clock
 without touching the system&apos;s own date and
 time. &apos;Exit&apos; saves where the clock has got to;
 in the next run the button &apos;Last Session&apos;
 brings it back.

 The button &apos;Real Time&apos; resets the chart to the
 system&apos;s date and time at any moment.

 In every input window: if you opened it by a
 stray click on &apos;Interval&apos; or &apos;Date/Time/Place&apos;,
 leave it unchanged with the ESC key.

 The speed slider becomes active (it flashes) as
 soon as you click its handle or one of its
 arrows; after that the left and right cursor
 keys change it too. Every change shows at once
 below the slider.

 Find place (F3): type the first letters of the
 place&apos;s name, in English or German; umlauts
 may be typed as ae, oe, ue. The list shows
 country, coordinates and time zone; the arrow
 keys choose, Enter puts the place into the
 longitude and latitude fields, ESC closes the
 search. Press Enter through longitude and
 latitude to make the place count.

 Local time (Alt+O): the date and time are then
 the clock time of the place, with summer time
 and, before zone time was introduced, as local
 mean time. Beside it stands the same time in
 UT/GMT. A time that does not exist because the
 clocks changed is refused; if it happens twice,
 the program asks which one you mean.</translation>
    </message>
    <message>
        <source> Die Sternwerk zeigt im 360°-Diagramm außen 12 Faktoren/Planeten von MC bis Pluto - astrologisch 14 + 8 innen.
 Nach Betätigung der Taste  ´Halt´  können Sie das Diagramm vergrößern, drucken und als  WMF-Datei speichern.
 Die Uhr arbeitet mit Greenwich/Weltzeit: MEZ/MESZ (Mittel-Europ.(Sommer)-Zeit sind also 1 bzw 2 Stunden weiter.</source>
        <translation> Sternwerk&apos;s 360° chart shows 12 factors/planets around the outside, from MC to Pluto - astrologically 14, plus 8 inside.
 Once you have pressed  ´Stop´  you can enlarge the chart, print it and save it as a  WMF file.
 The clock runs on Greenwich/Universal Time: CET/CEST (Central European (Summer) Time) is 1 or 2 hours ahead.</translation>
    </message>
    <message>
        <source>  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:
  - Start-Datum, -Zeit  (WZ/GMT) und -Ort sind frei wählbar (Datum/Zeit/Ort)
  - die Schrittweite ist mit Interval einstellbar
  - die Geschwindigkeit ist zwischen +/-20 Takten pro Sekunde regelbar
    (das bedeutet, die Uhr kann auch rückwärts laufen)
  - ´Real-Time´ setzt Datum und Uhrzeit auf System-Datum und -Zeit
  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen</source>
        <translation>  You can change how the clock runs at any time:
  - choose any start date, time (UT/GMT) and place (Date/Time/Place)
  - set the step size with Interval
  - set the speed anywhere between +/-20 steps per second
    (so the clock can also run backwards)
  - ´Real Time´ sets the date and time to the system&apos;s date and time
  - ´Last Session´ brings back the values of your last session</translation>
    </message>
    <message>
        <source>  Nach ´Halt´ werden aktiv:
  - Aufgang      )  diese drei Tasten 
  - Kulmination )  öffnen ein Fenster 
  - Untergang   )  für die Faktorwahl
  - heller Kreis: nächster Vollmond
  - dunkler Kreis: nächster Neumond</source>
        <translation>  After ´Stop´ these become active:
  - Rise, Culmin. and Set: each
    opens a window to choose a factor
  - light circle: next full moon
  - dark circle: next new moon</translation>
    </message>
    <message>
        <source>  Dieses Bild sieht anders aus als das laufende oder angehaltene kleine Diagramm: MC
  steht an beliebiger Stelle, nicht wie im kleinen, erdbezogenen Diagramm immer oben. Es
  bezeichnet aber stets den Süden, denn es ist an den Meridian gebunden.

  Hier steht der Tierkreis still: 0° Widder liegt zu jeder Jahres- und Tageszeit rechts.
  Im kleinen Diagramm dagegen dreht sich der Tierkreis an einem Tag etwas mehr als einmal
  um die Erde, während die Faktoren in ihm weiterwandern.

  Das Zeichen der Sonne zeigt die Jahreszeit: Frühling in Widder, Stier und Zwillinge,
  Sommer in Krebs, Löwe und Jungfrau, Herbst in Waage, Skorpion und Schütze, Winter in
  Steinbock, Wassermann und Fische. Sonne, Mond und Planeten wandern entgegen dem
  Uhrzeigersinn durch den Tierkreis und folgen so dem jährlichen Lauf der Erde um die
  Sonne.

  Die tägliche Drehung der Erde zeigt sich in der Lage von MC: Der Meridian, die Richtung
  genau nach Süden, dreht sich einmal am Tag durch den Tierkreis. Betrachten Sie die
  Vergrößerung zu verschiedenen Zeiten eines Tages (Sonnenaufgang, Kulmination,
  Sonnenuntergang): Sonne, Mond und Planeten stehen fast still, während MC und AS
  weiterrücken.

  Den jährlichen Lauf erkennen Sie beim Vergleich von Vollmond und Neumond, die Sie mit
  den Tasten mit dem hellen und dem dunklen Kreis finden: In 14 Tagen ist der Mond etwa
  180° durch den Tierkreis gewandert, Sonne und Planeten nur wenige Grad.

  &gt;&gt; Drucken &lt;&lt;
  Der Druck gibt das gezeigte Diagramm wieder, dazu eine Tabelle der Faktoren und die
  Angaben zu Zeit und Ort. Besondere Ereignisse (Aufgang, Kulmination, Untergang,
  Vollmond, Neumond) stehen oben links im Ausdruck.

  &gt;&gt; Speichern &lt;&lt;
  Speichern legt im aktuellen Programmverzeichnis eine WMF-Datei ´RURed...´ mit
  fortlaufender Nummer an, so dass Sie in jedem Programmlauf mehrere Diagramme
  verschiedener Zeiten oder Orte speichern können; der gewählte Dateiname wird angezeigt.

  &gt;&gt; Exportieren … &lt;&lt;
  Exportieren fragt nach Ordner und Dateinamen und schreibt das Diagramm als Bild (PNG,
  SVG, WMF) oder als Druckseite mit Tabelle (PDF), die andere Programme öffnen können.</source>
        <translation>  This picture looks different from the small chart, running or stopped: MC can stand
  anywhere, not always at the top as in the small chart, which is tied to the Earth. But it
  always marks the south, because it is bound to the meridian.

  Here the zodiac stands still: 0° Aries lies on the right at every time of year and day.
  In the small chart, by contrast, the zodiac turns round the Earth a little more than once
  a day, while the factors move on through it.

  The sign of the Sun shows the season: spring in Aries, Taurus and Gemini, summer in
  Cancer, Leo and Virgo, autumn in Libra, Scorpio and Sagittarius, winter in Capricorn,
  Aquarius and Pisces. The Sun, the Moon and the planets move anticlockwise through the
  zodiac and so follow the Earth&apos;s yearly course round the Sun.

  The Earth&apos;s daily turn shows in where MC stands: the meridian, the direction due south,
  turns once a day through the zodiac. Look at the enlargement at different times of one
  day (sunrise, culmination, sunset): the Sun, the Moon and the planets hardly move, while
  MC and AS move on.

  You see the yearly course when you compare full moon and new moon, which the buttons
  with the light and the dark circle find: in 14 days the Moon has moved about 180°
  through the zodiac, the Sun and the planets only a few degrees.

  &gt;&gt; Print &lt;&lt;
  The printout shows the chart on screen, with a table of the factors and the time and
  place. Special events (rise, culmination, set, full moon, new moon) stand at the top
  left of the page.

  &gt;&gt; Save &lt;&lt;
  Save writes a WMF file ´RURed...´ with a running number into the program&apos;s current
  folder, so that in every run you can save several charts of different times or places;
  the name of the file is shown.

  &gt;&gt; Export … &lt;&lt;
  Export asks for a folder and a file name and writes the chart as a picture (PNG, SVG,
  WMF) or as a printed page with its table (PDF), which other programs can open.</translation>
    </message>
    <message>
        <source>  Wer tiefer in das Thema einsteigen möchte, findet weiterführendes Material:
  - Ephemeriden-Tabellen mit den täglichen Positionen von Sonne, Mond und Planeten,
  - eine drehbare Sternkarte für die eigene geographische Breite,
  - Einführungen in die sphärische Astronomie und die Bewegungen der Himmelskörper.
  Sie erhalten es im Buchhandel und in öffentlichen Bibliotheken; Volkssternwarten und
  astronomische Vereine bieten außerdem Führungen, Vorträge und Kurse an.</source>
        <translation>  If you want to go deeper into the subject, there is plenty to read:
  - ephemeris tables with the daily positions of the Sun, the Moon and the planets,
  - a planisphere (a rotating star chart) for your own latitude,
  - introductions to spherical astronomy and the motions of the heavenly bodies.
  Bookshops and public libraries have them; public observatories and astronomical
  societies also offer guided tours, talks and courses.</translation>
    </message>
    <message>
        <source> Beim Start des Programmes läuft dessen Uhr - wie eine
 &apos;echte&apos; - mit einem Takt pro Sekunde und einem Intervall,
 einer Schrittweite, für die astronomischen Berechnungen
 von 1 Sekunde pro Takt, also als  &apos;Echtzeit&apos; -Uhr: 
 Das Diagramm dreht in astronomischer &apos;Echtzeit&apos;. 

 Hier können Sie nun eingeben, wie weit  - in Minuten -
 jeder Intervallschritt für die Berechnungen gehen soll.
 Ein Tag Fortschritt pro Takt erfordert 1440 Minuten, eine 
 Woche 10080 Minuten als Eingabe.
 Dezimalstellen sind mit Punkt oder Komma möglich: 1,5.
 Das Programm rechnet trotz dieser gerundeten Zahlen
 korrekt; sie können dies an der mitlaufenden Uhrzeit und
 den Tagesübergängen feststellen. 
 Intervalle zwischen mehr als 4 Stunden (&gt;240 Minuten) 
 und einem Tag (&lt; 1440 Minuten) sind nicht angebracht,
 da  MC hierbei  &apos;zu große Sprünge&apos;  macht.   Und wenn  
 Sie Intervalle von knapp einem Tag verwenden, scheint
 MC verwirrend(?) rückwärts zu laufen.
  
 Sie können auch die Tasten als Eingabe verwenden.</source>
        <translation> When the program starts, its clock runs like a &apos;real&apos;
 one: one step a second and an interval, a step size
 for the astronomical computation, of 1 second per step,
 so it is a  &apos;real-time&apos;  clock: 
 the chart turns in astronomical &apos;real time&apos;. 

 Here you can enter how far  - in minutes -  each
 interval step of the computation should go.
 One day per step takes 1440 minutes, one week
 10080 minutes.
 Decimals may have a point or a comma: 1.5.
 The program still computes exactly despite these
 rounded numbers; you can see it in the running time
 and in the changes of day. 
 Intervals between more than 4 hours (&gt;240 minutes) 
 and one day (&lt; 1440 minutes) are not advisable,
 as MC then makes  &apos;too big jumps&apos;.  And if you use
 intervals of just under a day, MC seems confusingly
 to run backwards.
  
 You can also use the buttons to enter it.</translation>
    </message>
    <message>
        <source> Auch in dieser Darstellung ist die grüne Linie die Verlängerung des Längengrades, MC der Schnittpunkt mit der Ekliptik = Blickrichtung nach Süden.
 Die linke rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie (Ascendent) und die rechte den West-Horizont = Untergangs-Linie (Decendent). 
 Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, sind sie hier auch die festen Bild- oder Darstellungs-Grenzen.

 Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im Laufe eines Tages ihre Lage gegenüber MC  -Drehung der Erde
 um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der Bewegung der Erde um die Sonne. 
 Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser Darstellung also nicht fest in der Bildmitte, repräsentiert aber immer Süd.

 Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und -Untergang; den Jahreszeit-Unterschied bei einem Vergleich der
 relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei Sonnenaufgang im Sommer weit von MC, im Winter sehr nah.

 Die Gradmarken: Von links nach rechts ist die Länge in der Ekliptik aufgetragen, 4 Bildpunkte je Grad; die kurzen roten Striche oben stehen alle 10° ab AS (10° bis 170°), der West-Horizont DE bei 180°.
 Die grüne Zahl über Sonne und Mond ist ihr Abstand von MC in Grad (0° bis 180°, gleich auf welcher Seite); unten links steht der Abstand von MC zum Ost-Horizont, unten rechts zum West-Horizont.
 Mit 22 Faktoren zeigt die Skala ganz unten die Zeichengrenzen (hellblaue Striche alle 30°) und das Zeichen jedes Abschnitts.</source>
        <translation> Here too the green line is the extension of the meridian, and MC its crossing with the ecliptic = the direction due south.
 The red line on the left is the eastern horizon = the rising line (ascendant), the one on the right the western horizon = the setting line (descendant). 
 As the two mark the limits of what can be seen of the Sun, the Moon and the planets, they are also the fixed edges of the picture.

 As the two circular charts show, the red AS line changes its position against MC in the course of a day  - the Earth turning
 on its axis -  and also with the season  - the Earth moving round the Sun. 
 Because the horizon lines are fixed as the edges of the picture, MC does not stay in the middle here, but it always stands for south.

 You see the daily motion well when you compare sunrise and sunset; the seasonal difference when you compare the
 position of AS, for example at sunrises in June and December: at sunrise AS is far from MC in summer, very close in winter.

 The degree marks: the longitude in the ecliptic runs from left to right, 4 pixels per degree; the short red ticks at the top stand every 10° from AS (10° to 170°), the western horizon DE at 180°.
 The green number above the Sun and the Moon is their distance from MC in degrees (0° to 180°, whichever side); at the bottom left is the distance from MC to the eastern horizon, at the bottom right to the western horizon.
 With 22 factors the scale at the very bottom shows the sign boundaries (light blue ticks every 30°) and the sign of each section.</translation>
    </message>
    <message>
        <source> Auch in dieser Darstellung ist die grüne Linie die Verlängerung des Längengrades, MC der Schnittpunkt mit der Ekliptik = Blickrichtung nach Norden.
 Die rechte rote Linie stellt den Ost-Horizont dar = Aufgangs-Linie (Ascendent) und die linke den West-Horizont = Untergangs-Linie (Decendent). 
 Da beide also die Sichtbarkeitsgrenzen für Sonne, Mond und Planeten bilden, sind sie hier auch die festen Bild- oder Darstellungs-Grenzen.

 Wie an den beiden Kreisdiagrammen zu erkennen, verändert die rote AS-Linie im Laufe eines Tages ihre Lage gegenüber MC  -Drehung der Erde
 um ihre Achse-  und ebenso auch abhängig von der Jahreszeit  -mit der Bewegung der Erde um die Sonne. 
 Wegen der Fixierung der Horizontlinien als Bildgrenzen steht MC in dieser Darstellung also nicht fest in der Bildmitte, repräsentiert aber hier Nord.

 Die Tagesbewegung erkennen Sie gut beim Vergleich von Sonnen-Aufgang und -Untergang; den Jahreszeit-Unterschied bei einem Vergleich der
 relativen Lage von AS z.B. bei Sonnenaufgängen im Juni und Dezember: AS bei Sonnenaufgang im Sommer weit von MC, im Winter sehr nah.

 Die Gradmarken: Von rechts nach links ist die Länge in der Ekliptik aufgetragen, 4 Bildpunkte je Grad; die kurzen roten Striche oben stehen alle 10° ab AS (10° bis 170°), der West-Horizont DE bei 180°.
 Die grüne Zahl über Sonne und Mond ist ihr Abstand von MC in Grad (0° bis 180°, gleich auf welcher Seite); unten rechts steht der Abstand von MC zum Ost-Horizont, unten links zum West-Horizont.
 Mit 22 Faktoren zeigt die Skala ganz unten die Zeichengrenzen (hellblaue Striche alle 30°) und das Zeichen jedes Abschnitts.</source>
        <translation> Here too the green line is the extension of the meridian, and MC its crossing with the ecliptic = the direction due north.
 The red line on the right is the eastern horizon = the rising line (ascendant), the one on the left the western horizon = the setting line (descendant). 
 As the two mark the limits of what can be seen of the Sun, the Moon and the planets, they are also the fixed edges of the picture.

 As the two circular charts show, the red AS line changes its position against MC in the course of a day  - the Earth turning
 on its axis -  and also with the season  - the Earth moving round the Sun. 
 Because the horizon lines are fixed as the edges of the picture, MC does not stay in the middle here, but here it stands for north.

 You see the daily motion well when you compare sunrise and sunset; the seasonal difference when you compare the
 position of AS, for example at sunrises in June and December: at sunrise AS is far from MC in summer, very close in winter.

 The degree marks: the longitude in the ecliptic runs from right to left, 4 pixels per degree; the short red ticks at the top stand every 10° from AS (10° to 170°), the western horizon DE at 180°.
 The green number above the Sun and the Moon is their distance from MC in degrees (0° to 180°, whichever side); at the bottom right is the distance from MC to the eastern horizon, at the bottom left to the western horizon.
 With 22 factors the scale at the very bottom shows the sign boundaries (light blue ticks every 30°) and the sign of each section.</translation>
    </message>
    <message>
        <source>  Was zeigt das Kreis-Diagramm?     (Wir empfehlen  ´Drucken´  für die weitere Anwendung mit dem Programm)  

  In der Mitte des Diagramms sehen Sie die Erde von oben, mit ihrem Nordpol im Zentrum und ihrer Drehung von
  West nach Ost. Um sie herum liegen die zwölf Tierkreiszeichen von Widder bis Fische. Ganz außen stehen
  Sonne, Mond und Planeten in Dunkelblau, MC in Grün und AS in Rot.

  Weil sich die Erde entgegen dem Uhrzeigersinn dreht, scheint sich der Himmel von Ost nach West zu drehen,
  und mit ihm das Diagramm. Die grüne Linie ist die Projektion des augenblicklichen Meridians an den Himmel,
  MC ihr Schnittpunkt mit der Ekliptik, der Kulminationspunkt (der höchste Punkt am Südhimmel): Wer genau
  nach Süden blickt, schaut entlang der grünen Linie und sieht dort mittags die Sonne, um Mitternacht einmal
  in 28 Tagen den Vollmond.

  Ort, Tag und Uhrzeit lassen sich beliebig einstellen. Das Diagramm, seine Vergrößerung und vor allem die
  Draußen-Ansicht zeigen dann, wo Sonne, Mond und Planeten stehen - oder dass sie gerade nicht zu sehen
  sind.
  Dazu dienen die Tasten ´Datum/Zeit/Ort´, ´Real-Time´ und ´Alt-Datum/Zeit´.

  Ein Beispiel zum Einstieg: Stellen Sie unter ´Datum/Zeit/Ort´ den 21.03.2000, 12:00 Uhr, die Länge 013°22
  und die Breite 52°33 (Berlin) ein. Die Sonne steht dann auf 1°10´ Widder, nahe dem Frühlingspunkt, der
  Mond kurz nach Vollmond auf 197°19´ = 17°19´ Waage, und die Planeten verteilen sich rund um den Kreis.
  Alle Positionen stehen unten rechts in der Liste, in 360-Grad-Form und innerhalb ihres Zeichens.

  Stellen Sie nun mit ´Intervall´ 10 Minuten pro Takt ein und den Regler auf 2 Takte pro Sekunde: Dann
  vergeht ein ganzer Tag in 72 Sekunden, und der Himmel dreht sich einmal von Ost nach West um die Erde.

  Bei 20 Takten pro Sekunde können Sie dem Mond folgen: durch den Schützen an Pluto vorbei, durch den
  Wassermann an Neptun und Uranus vorbei, auf die Sonne und den Neumond zu. Einige Tage steht er in den
  Fischen neben Merkur und Venus, westlich der Sonne, und geht kurz vor ihr unter und auf. Neumond ist am
  04.04.2000 um 18:13 erreicht, Sonne und Mond stehen dann auf 15°16´ Widder. Um ihn genau zu treffen,
  verringern Sie die Geschwindigkeit, wenn sich der Mond der Sonne nähert, und halten dort an.

  Die Gradzahlen gehören zum Tierkreis und beginnen bei 0° Widder; für die Beobachtung sind sie in Winkel
  zum MC (immer genau im Süden) umzurechnen. Im Beispiel (04.04.2000, 18:13) steht MC auf 117°, Sonne und
  Mond stehen auf 15°, also mehr als 100° westlich von MC: Sonne und Neumond sind untergegangen, Saturn,
  Mars und Jupiter aber sind zu sehen.

  Die Vergrößerung zeigt statt des erdfesten das tierkreisfeste Bild: Der Widder steht rechts und beginnt
  bei 0°, und MC steht in seinem wahren Winkel, im Beispiel 117° = 27° Krebs. Die Vergrößerung hat eine
  eigene Hilfe.

  Die rote Linie des Aszendenten zeigt, wo Ost- und West-Horizont die Ekliptik schneiden; das hängt von der
  geographischen Breite ab. Auf der AS-Seite (Osten) gehen die Gestirne auf, auf der Westseite unter. Die
  grüne MC-Linie zeigt immer nach Süden.
  Je weiter nördlich ein Ort liegt, desto stärker schwankt die Lage der AS-Linie im Laufe eines Tages.

  Die Taste ´Draußen-Ansicht´ zeigt am Südhimmel zwischen Ost- und West-Horizont die Stellung von Sonne,
  Mond und allen Planeten, die zwischen Auf- und Untergang stehen (oder knapp außerhalb). Auch sie hat eine
  eigene Hilfe.

  Nach ´Halt´ suchen die Tasten ´Sonnenfinsternis´ und ´Mondfinsternis´ ab der gezeigten Zeit die nächste
  Sonnenfinsternis, die am eingestellten Ort zu sehen ist, und die nächste Mondfinsternis. Die Uhr steht
  dann in ihrem Maximum; oben links stehen die Art, die Größe, die Kontakte in Orts- und Weltzeit und die
  Höhe von Sonne oder Mond (´nicht sichtbar´, wenn der Mond die ganze Finsternis über unter dem Horizont
  steht). Diese Werte kommen immer aus der Swiss Ephemeris.
  Die Taste ´Himmel hier´ (Alt+M) öffnet neben der Uhr ein Fenster, das ihr folgt: Höhe und Richtung
  von Sonne, Mond und Planeten am Ort, was über dem Horizont steht zuerst, mit Auf- und Untergang,
  Kulmination, Mondphase und Dämmerung des Tages in der Zeit des Ortes. Diese Werte kommen immer aus
  der Swiss Ephemeris, gleich welche Rechenart gewählt ist. ´Kopieren´ und ´Drucken´ geben die Tafel
  als Text weiter.

  Unter ´Quell-Information´ stehen zwei Kästchen nebeneinander: ´Genaue Positionen (Swiss Ephemeris)´ nimmt
  die Positionen aus der Swiss Ephemeris statt aus der eigenen Berechnung. ´Auf-/Untergang am Horizont (wie
  im Almanach)´ bestimmt, was ´Aufgang´, ´Kulmination´ und ´Untergang´ suchen: Ohne das Kästchen den
  astrologischen Aufgang, den Augenblick, in dem der Faktor in der Ekliptik AS, MC oder DE erreicht; mit
  ihm für Sonne, Mond und Planeten den Auf- und Untergang des oberen Randes am Horizont mit Refraktion und
  die Kulmination als Meridiandurchgang, wie ein Almanach sie nennt. Bei der Sonne liegen beide einige
  Minuten auseinander.</source>
        <translation>  What does the circular chart show?     (We suggest  ´Print´  to keep it at hand while you use the program)  

  In the middle of the chart you see the Earth from above, its North Pole at the centre, turning from west
  to east. Around it lie the twelve signs of the zodiac, from Aries to Pisces. On the outside stand the Sun,
  the Moon and the planets in dark blue, MC in green and AS in red.

  Because the Earth turns anticlockwise, the sky seems to turn from east to west, and the chart turns with it.
  The green line is the present meridian projected onto the sky, and MC is where it crosses the ecliptic:
  the culmination point, the highest point of the southern sky. Look due south and you are looking along
  the green line; that is where you see the Sun at noon and, once every 28 days, the full moon at midnight.

  You can set any place, day and time. The chart, its enlargement and above all the outside view then show
  where the Sun, the Moon and the planets stand - or that they cannot be seen just now.
  The buttons ´Date/Time/Place´, ´Real Time´ and ´Last Session´ are there for this.

  An example to start with: under ´Date/Time/Place´ enter 21.03.2000, 12:00, longitude 013°22 and
  latitude 52°33 (Berlin). The Sun then stands at 1°10´ Aries, close to the vernal equinox, the Moon,
  just past full, at 197°19´ = 17°19´ Libra, and the planets are spread around the circle.
  The list at the bottom right gives every position, both in 360° form and within its sign.

  Now set 10 minutes per step with ´Interval´ and the slider to 2 steps per second: a whole day then
  passes in 72 seconds, and the sky turns once round the Earth from east to west.

  At 20 steps per second you can follow the Moon: through Sagittarius past Pluto, through Aquarius
  past Neptune and Uranus, on towards the Sun and the new moon. For a few days it stands in Pisces
  beside Mercury and Venus, west of the Sun, and sets and rises shortly before it. New moon comes on
  04.04.2000 at 18:13, with the Sun and the Moon both at 15°16´ Aries. To hit it exactly, slow down
  as the Moon nears the Sun and stop there.

  The degrees belong to the zodiac and start at 0° Aries; to observe, turn them into angles from MC
  (always due south). In the example (04.04.2000, 18:13) MC is at 117° and the Sun and the Moon
  at 15°, more than 100° west of MC: the Sun and the new moon have set, but Saturn, Mars and
  Jupiter can be seen.

  The enlargement shows the picture fixed to the zodiac instead of to the Earth: Aries is on the right
  and starts at 0°, and MC stands at its true angle, in the example 117° = 27° Cancer. The enlargement
  has help of its own.

  The red line of the ascendant shows where the eastern and western horizons cross the ecliptic; that
  depends on the latitude. On the AS side (east) the Sun, Moon and planets rise, on the western side
  they set. The green MC line always points south.
  The further north a place lies, the more the AS line swings back and forth in the course of a day.

  The button ´Outside View´ shows the southern sky between the eastern and western horizons, with the
  Sun, the Moon and every planet that stands between rising and setting (or just outside). It too has
  help of its own.

  After ´Stop´ the buttons ´Solar eclipse´ and ´Lunar eclipse´ find, from the time shown, the next
  solar eclipse seen from the place set and the next lunar eclipse. The clock then stands at its
  maximum; at the top left stand the kind, the magnitude, the contacts in local and universal time and
  the altitude of the Sun or the Moon (´not visible´ when the Moon stays below the horizon throughout
  the eclipse). These values always come from the Swiss Ephemeris.

  The ´Sky here´ button (Alt+K) opens a window beside the clock that follows it: the altitude and
  direction of the Sun, the Moon and the planets at the place, what stands above the horizon first, with
  the day&apos;s rising, setting, culmination, the Moon&apos;s phase and twilight in the place&apos;s time. These
  values always come from the Swiss Ephemeris, whichever computation is chosen. ´Copy´ and ´Print´ pass
  the table on as text.

  ´Source Info´ has two check boxes side by side. ´Precise positions (Swiss Ephemeris)´ takes the
  positions from the Swiss Ephemeris instead of the program&apos;s own computation. ´Rise/set at the
  horizon (as in the almanac)´ decides what ´Rise´, ´Culmin.´ and ´Set´ search for: without it, the
  astrological rising, the moment the factor reaches AS, MC or DE in the ecliptic; with it, for the Sun,
  the Moon and the planets, the rising and setting of the upper limb at the horizon, with refraction,
  and the culmination as the transit of the meridian, as an almanac gives them. For the Sun the two
  differ by a few minutes.</translation>
    </message>
    <message>
        <source>
  Für Astrologen: Die Taste ´Horoskope´ (Alt+P, links unten) öffnet nach ´Halt´ die Sammlung der Horoskope,
  die Datei horoskope.db im Arbeitsordner. Beim Tippen ins Suchfeld bleiben die Horoskope, deren Name, Ort
  oder Jahr passt. ´Öffnen´ stellt die angehaltene Uhr auf Zeitpunkt und Ort des Horoskops, ´Uhrzeit
  speichern´ nimmt den gezeigten Zeitpunkt und Ort als neues Horoskop auf (in Ortszeit, wenn die Uhr sie
  zuerst zeigt). ´Bearbeiten´ ändert Name, Art und Notizen oder nimmt Zeitpunkt und Ort der Uhr, ´Löschen´
  fragt vorher. sternwerk-sky liest und schreibt dieselbe Sammlung und tauscht sie als AAF- oder CSV-Datei
  mit anderen Programmen aus.
  Häuser, Aspekte und Orben wählt man unter ´Quell-Information´. Im vergrößerten Diagramm öffnet ´90°-Scheibe´
  (Alt+9) die 90°-Scheibe: Jede Länge steht dort modulo 90°, Konjunktion, Quadrat und Opposition fallen
  zusammen. Den Zeiger drehen Maus und Pfeiltasten (mit Umschalt 5°, mit Strg 1´); daneben stehen die
  Faktoren und Halbsummen im Orbis des Zeigers und seiner 45°/135°-Punkte.</source>
        <translation>
  For astrologers: after ´Stop´, the ´Charts´ button (Alt+H, bottom left) opens the collection of charts,
  the file horoskope.db in the working folder. Typing in the search field keeps the charts whose name,
  place or year fits. ´Open´ sets the halted clock to the chart&apos;s instant and place, ´Save clock time´
  takes the instant and place shown as a new chart (in local time where the clock shows that first).
  ´Edit´ changes the name, kind and notes or takes the clock&apos;s instant and place, ´Delete´ asks first.
  sternwerk-sky reads and writes the same collection and exchanges it with other programs as an AAF or
  CSV file.
  Houses, aspects and orbs are chosen under ´Source Info´. In the enlarged chart, ´90° dial´ (Alt+9)
  opens the 90° dial: every longitude stands there modulo 90°, so conjunction, square and opposition
  coincide. The mouse and the arrow keys turn the pointer (5° with Shift, 1´ with Ctrl); beside it stand
  the factors and midpoints within the orb of the pointer and of its 45°/135° points.</translation>
    </message>
</context>
<context>
    <name>sternwerk::HelpWindow</name>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
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
    <name>sternwerk::Houses</name>
    <message>
        <source>Placidus</source>
        <translation>Placidus</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontanus</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campanus</translation>
    </message>
    <message>
        <source>Äqual (vom AS)</source>
        <translation>Equal (from the AS)</translation>
    </message>
    <message>
        <source>Ganze Zeichen</source>
        <translation>Whole sign</translation>
    </message>
    <message>
        <source>Porphyrius</source>
        <translation>Porphyry</translation>
    </message>
    <message>
        <source>Meridian (axial)</source>
        <translation>Meridian (axial)</translation>
    </message>
    <message>
        <source>Topozentrisch</source>
        <translation>Topocentric</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Häuser in dieser Breite nicht berechenbar (%1)</source>
        <translation>houses cannot be computed at this latitude (%1)</translation>
    </message>
    <message>
        <source>%1 ist in dieser Breite nicht definiert; Häuser nach %2</source>
        <translation>%1 is undefined at this latitude; houses by %2</translation>
    </message>
</context>
<context>
    <name>sternwerk::IntervalChoice</name>
    <message>
        <source>%1 Sekunde</source>
        <translation>%1 second</translation>
    </message>
    <message>
        <source>%1 Sekunden</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>%1 Minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 Minuten</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 Tag</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>7 Tage</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 Tage</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>1 Jahr</source>
        <translation>1 year</translation>
    </message>
</context>
<context>
    <name>sternwerk::IntervalDialog</name>
    <message>
        <source>Die Schrittweite pro Takt</source>
        <translation>How far each step goes</translation>
    </message>
    <message>
        <source>1 Tag</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>7 Tage</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 Tage</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>1 Jahr</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Bitte die Minuten pro Takt als Zahl größer als 0 eingeben, Dezimalstellen mit Punkt oder Komma (z. B. 1,5 oder 1440).</source>
        <translation>Please enter the minutes per step as a number greater than 0, with a decimal point or comma if needed (e.g. 1.5 or 1440).</translation>
    </message>
    <message>
        <source>Jetzt: %1 pro Takt</source>
        <translation>Now: %1 per step</translation>
    </message>
</context>
<context>
    <name>sternwerk::IntroductionWindow</name>
    <message>
        <source>Einige einführende Hinweise zu diesem Programm und zum Diagramm</source>
        <translation>An Introduction to the Program and Its Chart</translation>
    </message>
</context>
<context>
    <name>sternwerk::JpegDecoder</name>
    <message>
        <source>Die JPEG-Datei ist leer.</source>
        <translation>The JPEG file is empty.</translation>
    </message>
    <message>
        <source>Das JPEG-Bild kann nicht gelesen werden: %1</source>
        <translation>The JPEG picture cannot be read: %1</translation>
    </message>
    <message>
        <source>Das JPEG-Bild ist beschädigt: %1</source>
        <translation>The JPEG picture is damaged: %1</translation>
    </message>
    <message>
        <source>%1 (libjpeg-Meldung %2)</source>
        <translation>%1 (libjpeg message %2)</translation>
    </message>
    <message>
        <source>Die Daten sind kein JPEG-Bild</source>
        <translation>The data is not a JPEG picture</translation>
    </message>
    <message>
        <source>Die Daten sind fehlerhaft</source>
        <translation>The data is corrupt</translation>
    </message>
    <message>
        <source>Die Daten sind unvollständig oder fehlerhaft</source>
        <translation>The data is incomplete or corrupt</translation>
    </message>
    <message>
        <source>%1x%2 Bildpunkte sind zu viele</source>
        <translation>%1x%2 pixels are too many</translation>
    </message>
    <message>
        <source>zu wenig Speicher</source>
        <translation>out of memory</translation>
    </message>
</context>
<context>
    <name>sternwerk::Language</name>
    <message>
        <source>Sprache &quot;%1&quot;: erwartet de oder en</source>
        <translation>language &quot;%1&quot;: expected de or en</translation>
    </message>
    <message>
        <source>%1: erwartet de oder en</source>
        <translation>%1: expected de or en</translation>
    </message>
    <message>
        <source>%1 steht zweimal</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source> (--help zeigt den Aufruf)</source>
        <translation> (--help shows the usage)</translation>
    </message>
</context>
<context>
    <name>sternwerk::Legend</name>
    <message>
        <source>Medium Coeli</source>
        <translation>Medium Coeli</translation>
    </message>
    <message>
        <source>Widder   </source>
        <translation>Aries point</translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Ascendent</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Mond</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Mond-Knoten </source>
        <translation>Lunar node</translation>
    </message>
    <message>
        <source>Merkur</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptun</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Cupido </source>
        <translation>Cupido</translation>
    </message>
    <message>
        <source>Hades </source>
        <translation>Hades</translation>
    </message>
    <message>
        <source>Zeus </source>
        <translation>Zeus</translation>
    </message>
    <message>
        <source>Kronos </source>
        <translation>Kronos</translation>
    </message>
    <message>
        <source>Apollon </source>
        <translation>Apollon</translation>
    </message>
    <message>
        <source>Admetos </source>
        <translation>Admetos</translation>
    </message>
    <message>
        <source>Vulkanus </source>
        <translation>Vulkanus</translation>
    </message>
    <message>
        <source>Poseidon </source>
        <translation>Poseidon</translation>
    </message>
    <message>
        <source>Widder</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Stier</source>
        <translation>Taurus</translation>
    </message>
    <message>
        <source>Zwillinge</source>
        <translation>Gemini</translation>
    </message>
    <message>
        <source>Krebs</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Löwe</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Jungfrau</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Waage</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Skorpion</source>
        <translation>Scorpio</translation>
    </message>
    <message>
        <source>Schütze</source>
        <translation>Sagittarius</translation>
    </message>
    <message>
        <source>Steinbock</source>
        <translation>Capricorn</translation>
    </message>
    <message>
        <source>Wassermann</source>
        <translation>Aquarius</translation>
    </message>
    <message>
        <source>Fische</source>
        <translation>Pisces</translation>
    </message>
    <message>
        <source>Galaktisches Zentrum</source>
        <translation>Galactic Centre</translation>
    </message>
</context>
<context>
    <name>sternwerk::LocalTime</name>
    <message>
        <source>mittlere Ortszeit</source>
        <translation>local mean time</translation>
    </message>
    <message>
        <source>MEZ</source>
        <translation>CET</translation>
    </message>
    <message>
        <source>MESZ</source>
        <translation>CEST</translation>
    </message>
    <message>
        <source>MEHSZ</source>
        <translation>CEMT</translation>
    </message>
    <message>
        <source>WEZ</source>
        <translation>WET</translation>
    </message>
    <message>
        <source>WESZ</source>
        <translation>WEST</translation>
    </message>
    <message>
        <source>OEZ</source>
        <translation>EET</translation>
    </message>
    <message>
        <source>OESZ</source>
        <translation>EEST</translation>
    </message>
    <message>
        <source>MOZ</source>
        <translation>LMT</translation>
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
 nennt, welche gezeigt wird: &quot;%1&quot; oder
 &quot;%2&quot;. Widderpunkt, hypothetische Punkte
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
 &quot;%1&quot; or &quot;%2&quot;. The vernal point, the
 hypothetical points and GZ always come from the own
 computation.

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
        <source>&amp;Sonnenfinsternis</source>
        <translation>Solar eclipse</translation>
    </message>
    <message>
        <source>M&amp;ondfinsternis</source>
        <translation>Lunar eclipse</translation>
    </message>
    <message>
        <source> Sucht die nächste Sonnenfinsternis, die am eingestellten Ort zu sehen ist </source>
        <translation> Finds the next solar eclipse seen from the place set </translation>
    </message>
    <message>
        <source> Sucht die nächste Mondfinsternis ab aktuellem Datum </source>
        <translation> Finds the next lunar eclipse from the current date </translation>
    </message>
    <message>
        <source>Hi&amp;mmel hier</source>
        <translation>S&amp;ky here</translation>
    </message>
    <message>
        <source> Zeigt Höhe, Richtung, Auf- und Untergang von Sonne, Mond und Planeten am Ort, mit Mondphase und Dämmerung; das Fenster folgt der Uhr </source>
        <translation> Shows the altitude, direction, rising and setting of the Sun, the Moon and the planets at the place, with the Moon&apos;s phase and twilight; the window follows the clock </translation>
    </message>
    <message>
        <source>Häuser und Aspekte zeigen</source>
        <translation>Show houses and aspects</translation>
    </message>
    <message>
        <source>Orben ...</source>
        <translation>Orbs ...</translation>
    </message>
    <message>
        <source>
 Häuser und Aspekte zeigen (Kästchen unten): Häuser-
 spitzen und Aspektlinien im vergrößerten Diagramm, in
 seinem Druck und seinen Dateien, die Aspektliste daneben
 und H1 bis H12 in der Positionsliste. Die Häuser rechnet
 die Swiss Ephemeris im gewählten System; wo Placidus und
 Koch nicht definiert sind (in den Polarkreisen), gilt
 Porphyrius, und ein Hinweis sagt es. Aspekte zwischen
 allen gezeichneten Faktoren: Konjunktion, Opposition,
 Trigon, Quadrat, Sextil, Halbquadrat, Anderthalbquadrat;
 ihre Orben (Voreinstellung 8, 8, 7, 7, 5, 2 und 2 Grad)
 stellt &quot;Orben ...&quot; ein.
</source>
        <translation>
 Show houses and aspects (box below): house cusps and
 aspect lines in the enlarged chart, in its print and its
 files, the aspect list beside it and H1 to H12 in the
 position list. The Swiss Ephemeris computes the houses in
 the chosen system; where Placidus and Koch are undefined
 (inside the polar circles), Porphyry is used and a note
 says so. Aspects between all drawn factors: conjunction,
 opposition, trine, square, sextile, semi-square and
 sesquiquadrate; &quot;Orbs ...&quot; sets their orbs (by default 8,
 8, 7, 7, 5, 2 and 2 degrees).
</translation>
    </message>
    <message>
        <source>Horosko&amp;pe</source>
        <translation>C&amp;harts</translation>
    </message>
    <message>
        <source> Öffnet die Sammlung der Horoskope: suchen, öffnen, die Uhrzeit als Horoskop speichern, bearbeiten und löschen </source>
        <translation> Opens the collection of charts: search, open, save the clock time as a chart, edit and delete </translation>
    </message>
</context>
<context>
    <name>sternwerk::MessageCatalogue</name>
    <message>
        <source>Das ist kein Übersetzungskatalog.</source>
        <translation>This is not a translation catalogue.</translation>
    </message>
    <message>
        <source>Der Übersetzungskatalog ist beschädigt.</source>
        <translation>The translation catalogue is damaged.</translation>
    </message>
</context>
<context>
    <name>sternwerk::MoonPhase</name>
    <message>
        <source>Neumond</source>
        <translation>New moon</translation>
    </message>
    <message>
        <source>Zunehmende Sichel</source>
        <translation>Waxing crescent</translation>
    </message>
    <message>
        <source>Erstes Viertel</source>
        <translation>First quarter</translation>
    </message>
    <message>
        <source>Zunehmender Mond</source>
        <translation>Waxing gibbous</translation>
    </message>
    <message>
        <source>Vollmond</source>
        <translation>Full moon</translation>
    </message>
    <message>
        <source>Abnehmender Mond</source>
        <translation>Waning gibbous</translation>
    </message>
    <message>
        <source>Letztes Viertel</source>
        <translation>Last quarter</translation>
    </message>
    <message>
        <source>Abnehmende Sichel</source>
        <translation>Waning crescent</translation>
    </message>
</context>
<context>
    <name>sternwerk::NinetyDegreeDial</name>
    <message>
        <source>Zeiger</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 more)</translation>
    </message>
</context>
<context>
    <name>sternwerk::NinetyDegreeDialWindow</name>
    <message>
        <source>90°-Scheibe</source>
        <translation>90° dial</translation>
    </message>
    <message>
        <source>Zeiger: Maus, Pfeiltasten 0,5° (Umschalt 5°, Strg 1&apos;), Bild auf/ab 15°, Pos1 0° Widder</source>
        <translation>Pointer: mouse, arrow keys 0.5° (Shift 5°, Ctrl 1&apos;), Page Up/Down 15°, Home 0° Aries</translation>
    </message>
    <message>
        <source> Wie weit vom Zeiger und seinem 45°-Punkt Faktoren und Halbsummen gelistet werden </source>
        <translation> How far from the pointer and its 45° point factors and midpoints are listed </translation>
    </message>
    <message>
        <source>&amp;Orbis</source>
        <translation>&amp;Orb</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
</context>
<context>
    <name>sternwerk::NumberReading</name>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
</context>
<context>
    <name>sternwerk::Observing</name>
    <message>
        <source>Fehler ohne Angabe eines Grundes</source>
        <translation>error without a reason given</translation>
    </message>
</context>
<context>
    <name>sternwerk::OrbsDialog</name>
    <message>
        <source>Orben</source>
        <translation>Orbs</translation>
    </message>
</context>
<context>
    <name>sternwerk::OutsideViewWindow</name>
    <message>
        <source>Der Blick nach draußen </source>
        <translation>The View Outside </translation>
    </message>
    <message>
        <source>&amp;Exportieren …</source>
        <translation>&amp;Export …</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source> Öffnet und schließt das Hilfe-Fenster </source>
        <translation> Opens and closes the help </translation>
    </message>
    <message>
        <source> Speichert die Ansicht unter einem frei gewählten Namen als PNG, SVG, PDF oder WMF </source>
        <translation> Saves the view under a name of your choice as PNG, SVG, PDF or WMF </translation>
    </message>
    <message>
        <source>Draußen-Ansicht</source>
        <translation>Outside View</translation>
    </message>
    <message>
        <source>%1 draussen.png</source>
        <translation>%1 outside-view.png</translation>
    </message>
</context>
<context>
    <name>sternwerk::PictureFile</name>
    <message>
        <source>die PDF-Seite kann nicht beginnen</source>
        <translation>the PDF page cannot be started</translation>
    </message>
    <message>
        <source>Die Datei %1 hat keine der Endungen .wmf, .svg, .png.</source>
        <translation>The file %1 does not end in .wmf, .svg or .png.</translation>
    </message>
    <message>
        <source>Die Datei %1 hat ein unbekanntes Format.</source>
        <translation>The file %1 has an unknown format.</translation>
    </message>
</context>
<context>
    <name>sternwerk::PictureWindow</name>
    <message>
        <source>weiter</source>
        <translation>go on</translation>
    </message>
</context>
<context>
    <name>sternwerk::PlaceTime</name>
    <message>
        <source> Es gilt die mittlere Ortszeit des Ortes.</source>
        <translation> The place&apos;s local mean time applies.</translation>
    </message>
    <message>
        <source>Ortszeit %1: </source>
        <translation>Local time in %1: </translation>
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
    <name>sternwerk::PreciseSky</name>
    <message>
        <source>MC und AS nicht berechenbar</source>
        <translation>MC and AS cannot be computed</translation>
    </message>
    <message>
        <source>Fehler ohne Angabe eines Grundes</source>
        <translation>error without a reason given</translation>
    </message>
</context>
<context>
    <name>sternwerk::PrinterAdvice</name>
    <message>
        <source>       Falls das Diagramm nicht seitenfüllend oder zu groß gedruckt wird:</source>
        <translation>       If the chart does not fill the page or prints too large:</translation>
    </message>
    <message>
        <source>Ihr Drucker ist eingestellt auf %1 Pixel
Papierbreite = %2 Pixel pro Inch.

Betätigen Sie nach der Taste  ´Drucken´  im dann
erscheinenden Dialog bitte die Taste ´Eigenschaften´
neben dem Namen des Druckers.

Auf der Registerkarte  ´Erweitert´  können Sie je nach
Drucker unter  Resolution/Auflösung  zwischen
300/600/1200 Pixel pro Inch für den aktuellen Druck
wählen.
Stellen sie hier bitte den gleichen Wert wie oben
angezeigt ein.

Wählen Sie dann zuerst den Drucker  ´In PDF-Datei
drucken´, so haben Sie vor jedem Druck die Möglichkeit,
das Aussehen zu kontrollieren.</source>
        <translation>Your printer is set to %1 pixels across the paper
= %2 pixels per inch.

After pressing  ´Print´,  press the button
´Properties´ beside the printer&apos;s name in the
dialog that follows.

On the tab  ´Advanced´  you can choose, depending
on the printer, between 300/600/1200 pixels per
inch for this printout under  Resolution.
Please set the same value there as shown above.

If you first choose the printer  ´Print to File
(PDF)´,  you can check how the page looks before
every printout.</translation>
    </message>
    <message>
        <source>(Notfalls stellen Sie die Druckereigenschaften des
 Systems auf 300 PpI (CUPS: http://localhost:631),
 dieses aber bevor Sie dieses Programm starten bzw.
 nach dessen Beendigung.)</source>
        <translation>(If need be, set the system&apos;s printer properties
 to 300 ppi (CUPS: http://localhost:631), but do so
 before you start this program or after it ends.)</translation>
    </message>
</context>
<context>
    <name>sternwerk::Printing</name>
    <message>
        <source>Der Druck kann nicht beginnen.</source>
        <translation>Printing cannot start.</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>sternwerk::ProgramFiles</name>
    <message>
        <source>start_picture.jpg</source>
        <translation>start_picture_en.jpg</translation>
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
        <source>%1 nicht gefunden: %2 geht an diesem Ort zur Zeit weder auf noch unter (Polartag oder Polarnacht)</source>
        <translation>%1 not found: %2 neither rises nor sets at this place now (polar day or polar night)</translation>
    </message>
    <message>
        <source>%1 in den nächsten %2 Tagen nicht gefunden</source>
        <translation>%1 not found in the next %2 days</translation>
    </message>
    <message>
        <source>%1 bis zum 31.12.%2 nicht gefunden: Dort endet der Kalender</source>
        <translation>%1 not found up to 31.12.%2: the calendar ends there</translation>
    </message>
    <message>
        <source>    Nächste Sonnenfinsternis wird gesucht      </source>
        <translation>      Finding the next solar eclipse       </translation>
    </message>
    <message>
        <source>     Nächste Mondfinsternis wird gesucht       </source>
        <translation>      Finding the next lunar eclipse       </translation>
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
    <name>sternwerk::SkyHere</name>
    <message>
        <source>immer über</source>
        <translation>always up</translation>
    </message>
    <message>
        <source>immer unter</source>
        <translation>always down</translation>
    </message>
    <message>
        <source>über</source>
        <translation>above</translation>
    </message>
    <message>
        <source>unter</source>
        <translation>below</translation>
    </message>
    <message>
        <source>Mond: %1, %2 % beleuchtet, %3 Tage alt</source>
        <translation>Moon: %1, %2 % illuminated, %3 days old</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Alle Werte dieser Tafel berechnet die Swiss Ephemeris, in beiden Rechenarten.</source>
        <translation>All values of this table come from the Swiss Ephemeris, in both computations.</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Horizont</source>
        <translation>Horizon</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Dekl.</source>
        <translation>Dec.</translation>
    </message>
    <message>
        <source>Ekl. Breite</source>
        <translation>Ecl. lat.</translation>
    </message>
    <message>
        <source>Abstand AE</source>
        <translation>Distance AU</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>beleuchtet</source>
        <translation>Illuminated</translation>
    </message>
    <message>
        <source>Aufgang</source>
        <translation>Rise</translation>
    </message>
    <message>
        <source>Kulmination</source>
        <translation>Transit</translation>
    </message>
    <message>
        <source>Untergang</source>
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>sternwerk::SkyHereWindow</name>
    <message>
        <source>Himmel hier</source>
        <translation>Sky here</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source> Legt die Tafel als Text in die Zwischenablage </source>
        <translation> Puts the table on the clipboard as text </translation>
    </message>
    <message>
        <source> Druckt die Tafel </source>
        <translation> Prints the table </translation>
    </message>
    <message>
        <source>Die Swiss Ephemeris kann diesen Zeitpunkt nicht berechnen: %1</source>
        <translation>The Swiss Ephemeris cannot compute this moment: %1</translation>
    </message>
    <message>
        <source>Zeiten: Weltzeit (UT)</source>
        <translation>Times: Universal Time (UT)</translation>
    </message>
    <message>
        <source>Zeiten: Ortszeit (%1)</source>
        <translation>Times: local time (%1)</translation>
    </message>
</context>
<context>
    <name>sternwerk::SkyPictureWindow</name>
    <message>
        <source>Gespeichert als  %1  im Ordner  %2.</source>
        <translation>Saved as  %1  in the folder  %2.</translation>
    </message>
</context>
<context>
    <name>sternwerk::StateFile</name>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält das Datum %2; der Kalender der Uhr reicht vom 01.01.1600 bis zum 31.12.9999. Datum und Zeit der Datei werden nicht übernommen.</source>
        <translation>The file %1 holds the date %2; the clock&apos;s calendar runs from 01.01.1600 to 31.12.9999. The file&apos;s date and time are not taken.</translation>
    </message>
</context>
<context>
    <name>sternwerk::SymbolFont</name>
    <message>
        <source>keine lesbare Schriftdatei</source>
        <translation>not a readable font file</translation>
    </message>
</context>
<context>
    <name>sternwerk::SystemErrorText</name>
    <message>
        <source>Datei oder Verzeichnis nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Kein Speicherplatz mehr auf dem Gerät</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Speicherplatz-Kontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Dateisystem ist nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Ist ein Verzeichnis</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Ist kein Verzeichnis</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Datei existiert bereits</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Dateiname zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Verknüpfungen</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Datei oder Gerät ist belegt</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Gerät nicht gefunden</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Nicht genügend Hauptspeicher</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Unterbrochener Systemaufruf</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Ressource vorübergehend nicht verfügbar</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>Unknown error %1</translation>
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
    <name>sternwerk::Twilight</name>
    <message>
        <source>Bürgerliche Morgendämmerung</source>
        <translation>Civil dawn</translation>
    </message>
    <message>
        <source>Nautische Morgendämmerung</source>
        <translation>Nautical dawn</translation>
    </message>
    <message>
        <source>Astronomische Morgendämmerung</source>
        <translation>Astronomical dawn</translation>
    </message>
    <message>
        <source>Bürgerliche Abenddämmerung</source>
        <translation>Civil dusk</translation>
    </message>
    <message>
        <source>Nautische Abenddämmerung</source>
        <translation>Nautical dusk</translation>
    </message>
    <message>
        <source>Astronomische Abenddämmerung</source>
        <translation>Astronomical dusk</translation>
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
<context>
    <name>sternwerk::WmfWriter</name>
    <message>
        <source>Text zu lang</source>
        <translation>Text too long</translation>
    </message>
    <message>
        <source>Bild mit ungültiger Größe</source>
        <translation>Picture of invalid size</translation>
    </message>
    <message>
        <source>Koordinate %1 passt nicht in eine Windows-Metadatei</source>
        <translation>Coordinate %1 does not fit in a Windows metafile</translation>
    </message>
</context>
</TS>
