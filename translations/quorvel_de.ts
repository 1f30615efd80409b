<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dek</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The image was not saved: %1</source>
        <translation>Das Bild wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>Es wurde nichts gedruckt: %1</translation>
    </message>
    <message>
        <source>Please check the date entered.</source>
        <translation>Bitte das eingegebene Datum prüfen.</translation>
    </message>
    <message>
        <source>Please check the time entered.</source>
        <translation>Bitte die eingegebene Uhrzeit prüfen.</translation>
    </message>
    <message>
        <source>Please check time difference value. This is the difference in hours between your Standard Time (not Daylight Saving Time) and Universal Time (Greenwich Mean Time).   Time differences for zones west of Greenwich are entered as negative.</source>
        <translation>Bitte den Zeitunterschied prüfen. Das ist der Unterschied in Stunden zwischen Ihrer Normalzeit (nicht der Sommerzeit) und der Weltzeit (Greenwich Mean Time).   Zeitunterschiede für Zonen westlich von Greenwich werden negativ eingegeben.</translation>
    </message>
    <message>
        <source>Please check the latitude and longitude entered.</source>
        <translation>Bitte die eingegebene Breite und Länge prüfen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used. It is kept as &apos;%1.bad&apos;.</source>
        <translation>Die Einstellungsdatei „%1“ enthält Werte außerhalb des Bereichs (%2); es gelten die Voreinstellungen. Sie wird als „%1.bad“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used.</source>
        <translation>Die Einstellungsdatei „%1“ enthält Werte außerhalb des Bereichs (%2); es gelten die Voreinstellungen.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large to keep: it must lie between %3 and %4. The settings were not saved; &apos;%5&apos; keeps the previous ones.</source>
        <translation>Wert für %1 zu groß zum Speichern: %2 muss zwischen %3 und %4 liegen. Die Einstellungen wurden nicht gespeichert; „%5“ behält die bisherigen.</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>time difference</source>
        <translation>Zeitunterschied</translation>
    </message>
    <message>
        <source>angle label interval</source>
        <translation>Abstand der Winkelbeschriftung</translation>
    </message>
    <message>
        <source>angle mark interval</source>
        <translation>Abstand der Winkelmarken</translation>
    </message>
    <message>
        <source>label font size</source>
        <translation>Schriftgröße der Beschriftung</translation>
    </message>
    <message>
        <source>grid interval</source>
        <translation>Gitterabstand</translation>
    </message>
    <message>
        <source>solar diameter</source>
        <translation>Sonnendurchmesser</translation>
    </message>
    <message>
        <source>The settings could not be saved to &apos;%1&apos;: %2. The previous settings file is unchanged.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Die bisherige Einstellungsdatei ist unverändert.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>The %1 %2 is not a whole number of %3 from 1 to %4.</source>
        <translation>%1: %2 ist keine ganze Zahl von 1 bis %4 (%3).</translation>
    </message>
    <message>
        <source>Help Error</source>
        <translation>Hilfefehler</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The graphics program quorvel_g could not be started from %1: %2.</source>
        <translation>Das Grafikprogramm quorvel_g konnte nicht aus %1 gestartet werden: %2.</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Bild vermessen</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing from %2.   Help cannot open.</source>
        <translation>Die Datei „%1“ fehlt in %2.   Die Hilfe kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No document viewer could open &apos;%1&apos;. Install xdg-utils and a PDF viewer (for example: sudo apt install xdg-utils evince), or open the file yourself: %2/%1</source>
        <translation>Kein Dokumentbetrachter konnte „%1“ öffnen. Installieren Sie xdg-utils und einen PDF-Betrachter (zum Beispiel: sudo apt install xdg-utils evince) oder öffnen Sie die Datei selbst: %2/%1</translation>
    </message>
    <message>
        <source>No limb: set it first.</source>
        <translation>Kein Sonnenrand: zuerst setzen.</translation>
    </message>
    <message>
        <source>The three points lie on a line: no limb through them.</source>
        <translation>Die drei Punkte liegen auf einer Geraden: kein Rand durch sie.</translation>
    </message>
    <message>
        <source>Limb set through the three points.</source>
        <translation>Rand durch die drei Punkte gelegt.</translation>
    </message>
    <message>
        <source>Off the disk.</source>
        <translation>Außerhalb der Scheibe.</translation>
    </message>
    <message>
        <source>The counts and the groups copied.</source>
        <translation>Zählung und Gruppen kopiert.</translation>
    </message>
    <message>
        <source>Groups merged.</source>
        <translation>Gruppen vereinigt.</translation>
    </message>
    <message>
        <source>The spots chosen make a group of their own.</source>
        <translation>Die gewählten Flecken bilden eine eigene Gruppe.</translation>
    </message>
    <message>
        <source>Spots deleted.</source>
        <translation>Flecken gelöscht.</translation>
    </message>
    <message>
        <source>The thresholds need 0 &lt; umbra &lt; penumbra &lt; 1, such as 0.92 and 0.75.</source>
        <translation>Die Schwellen brauchen 0 &lt; Umbra &lt; Penumbra &lt; 1, etwa 0.92 und 0.75.</translation>
    </message>
    <message>
        <source>The group distance is a number of degrees from 0 to 180.</source>
        <translation>Der Gruppenabstand ist eine Gradzahl von 0 bis 180.</translation>
    </message>
    <message>
        <source>The minimum size is a number of pixels from 0 to 10000, or of arcseconds such as 3arcsec.</source>
        <translation>Die Mindestgröße ist eine Pixelzahl von 0 bis 10000 oder eine Zahl von Bogensekunden wie 3arcsec.</translation>
    </message>
    <message>
        <source>The limb margin is a mu from 0 up to 1.</source>
        <translation>Der Randabstand ist ein mu von 0 bis unter 1.</translation>
    </message>
    <message>
        <source>Open an image, find its limb and give its date, time and place first.</source>
        <translation>Zuerst ein Bild öffnen, seinen Rand finden und Datum, Zeit und Ort angeben.</translation>
    </message>
    <message>
        <source>Spot added.</source>
        <translation>Fleck hinzugefügt.</translation>
    </message>
    <message>
        <source>Spots moved.</source>
        <translation>Flecken verschoben.</translation>
    </message>
    <message>
        <source>%1 spots measured</source>
        <translation>%1 vermessene Flecken</translation>
    </message>
    <message>
        <source>count of %1 spots</source>
        <translation>Zählung von %1 Flecken</translation>
    </message>
    <message>
        <source>%1 clears the %2 and not saved. %3 all the same?</source>
        <translation>%1 verwirft: %2, nicht gespeichert. Trotzdem: %3?</translation>
    </message>
    <message>
        <source>Closing the window</source>
        <translation>Das Schließen des Fensters</translation>
    </message>
    <message>
        <source>Close it</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Opening another image</source>
        <translation>Das Öffnen eines anderen Bildes</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Moving the limb</source>
        <translation>Das Verschieben des Randes</translation>
    </message>
    <message>
        <source>Move it</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>%1 group</source>
        <translation>%1 Gruppe</translation>
    </message>
    <message>
        <source>%1 groups</source>
        <translation>%1 Gruppen</translation>
    </message>
    <message>
        <source>%1 spot</source>
        <translation>%1 Fleck</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 Flecken</translation>
    </message>
    <message>
        <source>g %1  f %2  R %3  north %4, %5  south %6, %7  area %8 MSH</source>
        <translation>g %1  f %2  R %3  Nord %4, %5  Süd %6, %7  Fläche %8 MSH</translation>
    </message>
    <message>
        <source>the point %1,%2 lies off the disk</source>
        <translation>der Punkt %1,%2 liegt außerhalb der Scheibe</translation>
    </message>
    <message>
        <source>there is no spot %1</source>
        <translation>es gibt keinen Fleck %1</translation>
    </message>
    <message>
        <source>there is no group %1</source>
        <translation>es gibt keine Gruppe %1</translation>
    </message>
    <message>
        <source>no spots were chosen to move</source>
        <translation>keine Flecken zum Verschieben gewählt</translation>
    </message>
    <message>
        <source>choose two groups or more to merge</source>
        <translation>wählen Sie zwei oder mehr Gruppen zum Zusammenlegen</translation>
    </message>
    <message>
        <source>the spots to split off lie in different groups</source>
        <translation>die abzutrennenden Flecken liegen in verschiedenen Gruppen</translation>
    </message>
    <message>
        <source>no spots were chosen to split off</source>
        <translation>keine Flecken zum Abtrennen gewählt</translation>
    </message>
    <message>
        <source>a group split must keep a spot in each part</source>
        <translation>eine geteilte Gruppe muss in jedem Teil einen Fleck behalten</translation>
    </message>
    <message>
        <source>no spots were chosen to delete</source>
        <translation>keine Flecken zum Löschen gewählt</translation>
    </message>
    <message>
        <source>a Zurich class is one of A, B, C, D, E, F, G, H and J</source>
        <translation>eine Zürich-Klasse ist eine von A, B, C, D, E, F, G, H und J</translation>
    </message>
    <message>
        <source>a McIntosh class is three letters Zpc, such as Dkc</source>
        <translation>eine McIntosh-Klasse besteht aus drei Buchstaben Zpc, etwa Dkc</translation>
    </message>
    <message>
        <source>%1 region within the limb margin (mu &lt; %2)</source>
        <translation>%1 Gebiet innerhalb des Randabstands (mu &lt; %2)</translation>
    </message>
    <message>
        <source>%1 regions within the limb margin (mu &lt; %2)</source>
        <translation>%1 Gebiete innerhalb des Randabstands (mu &lt; %2)</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>left out: %1, %2 smaller than %3 px</source>
        <translation>ausgelassen: %1, %2 kleiner als %3 px</translation>
    </message>
    <message>
        <source>left out: %1 region smaller than %2 px</source>
        <translation>ausgelassen: %1 Gebiet kleiner als %2 px</translation>
    </message>
    <message>
        <source>left out: %1 regions smaller than %2 px</source>
        <translation>ausgelassen: %1 Gebiete kleiner als %2 px</translation>
    </message>
    <message>
        <source>cannot write the backup copy %1 before migrating the log: %2; the log is left as it is</source>
        <translation>die Sicherungskopie %1 kann vor der Migration des Beobachtungsbuchs nicht geschrieben werden: %2; das Beobachtungsbuch bleibt, wie es ist</translation>
    </message>
    <message>
        <source>there is no log at %1 (log add starts one)</source>
        <translation>unter %1 gibt es kein Beobachtungsbuch (log add legt eines an)</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is not an SQLite database; it is left as it is</source>
        <translation>%1 ist kein Beobachtungsbuch von Quorvel: es ist keine SQLite-Datenbank; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation>das Beobachtungsbuch %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: %2; it is left as it is</source>
        <translation>%1 ist kein Beobachtungsbuch von Quorvel: %2; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>the log %1 is empty</source>
        <translation>das Beobachtungsbuch %1 ist leer</translation>
    </message>
    <message>
        <source>cannot make the log: %1</source>
        <translation>das Beobachtungsbuch kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is another program&apos;s database; it is left as it is</source>
        <translation>%1 ist kein Beobachtungsbuch von Quorvel: es ist die Datenbank eines anderen Programms; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>the log %1 has schema version %2, newer than this program&apos;s %3: use a newer Quorvel; it is left as it is</source>
        <translation>das Beobachtungsbuch %1 hat die Schemaversion %2, neuer als %3 dieses Programms: verwenden Sie ein neueres Quorvel; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>the log %1 fails its integrity check (%2); it is left as it is: restore a backup or export what can be read</source>
        <translation>das Beobachtungsbuch %1 besteht seine Integritätsprüfung nicht (%2); es bleibt, wie es ist: stellen Sie eine Sicherung wieder her oder exportieren Sie, was lesbar ist</translation>
    </message>
    <message>
        <source>the log %1 has the older schema version %2: the next log add migrates it</source>
        <translation>das Beobachtungsbuch %1 hat die ältere Schemaversion %2: das nächste log add migriert es</translation>
    </message>
    <message>
        <source>cannot migrate the log %1 from schema version %2: %3; it is left as it was (a copy is in %4)</source>
        <translation>das Beobachtungsbuch %1 kann nicht von Schemaversion %2 migriert werden: %3; es bleibt, wie es war (eine Kopie liegt in %4)</translation>
    </message>
    <message>
        <source>the log %1 is busy: another program has been saving for %2 s; nothing was written</source>
        <translation>das Beobachtungsbuch %1 ist belegt: ein anderes Programm speichert seit %2 s; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>das Beobachtungsbuch %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2; nothing was written</source>
        <translation>das Beobachtungsbuch %1 kann nicht geschrieben werden: %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot read the log %1: %2</source>
        <translation>das Beobachtungsbuch %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1: %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM</source>
        <translation>%1 &apos;%2&apos; ist nicht lesbar: schreiben Sie YYYY-MM</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DDTHH:MMZ in Universal Time</source>
        <translation>%1 &apos;%2&apos; ist nicht lesbar: schreiben Sie YYYY-MM-DDTHH:MMZ in Weltzeit</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; lies before 1600</source>
        <translation>%1 &apos;%2&apos; liegt vor 1600</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; has no month %3</source>
        <translation>%1 &apos;%2&apos; hat keinen Monat %3</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a date: %3 %4 has %5 days</source>
        <translation>%1 &apos;%2&apos; ist kein Datum: %3 %4 hat %5 Tage</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DD</source>
        <translation>%1 &apos;%2&apos; ist nicht lesbar: schreiben Sie YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a count cannot be negative (%1: %2 groups, %3 spots)</source>
        <translation>eine Anzahl kann nicht negativ sein (%1: %2 Gruppen, %3 Flecken)</translation>
    </message>
    <message>
        <source>%1 has %2 groups but %3 spots: every group has at least one spot (g cannot exceed f)</source>
        <translation>%1 hat %2 Gruppen, aber %3 Flecken: jede Gruppe hat mindestens einen Fleck (g kann f nicht übersteigen)</translation>
    </message>
    <message>
        <source>%1 has %2 spots in no group: a single spot is a group of one</source>
        <translation>%1 hat %2 Flecken in keiner Gruppe: ein einzelner Fleck ist eine Gruppe für sich</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1 has no spots: a group has at least one</source>
        <translation>%1 hat keine Flecken: eine Gruppe hat mindestens einen</translation>
    </message>
    <message>
        <source>%1: the latitude lies outside -90..90 degrees</source>
        <translation>%1: die Breite liegt außerhalb von -90..90 Grad</translation>
    </message>
    <message>
        <source>%1: the central-meridian distance lies outside -180..180 degrees</source>
        <translation>%1: der Zentralmeridianabstand liegt außerhalb von -180..180 Grad</translation>
    </message>
    <message>
        <source>%1: the Carrington longitude lies outside [0, 360) degrees</source>
        <translation>%1: die Carrington-Länge liegt außerhalb von [0, 360) Grad</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a Zurich class (A, B, C, D, E, F, G, H, J)</source>
        <translation>%1: &apos;%2&apos; ist keine Zürich-Klasse (A, B, C, D, E, F, G, H, J)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a McIntosh class such as Dkc</source>
        <translation>%1: &apos;%2&apos; ist keine McIntosh-Klasse wie etwa Dkc</translation>
    </message>
    <message>
        <source>%1: a NOAA region number is positive</source>
        <translation>%1: eine NOAA-Regionsnummer ist positiv</translation>
    </message>
    <message>
        <source>%1: an extent or area is negative, or the umbra exceeds the whole</source>
        <translation>%1: eine Ausdehnung oder Fläche ist negativ, oder die Umbra übersteigt das Ganze</translation>
    </message>
    <message>
        <source>the observer code &apos;%1&apos; is not 1 to 16 letters, digits, &apos;-&apos; or &apos;_&apos;</source>
        <translation>das Beobachterkürzel &apos;%1&apos; besteht nicht aus 1 bis 16 Buchstaben, Ziffern, &apos;-&apos; oder &apos;_&apos;</translation>
    </message>
    <message>
        <source>the northern hemisphere</source>
        <translation>die Nordhalbkugel</translation>
    </message>
    <message>
        <source>the southern hemisphere</source>
        <translation>die Südhalbkugel</translation>
    </message>
    <message>
        <source>the whole disk</source>
        <translation>die ganze Scheibe</translation>
    </message>
    <message>
        <source>the hemispheres&apos; counts do not add up to the whole disk&apos;s</source>
        <translation>die Zahlen der Halbkugeln ergeben nicht die der ganzen Scheibe</translation>
    </message>
    <message>
        <source>the seeing &apos;%1&apos; is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5</source>
        <translation>das Seeing &apos;%1&apos; ist keines von E, G, F, P (ausgezeichnet, gut, mäßig, schlecht) oder 1 bis 5</translation>
    </message>
    <message>
        <source>the counts given differ from those of the groups (%1 groups, %2 spots)</source>
        <translation>die angegebenen Zahlen weichen von denen der Gruppen ab (%1 Gruppen, %2 Flecken)</translation>
    </message>
    <message>
        <source>the image&apos;s SHA-256 is not 64 hexadecimal digits</source>
        <translation>der SHA-256 des Bildes besteht nicht aus 64 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the image&apos;s limb has no radius</source>
        <translation>der Rand des Bildes hat keinen Radius</translation>
    </message>
    <message>
        <source>an equipment profile needs a name</source>
        <translation>ein Geräteprofil braucht einen Namen</translation>
    </message>
    <message>
        <source>the method &apos;%1&apos; is not projection, visual or photographic</source>
        <translation>die Methode &apos;%1&apos; ist weder Projektion noch visuell noch fotografisch</translation>
    </message>
    <message>
        <source>an aperture, focal length or magnification is positive</source>
        <translation>Öffnung, Brennweite und Vergrößerung sind positiv</translation>
    </message>
    <message>
        <source>cannot read the log</source>
        <translation>das Beobachtungsbuch kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is no observation %1</source>
        <translation>es gibt keine Beobachtung %1</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log %2</source>
        <translation>es gibt keinen Beobachter %1 im Beobachtungsbuch %2</translation>
    </message>
    <message>
        <source>track %1 does not exist in the log %2</source>
        <translation>Spur %1 gibt es nicht im Beobachtungsbuch %2</translation>
    </message>
    <message>
        <source>cannot read the tracks</source>
        <translation>die Spuren können nicht gelesen werden</translation>
    </message>
    <message>
        <source>observation %1 has no group %2; nothing was written</source>
        <translation>Beobachtung %1 hat keine Gruppe %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot make a new track</source>
        <translation>eine neue Spur kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>track %1 does not exist; nothing was written</source>
        <translation>Spur %1 gibt es nicht; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>track %1 already holds group %2 of that observation; nothing was written</source>
        <translation>Spur %1 enthält schon Gruppe %2 dieser Beobachtung; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot move the group</source>
        <translation>die Gruppe kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>cannot save the observer %1</source>
        <translation>der Beobachter %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save the default observer</source>
        <translation>der voreingestellte Beobachter kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save the equipment profile %1</source>
        <translation>das Geräteprofil %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>there is no equipment profile &apos;%1&apos;: give its --method to make one</source>
        <translation>es gibt kein Geräteprofil &apos;%1&apos;: geben Sie seine --method an, um es anzulegen</translation>
    </message>
    <message>
        <source>cannot save the observation</source>
        <translation>die Beobachtung kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save the image of the observation</source>
        <translation>das Bild der Beobachtung kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save a spot</source>
        <translation>ein Fleck kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save group %1</source>
        <translation>Gruppe %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save a new track</source>
        <translation>eine neue Spur kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the log already holds an observation by %1 at %2; nothing was written</source>
        <translation>das Beobachtungsbuch enthält schon eine Beobachtung von %1 um %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>cannot keep the seeing and the equipment</source>
        <translation>Seeing und Gerät können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot save k</source>
        <translation>k kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log</source>
        <translation>es gibt keinen Beobachter %1 im Beobachtungsbuch</translation>
    </message>
    <message>
        <source>track %1 holds no group any more</source>
        <translation>Spur %1 enthält keine Gruppe mehr</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Beobachtungsbuch</translation>
    </message>
    <message>
        <source>give the log&apos;s file: neither XDG_DATA_HOME nor HOME names a folder for it</source>
        <translation>geben Sie die Datei des Beobachtungsbuchs an: weder XDG_DATA_HOME noch HOME nennt einen Ordner dafür</translation>
    </message>
    <message>
        <source>cannot read %1 again for its SHA-256</source>
        <translation>%1 kann für seinen SHA-256 nicht erneut gelesen werden</translation>
    </message>
    <message>
        <source>the log has no observer yet: give your observer code</source>
        <translation>das Beobachtungsbuch hat noch keinen Beobachter: geben Sie Ihr Beobachterkürzel an</translation>
    </message>
    <message>
        <source>date to place the tracks on</source>
        <translation>Datum für die Orte der Spuren</translation>
    </message>
    <message>
        <source>Choose a group of a track first</source>
        <translation>Wählen Sie zuerst eine Gruppe einer Spur</translation>
    </message>
    <message>
        <source>There is no move to undo</source>
        <translation>Es gibt kein Verschieben, das rückgängig zu machen wäre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a track&apos;s number nor new</source>
        <translation>&apos;%1&apos; ist weder die Nummer einer Spur noch new</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 as given</source>
        <translation>EXIF DateTimeOriginal, Kamerauhr %1 wie angegeben</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 (OffsetTimeOriginal)</source>
        <translation>EXIF DateTimeOriginal, Kamerauhr %1 (OffsetTimeOriginal)</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock taken as UT (no offset given)</source>
        <translation>EXIF DateTimeOriginal, Kamerauhr als UT genommen (kein Versatz angegeben)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>Sonnennord um %1° gegen den Uhrzeigersinn gedreht, gespiegelt (%2, %3, %4)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>Sonnennord um %1° gegen den Uhrzeigersinn gedreht (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>Himmelsnord um %1° gegen den Uhrzeigersinn gedreht, gespiegelt (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>Himmelsnord um %1° gegen den Uhrzeigersinn gedreht (%2, %3, %4)</translation>
    </message>
    <message>
        <source>centre %1, %2, radius %3 px (%4)</source>
        <translation>Mitte %1, %2, Radius %3 px (%4)</translation>
    </message>
    <message>
        <source>the header&apos;s disk (%1) is set aside: it does not fit the %2 x %3 image</source>
        <translation>die Scheibe aus dem Header (%1) bleibt unbenutzt: sie passt nicht zum Bild von %2 x %3</translation>
    </message>
    <message>
        <source>the header&apos;s disk: %1</source>
        <translation>die Scheibe aus dem Header: %1</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a date</source>
        <translation>%1 &apos;%2&apos; im FITS-Header ist kein Datum</translation>
    </message>
    <message>
        <source>%1 and the time of %2</source>
        <translation>%1 und die Uhrzeit aus %2</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; im FITS-Header ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>die gefundene Kante ist der Anstieg eines zum Rand hin hellen Rings (EUV, Ca-K), innerhalb von etwa 1 % der Photosphäre</translation>
    </message>
    <message>
        <source>%1; the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>%1; die gefundene Kante ist der Anstieg eines zum Rand hin hellen Rings (EUV, Ca-K), innerhalb von etwa 1 % der Photosphäre</translation>
    </message>
    <message>
        <source>the header&apos;s disk (radius %1 px) is set aside: the limb found on the image (radius %2 px) does not agree with it</source>
        <translation>die Scheibe aus dem Header (Radius %1 px) bleibt unbenutzt: der im Bild gefundene Rand (Radius %2 px) stimmt nicht mit ihr überein</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % outside the header&apos;s photosphere, whose radius is used</source>
        <translation>Randanpassung %1 px, Header %2 px: die angepasste Kante liegt %3 % außerhalb der Photosphäre des Headers, deren Radius verwendet wird</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % inside the header&apos;s photosphere, whose radius is used</source>
        <translation>Randanpassung %1 px, Header %2 px: die angepasste Kante liegt %3 % innerhalb der Photosphäre des Headers, deren Radius verwendet wird</translation>
    </message>
    <message>
        <source>The image %1 cannot be read; it may be damaged or cut short (%2).</source>
        <translation>Das Bild %1 kann nicht gelesen werden; es ist vielleicht beschädigt oder abgeschnitten (%2).</translation>
    </message>
    <message>
        <source>%1 is not an image Quorvel can open: by its content it is none of PNG, JPEG, TIFF, BMP and FITS.</source>
        <translation>%1 ist kein Bild, das Quorvel öffnen kann: dem Inhalt nach ist es weder PNG, JPEG, TIFF, BMP noch FITS.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is too small to hold a solar disk.</source>
        <translation>Das Bild %1 (%2 x %3 Pixel) ist zu klein für eine Sonnenscheibe.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is larger than Quorvel measures: at most %4 pixels, %5 on a side.</source>
        <translation>Das Bild %1 (%2 x %3 Pixel) ist größer, als Quorvel misst: höchstens %4 Pixel, %5 je Seite.</translation>
    </message>
    <message>
        <source>%1: not enough memory for this image</source>
        <translation>%1: nicht genug Speicher für dieses Bild</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Found %1 spots.</source>
        <translation>%1 Flecken gefunden.</translation>
    </message>
    <message>
        <source>Found %1 spots; %2.</source>
        <translation>%1 Flecken gefunden; %2.</translation>
    </message>
    <message>
        <source>There is no group %1.</source>
        <translation>Es gibt keine Gruppe %1.</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>%1 kann nicht gelesen werden: diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe or a device)</source>
        <translation>es ist keine gewöhnliche Datei (eine benannte Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>Find the spots first: Save to Log keeps the count of an image</source>
        <translation>Zuerst die Flecken finden: Ins Beobachtungsbuch speichert die Zählung eines Bildes</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Ins Beobachtungsbuch</translation>
    </message>
    <message>
        <source>The annotated image could not be made: not enough memory for this image.</source>
        <translation>Das beschriftete Bild konnte nicht erstellt werden: nicht genug Speicher für dieses Bild.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Undone.</source>
        <translation>Rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Done again.</source>
        <translation>Wiederholt.</translation>
    </message>
    <message>
        <source>Off the disk  %1</source>
        <translation>Außerhalb der Scheibe  %1</translation>
    </message>
    <message>
        <source>Lat %1 S  CMD %2 E  Carr %3  %4</source>
        <translation>Breite %1 S  ZMD %2 O  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 S  CMD %2 W  Carr %3  %4</source>
        <translation>Breite %1 S  ZMD %2 W  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 N  CMD %2 E  Carr %3  %4</source>
        <translation>Breite %1 N  ZMD %2 O  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 N  CMD %2 W  Carr %3  %4</source>
        <translation>Breite %1 N  ZMD %2 W  Carr %3  %4</translation>
    </message>
    <message>
        <source>The document viewer could not open &apos;%1&apos; (%2 ended with status %3). Install a PDF viewer, or open the file yourself: %4</source>
        <translation>Der Dokumentbetrachter konnte &apos;%1&apos; nicht öffnen (%2 endete mit Status %3). Installieren Sie einen PDF-Betrachter, oder öffnen Sie die Datei selbst: %4</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>sie hat sich beim Öffnen geändert</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>der Dateiname bezeichnet einen Ordner</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>could not make an image of %1 x %2 pixels: not enough memory</source>
        <translation>ein Bild von %1 x %2 Pixeln konnte nicht erstellt werden: nicht genug Speicher</translation>
    </message>
    <message>
        <source>could not encode the PNG image for %1</source>
        <translation>das PNG-Bild für %1 konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .log</source>
        <translation>die Ausgabedatei muss auf .png, .svg oder .log enden</translation>
    </message>
    <message>
        <source>The disk diameter of %1 mm is not from %2 to %3 mm.</source>
        <translation>Der Scheibendurchmesser von %1 mm liegt nicht zwischen %2 und %3 mm.</translation>
    </message>
    <message>
        <source>The disk diameter of %1 pixels is not from 1 to %2 pixels.</source>
        <translation>Der Scheibendurchmesser von %1 Pixeln liegt nicht zwischen 1 und %2 Pixeln.</translation>
    </message>
    <message>
        <source>A disk of %1 pixels makes an image of about %2 million pixels, more than the %3 million this program makes: choose a smaller diameter, or SVG or PDF.</source>
        <translation>Eine Scheibe von %1 Pixeln ergibt ein Bild von etwa %2 Millionen Pixeln, mehr als die %3 Millionen, die dieses Programm erstellt: wählen Sie einen kleineren Durchmesser, oder SVG oder PDF.</translation>
    </message>
    <message>
        <source>A disk of %1 mm with its scale and caption needs %2 x %3 mm; the printable area is %4 x %5 mm. Choose a smaller diameter or a larger paper.</source>
        <translation>Eine Scheibe von %1 mm mit Skala und Beschriftung braucht %2 x %3 mm; der druckbare Bereich ist %4 x %5 mm. Wählen Sie einen kleineren Durchmesser oder ein größeres Papier.</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg, .pdf or .log</source>
        <translation>die Ausgabedatei muss auf .png, .svg, .pdf oder .log enden</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link another user made to another file; it is not followed</source>
        <translation>&apos;%1&apos; ist eine Verknüpfung, die ein anderer Benutzer auf eine andere Datei angelegt hat; ihr wird nicht gefolgt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a settings file</source>
        <translation>&apos;%1&apos; ist ein Ordner, keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a settings file</source>
        <translation>&apos;%1&apos; ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>the precise model covers the years -1999 to 3000</source>
        <translation>das genaue Modell umfasst die Jahre -1999 bis 3000</translation>
    </message>
    <message>
        <source>no solar disk was found</source>
        <translation>es wurde keine Sonnenscheibe gefunden</translation>
    </message>
    <message>
        <source>no solar disk was found: the circle found is no brighter inside than outside (a bright ring, or a coronagraph&apos;s occulter)</source>
        <translation>es wurde keine Sonnenscheibe gefunden: der gefundene Kreis ist innen nicht heller als außen (ein heller Ring oder die Blende eines Koronografen)</translation>
    </message>
    <message>
        <source>%1. Set the limb by 3 points.</source>
        <translation>%1. Setzen Sie den Rand durch 3 Punkte.</translation>
    </message>
    <message>
        <source>The FITS file %1 is cut short: its header declares %2 x %3 pixels, %4 bytes in all, but the file holds %5.</source>
        <translation>Die FITS-Datei %1 ist abgeschnitten: ihr Header gibt %2 x %3 Pixel an, %4 Byte insgesamt, aber die Datei enthält %5.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: %2.</source>
        <translation>Die FITS-Datei %1 ist beschädigt oder abgeschnitten: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 cannot be read: %2.</source>
        <translation>Die FITS-Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged: %2.</source>
        <translation>Die FITS-Datei %1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 holds no image.</source>
        <translation>Die FITS-Datei %1 enthält kein Bild.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: its compressed tile %2 cannot be read.</source>
        <translation>Die FITS-Datei %1 ist beschädigt oder abgeschnitten: ihre komprimierte Kachel %2 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The FITS file %1 is tile-compressed in a way Quorvel does not read: its tiles span several planes, hold 64-bit values, or use a code or a mask it does not know.</source>
        <translation>Die FITS-Datei %1 ist in Kacheln auf eine Weise komprimiert, die Quorvel nicht liest: Ihre Kacheln reichen über mehrere Ebenen, enthalten 64-Bit-Werte oder verwenden einen Code oder eine Maske, die es nicht kennt.</translation>
    </message>
</context>
<context>
    <name>TrueScaleDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Date, time, place, P, B0, L0 and rotation below the disk</source>
        <translation>Datum, Zeit, Ort, P, B0, L0 und Rotation unter der Scheibe</translation>
    </message>
    <message>
        <source>Disk diameter, pixels (PNG, SVG)</source>
        <translation>Scheibendurchmesser, Pixel (PNG, SVG)</translation>
    </message>
    <message>
        <source>Disk diameter, mm</source>
        <translation>Scheibendurchmesser, mm</translation>
    </message>
    <message>
        <source>Disk diameter, mm (PDF)</source>
        <translation>Scheibendurchmesser, mm (PDF)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>quorvel::Compass</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>quorvel::GraphicsWindow</name>
    <message>
        <source>Quorvel-G       Graphics production version of Quorvel</source>
        <translation>Quorvel-G       Grafikversion von Quorvel</translation>
    </message>
    <message>
        <source>&amp;Position angles</source>
        <translation>&amp;Positionswinkel</translation>
    </message>
    <message>
        <source>Check for a position angle scale</source>
        <translation>Ankreuzen für eine Positionswinkelskala</translation>
    </message>
    <message>
        <source>S&amp;olar rotation arrows</source>
        <translation>R&amp;otationspfeile</translation>
    </message>
    <message>
        <source>Check to show axes and NS meridian</source>
        <translation>Ankreuzen, um Achsen und NS-Meridian zu zeigen</translation>
    </message>
    <message>
        <source>Quorvel Normal &amp;View</source>
        <translation>&amp;Normalansicht</translation>
    </message>
    <message>
        <source>&amp;Graphics Ready View</source>
        <translation>&amp;Grafikfertige Ansicht</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In Zwis&amp;chenablage</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Default st&amp;yle</source>
        <translation>Standard&amp;stil</translation>
    </message>
    <message>
        <source>The design&apos;s sizes, colours, &quot;Equator&quot; and &quot;Axes&quot;; drawn at the next view button.</source>
        <translation>Die Größen und Farben des Entwurfs, „Äquator“ und „Achsen“; gezeichnet beim nächsten Ansichtsknopf.</translation>
    </message>
    <message>
        <source>&amp;Bckgrnd</source>
        <translation>&amp;Hintergr.</translation>
    </message>
    <message>
        <source>Dis&amp;k</source>
        <translation>Sc&amp;heibe</translation>
    </message>
    <message>
        <source>&amp;Limb</source>
        <translation>&amp;Rand</translation>
    </message>
    <message>
        <source>Gri&amp;d</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>E&amp;quator</source>
        <translation>Ä&amp;quator</translation>
    </message>
    <message>
        <source>PA &amp;Scale</source>
        <translation>PW-&amp;Skala</translation>
    </message>
    <message>
        <source>Arro&amp;ws</source>
        <translation>&amp;Pfeile</translation>
    </message>
    <message>
        <source>S&amp;un axis</source>
        <translation>&amp;Achse</translation>
    </message>
    <message>
        <source>Equ&amp;ator</source>
        <translation>Ä&amp;quator</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;chsen</translation>
    </message>
    <message>
        <source>Solar diameter, pixels</source>
        <translation>Durchmesser, Pixel</translation>
    </message>
    <message>
        <source>Grid interval, degrees</source>
        <translation>Gitterabstand, Grad</translation>
    </message>
    <message>
        <source>Angle mark interval</source>
        <translation>Abstand der Winkelmarken</translation>
    </message>
    <message>
        <source>Angular interval in position angle scale</source>
        <translation>Winkelabstand in der Positionswinkelskala</translation>
    </message>
    <message>
        <source>Angle label  interval</source>
        <translation>Abstand der Winkelbeschriftung</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Ang from N</source>
        <translation>Winkel von N</translation>
    </message>
    <message>
        <source>Bo</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Lo</source>
        <translation>L0</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>Carrington rotation number</source>
        <translation>Carrington-Rotationsnummer</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Carrington-Rotationsnummer: Sie wächst um eins, sobald L0 von 0 auf 360 springt.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Save I&amp;mage...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres.</source>
        <translation>Nur die grafikfertige Ansicht: PNG oder SVG mit einem Scheibendurchmesser in Pixeln, PDF in Millimetern.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank).</source>
        <translation>Druckt die grafikfertige Ansicht mit einem Scheibendurchmesser in Millimetern (150 mm ergeben eine Zeichenvorlage).</translation>
    </message>
</context>
<context>
    <name>quorvel::LogDialog</name>
    <message>
        <source>Observations</source>
        <translation>Beobachtungen</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Datum (UT)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Beobachter</translation>
    </message>
    <message>
        <source>Seeing</source>
        <translation>Seeing</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>AAVSO monthly text</source>
        <translation>AAVSO-Monatsbericht (Text)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>BAA monthly CSV</source>
        <translation>BAA-Monatsbericht (CSV)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Groups CSV (the month, or all when empty)</source>
        <translation>Gruppen-CSV (der Monat, oder alles, wenn leer)</translation>
    </message>
    <message>
        <source>Daily R of the month (plot)</source>
        <translation>Tägliches R des Monats (Grafik)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Butterfly diagram (the month, or all when empty)</source>
        <translation>Schmetterlingsdiagramm (der Monat, oder alles, wenn leer)</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Beobachtungsbuch</translation>
    </message>
    <message>
        <source>Other &amp;Log...</source>
        <translation>Anderes &amp;Buch...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Bericht s&amp;peichern...</translation>
    </message>
    <message>
        <source>&amp;Open Measurement</source>
        <translation>Messung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Beobachtungsbuch: %1</translation>
    </message>
    <message>
        <source>1 observation</source>
        <translation>1 Beobachtung</translation>
    </message>
    <message>
        <source>%1 observations</source>
        <translation>%1 Beobachtungen</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>by hemisphere</source>
        <translation>nach Halbkugeln</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>ganze Scheibe</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Beobachtungsbuch öffnen</translation>
    </message>
    <message>
        <source>Logs (*.sqlite);;All files (*)</source>
        <translation>Beobachtungsbücher (*.sqlite);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>&amp;Monat</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) the great circle passing through the Sun and the Zenith.</source>
        <translation>Winkel zwischen (1) dem Meridian durch die Sonne und den Himmelsnordpol und (2) dem Großkreis durch die Sonne und den Zenit.</translation>
    </message>
    <message>
        <source>E&amp;W drift</source>
        <translation>&amp;Drift</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zeichnen</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Measure Image...</source>
        <translation>Bild &amp;vermessen...</translation>
    </message>
    <message>
        <source>Your own image of the Sun: the grid over it, and spots measured by a click.</source>
        <translation>Ihr eigenes Sonnenbild: das Gradnetz darüber und Flecken, per Klick vermessen.</translation>
    </message>
    <message>
        <source>Sun Position</source>
        <translation>Sonnenposition</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude, degrees</source>
        <translation>Höhe der Sonne, Grad</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth, degrees from north measured through east.</source>
        <translation>Azimut der Sonne, Grad von Nord über Ost gezählt.</translation>
    </message>
    <message>
        <source>N - S meridian tilt</source>
        <translation>N-S-Meridian-Neigung</translation>
    </message>
    <message>
        <source>Bo</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Lo</source>
        <translation>L0</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>Carrington rotation number</source>
        <translation>Carrington-Rotationsnummer</translation>
    </message>
    <message>
        <source>Heliographic latitude of centre of sun&apos;s disk, degrees.  N pole is tilted towards Earth if Bo is positive.</source>
        <translation>Heliographische Breite der Mitte der Sonnenscheibe, Grad.  Der Nordpol ist zur Erde geneigt, wenn B0 positiv ist.</translation>
    </message>
    <message>
        <source>Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.</source>
        <translation>Positionswinkel des nördlichen Endes der Rotationsachse, vom Nordpunkt der Scheibe nach Osten gezählt.</translation>
    </message>
    <message>
        <source>Heliographic longitude, degrees, of the centre of the Sun&apos;s disk.</source>
        <translation>Heliographische Länge der Mitte der Sonnenscheibe, Grad.</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Carrington-Rotationsnummer: Sie wächst um eins, sobald L0 von 0 auf 360 springt.</translation>
    </message>
    <message>
        <source>Hr ang</source>
        <translation>Stundenw.</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Hour angle of sun.  </source>
        <translation>Stundenwinkel der Sonne.  </translation>
    </message>
</context>
<context>
    <name>quorvel::MeasureWindow</name>
    <message>
        <source>Date, time and place</source>
        <translation>Datum, Zeit und Ort</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>D</source>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>J</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Std time minus UT</source>
        <translation>Zonenzeit minus UT</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Long (E neg.)</source>
        <translation>Länge (O neg.)</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Östliche Längen sind negativ</translation>
    </message>
    <message>
        <source>Orientation of the image</source>
        <translation>Ausrichtung des Bildes</translation>
    </message>
    <message>
        <source>As seen in the telescope</source>
        <translation>Wie im Teleskop gesehen</translation>
    </message>
    <message>
        <source>Celestial north up, east left</source>
        <translation>Himmelsnord oben, Ost links</translation>
    </message>
    <message>
        <source>Solar north up</source>
        <translation>Sonnennord oben</translation>
    </message>
    <message>
        <source>Altaz mount</source>
        <translation>Azimutale Montierung</translation>
    </message>
    <message>
        <source>Flip image horizontally</source>
        <translation>Bild waagerecht spiegeln</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Degrees the image is turned further, counterclockwise (a turned camera)</source>
        <translation>Grad, um die das Bild weiter gegen den Uhrzeigersinn gedreht ist (eine gedrehte Kamera)</translation>
    </message>
    <message>
        <source>Turned (deg, counterclockwise)</source>
        <translation>Gedreht (Grad, gegen Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Grid every</source>
        <translation>Gitter alle</translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Äquator</translation>
    </message>
    <message>
        <source>Axis and pole</source>
        <translation>Achse und Pol</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>PA scale</source>
        <translation>PW-Skala</translation>
    </message>
    <message>
        <source>N and E</source>
        <translation>N und O</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Flecken</translation>
    </message>
    <message>
        <source>Degrees between the grid&apos;s lines, 1 to 90</source>
        <translation>Grad zwischen den Gitterlinien, 1 bis 90</translation>
    </message>
    <message>
        <source>Grid every (degrees)</source>
        <translation>Gitter alle (Grad)</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Bild öffnen...</translation>
    </message>
    <message>
        <source>No limb yet.</source>
        <translation>Noch kein Sonnenrand.</translation>
    </message>
    <message>
        <source>Find Limb</source>
        <translation>Rand finden</translation>
    </message>
    <message>
        <source>Limb by 3 Points</source>
        <translation>Rand durch 3 Punkte</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>CSV speichern...</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Save to Log...</source>
        <translation>Ins Beobachtungsbuch...</translation>
    </message>
    <message>
        <source>Measured Spots</source>
        <translation>Vermessene Flecken</translation>
    </message>
    <message>
        <source>Count Spots</source>
        <translation>Flecken zählen</translation>
    </message>
    <message>
        <source>Click a point on the limb (%1 of 3).</source>
        <translation>Einen Punkt auf dem Sonnenrand anklicken (%1 von 3).</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Bild vermessen</translation>
    </message>
    <message>
        <source>Open an image of the Sun, or a drawing of it.</source>
        <translation>Ein Bild der Sonne öffnen oder eine Zeichnung von ihr.</translation>
    </message>
    <message>
        <source>The date and time are not yet set for this image: type them, or keep them.</source>
        <translation>Datum und Uhrzeit dieses Bildes sind noch nicht gesetzt: eingeben oder beibehalten.</translation>
    </message>
    <message>
        <source>The turn of the image is not a number of degrees from -360 to 360.</source>
        <translation>Die Drehung des Bildes ist keine Gradzahl von -360 bis 360.</translation>
    </message>
    <message>
        <source>Carrington rotation %1</source>
        <translation>Carrington-Rotation %1</translation>
    </message>
    <message>
        <source>A camera&apos;s JPEG: its clock&apos;s offset to UT, +HH:MM or hours</source>
        <translation>JPEG einer Kamera: Abweichung ihrer Uhr von UT, +HH:MM oder Stunden</translation>
    </message>
    <message>
        <source>Camera clock: UT+hh:mm</source>
        <translation>Kamerauhr: UT+hh:mm</translation>
    </message>
    <message>
        <source>Seeing &amp;&amp; Equipment...</source>
        <translation>Seeing &amp;&amp; Ausrüstung...</translation>
    </message>
    <message>
        <source>The next Save to Log keeps %1</source>
        <translation>Der nächste Eintrag ins Beobachtungsbuch behält %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last row added or deleted, or the last change of the limb (Ctrl+Z)</source>
        <translation>Die zuletzt hinzugefügte oder gelöschte Zeile oder die letzte Änderung des Randes rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Rückgängig Gemachtes wiederholen (Strg+Umschalt+Z oder Strg+Y)</translation>
    </message>
    <message>
        <source>the limb found again</source>
        <translation>Rand neu gefunden</translation>
    </message>
    <message>
        <source>the limb moved</source>
        <translation>Rand verschoben</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it; to correct the limb, press Move Limb (Ctrl+M) and drag it.</source>
        <translation>Einen Fleck auf der Scheibe anklicken, um ihn zu vermessen; um den Rand zu korrigieren, Rand verschieben (Strg+M) drücken und ziehen.</translation>
    </message>
    <message>
        <source>the limb set through three points</source>
        <translation>Rand durch drei Punkte gesetzt</translation>
    </message>
    <message>
        <source>spot %1 added</source>
        <translation>Fleck %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Choose the rows to delete in the table first.</source>
        <translation>Zuerst die zu löschenden Zeilen in der Tabelle wählen.</translation>
    </message>
    <message>
        <source>row %1 deleted</source>
        <translation>Zeile %1 gelöscht</translation>
    </message>
    <message>
        <source>%1 rows deleted</source>
        <translation>%1 Zeilen gelöscht</translation>
    </message>
    <message>
        <source>%1; Ctrl+Z undoes it.</source>
        <translation>%1; Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Done again: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Move Limb</source>
        <translation>Rand verschieben</translation>
    </message>
    <message>
        <source>While down, a drag inside the disk moves the limb and a drag on its edge resizes it; clicks add no spots (Ctrl+M; Esc leaves)</source>
        <translation>Solange gedrückt, verschiebt Ziehen innerhalb der Scheibe den Rand und Ziehen auf ihm ändert seine Größe; Klicks fügen keine Flecken hinzu (Strg+M; Esc beendet)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show the whole image (Ctrl+0)</source>
        <translation>Das ganze Bild zeigen (Strg+0)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One pixel of the image on one pixel of the screen (Ctrl+1)</source>
        <translation>Ein Bildpixel auf einem Bildschirmpixel (Strg+1)</translation>
    </message>
    <message>
        <source>The zoom: the wheel over the image, or Ctrl++ and Ctrl+- (twice and half as large)</source>
        <translation>Der Zoom: das Mausrad über dem Bild oder Strg++ und Strg+- (doppelt und halb so groß)</translation>
    </message>
    <message>
        <source>The grey level shown as black, 0 to 254</source>
        <translation>Die als Schwarz gezeigte Graustufe, 0 bis 254</translation>
    </message>
    <message>
        <source>The grey level shown as white, 1 to 255</source>
        <translation>Die als Weiß gezeigte Graustufe, 1 bis 255</translation>
    </message>
    <message>
        <source>Black point</source>
        <translation>Schwarzpunkt</translation>
    </message>
    <message>
        <source>White point</source>
        <translation>Weißpunkt</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Autokontrast</translation>
    </message>
    <message>
        <source>Stretch the contrast of the part in view from its 0.5 % to its 99.5 % brightness (Ctrl+E)</source>
        <translation>Den Kontrast des sichtbaren Teils von seiner 0,5-%- bis zu seiner 99,5-%-Helligkeit strecken (Strg+E)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Move Limb: drag inside the disk to move the limb, on its edge to resize it; Ctrl+Z undoes. Press Move Limb again (or Esc) to add spots.</source>
        <translation>Rand verschieben: innerhalb der Scheibe ziehen verschiebt den Rand, auf ihm ziehen ändert seine Größe; Strg+Z macht rückgängig. Erneut Rand verschieben (oder Esc) drücken, um Flecken hinzuzufügen.</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it.</source>
        <translation>Einen Fleck auf der Scheibe anklicken, um ihn zu vermessen.</translation>
    </message>
    <message>
        <source>No limb.</source>
        <translation>Kein Sonnenrand.</translation>
    </message>
    <message>
        <source>, or &lt;a href=&quot;keep&quot;&gt;keep the date and time shown&lt;/a&gt;</source>
        <translation>, oder &lt;a href=&quot;keep&quot;&gt;Datum und Zeit wie angezeigt übernehmen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Date and time from the camera (%1), as UT: %2.</source>
        <translation>Datum und Zeit von der Kamera (%1), als UT: %2.</translation>
    </message>
    <message>
        <source>Date and time from the FITS header (%1), as UT: %2.</source>
        <translation>Datum und Zeit aus dem FITS-Header (%1), als UT: %2.</translation>
    </message>
    <message>
        <source>The day from the FITS header (%1); it gives no time: type the time (UT).</source>
        <translation>Der Tag aus dem FITS-Header (%1); er nennt keine Uhrzeit: Uhrzeit (UT) eingeben.</translation>
    </message>
    <message>
        <source>Not used: %1. Type the date and time%2.</source>
        <translation>Nicht verwendet: %1. Datum und Zeit eingeben%2.</translation>
    </message>
    <message>
        <source>The FITS header gives no date: type the date and time (marked)%1.</source>
        <translation>Der FITS-Header nennt kein Datum: Datum und Zeit eingeben (markiert)%1.</translation>
    </message>
    <message>
        <source>The image holds no date: type the date and time (marked)%1.</source>
        <translation>Das Bild enthält kein Datum: Datum und Zeit eingeben (markiert)%1.</translation>
    </message>
    <message>
        <source>Place from the FITS header.</source>
        <translation>Ort aus dem FITS-Header.</translation>
    </message>
    <message>
        <source>Orientation from the FITS header: %1.</source>
        <translation>Ausrichtung aus dem FITS-Header: %1.</translation>
    </message>
    <message>
        <source>Taken from the camera&apos;s EXIF date</source>
        <translation>Aus dem EXIF-Datum der Kamera</translation>
    </message>
    <message>
        <source>The camera clock&apos;s offset to UT is +HH:MM, -HH:MM or hours, at most 14.</source>
        <translation>Die Abweichung der Kamerauhr von UT ist +HH:MM, -HH:MM oder Stunden, höchstens 14.</translation>
    </message>
    <message>
        <source>: kept</source>
        <translation>: übernommen</translation>
    </message>
    <message>
        <source>Limb found: centre %1, %2, radius %3 px, scatter %4 px (%5 edge points).</source>
        <translation>Sonnenrand gefunden: Mitte %1, %2, Radius %3 px, Streuung %4 px (%5 Randpunkte).</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px.</source>
        <translation>Rand von Hand gesetzt: Mitte %1, %2, Radius %3 px.</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px, edge scatter %4 px.</source>
        <translation>Rand von Hand gesetzt: Mitte %1, %2, Radius %3 px, Streuung der Kante %4 px.</translation>
    </message>
    <message>
        <source>Spot %1: %2</source>
        <translation>Fleck %1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::ObservationWindow</name>
    <message>
        <source>Quorvel-G, by the Quorvel developers</source>
        <translation>Quorvel-G, vom Quorvel-Team</translation>
    </message>
    <message>
        <source>Quorvel, by the Quorvel developers</source>
        <translation>Quorvel, vom Quorvel-Team</translation>
    </message>
    <message>
        <source>D</source>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>J</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Std time minus UT</source>
        <translation>Zonenzeit minus UT</translation>
    </message>
    <message>
        <source>Day of month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year,e.g. 2006</source>
        <translation>Jahr, z. B. 2006</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>Enters current time of PC clock - but see DST checkbox.</source>
        <translation>Setzt die aktuelle Zeit der Rechneruhr ein – aber siehe das Sommerzeit-Kästchen.</translation>
    </message>
    <message>
        <source>Latitude - Positive in Northern Hemisphere.</source>
        <translation>Breite – positiv auf der Nordhalbkugel.</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Östliche Längen sind negativ</translation>
    </message>
    <message>
        <source>Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich.</source>
        <translation>Unterschied der Normalzeit zu UTC in Stunden.  Negativ für Längen westlich von Greenwich.</translation>
    </message>
    <message>
        <source>DS&amp;T</source>
        <translation>&amp;SZ</translation>
    </message>
    <message>
        <source>Check when daylight saving (summer) time is used.</source>
        <translation>Ankreuzen, wenn die Sommerzeit gilt.</translation>
    </message>
    <message>
        <source>Alta&amp;z mount</source>
        <translation>A&amp;zimutal</translation>
    </message>
    <message>
        <source>&amp;Equat</source>
        <translation>Ä&amp;quat</translation>
    </message>
    <message>
        <source>&amp;Flip image horizontally</source>
        <translation>&amp;Waagerecht spiegeln</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>&amp;Pos Angs</source>
        <translation>&amp;PW-Skala</translation>
    </message>
    <message>
        <source>R&amp;otation</source>
        <translation>R&amp;otation</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>&amp;Netz</translation>
    </message>
    <message>
        <source>Measure Image...</source>
        <translation>Bild vermessen...</translation>
    </message>
    <message>
        <source>Observer&apos;s Log...</source>
        <translation>Beobachtungsbuch...</translation>
    </message>
    <message>
        <source>Parameters have changed</source>
        <translation>Parameter haben sich geändert</translation>
    </message>
    <message>
        <source>The point under the mouse; a click copies it for a spreadsheet.</source>
        <translation>Der Punkt unter der Maus; ein Klick kopiert ihn für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 (settings not saved)</source>
        <translation>%1 (Einstellungen nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveAnswersDialog</name>
    <message>
        <source>projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>visual</source>
        <translation>visuell</translation>
    </message>
    <message>
        <source>photographic</source>
        <translation>fotografisch</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Ins Beobachtungsbuch</translation>
    </message>
    <message>
        <source>E: excellent</source>
        <translation>E: ausgezeichnet</translation>
    </message>
    <message>
        <source>G: good</source>
        <translation>G: gut</translation>
    </message>
    <message>
        <source>F: fair</source>
        <translation>F: mäßig</translation>
    </message>
    <message>
        <source>P: poor</source>
        <translation>P: schlecht</translation>
    </message>
    <message>
        <source>1: best</source>
        <translation>1: am besten</translation>
    </message>
    <message>
        <source>5: worst</source>
        <translation>5: am schlechtesten</translation>
    </message>
    <message>
        <source>e.g. your AAVSO code</source>
        <translation>z. B. Ihr AAVSO-Kürzel</translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation>&amp;Seeing:</translation>
    </message>
    <message>
        <source>&amp;Observer code:</source>
        <translation>&amp;Beobachterkürzel:</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>&amp;Ausrüstung:</translation>
    </message>
    <message>
        <source>&amp;Method of new equipment:</source>
        <translation>&amp;Methode der neuen Ausrüstung:</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveCounted</name>
    <message>
        <source>the log&apos;s default observer</source>
        <translation>voreingestellter Beobachter des Beobachtungsbuchs</translation>
    </message>
    <message>
        <source>observer %1</source>
        <translation>Beobachter %1</translation>
    </message>
    <message>
        <source>no equipment</source>
        <translation>kein Gerät</translation>
    </message>
    <message>
        <source>equipment %1</source>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>seeing %1, %2, %3</source>
        <translation>Seeing %1, %2, %3</translation>
    </message>
    <message>
        <source>observation %1 saved in %2: %3 %4, g %5, f %6, R %7</source>
        <translation>Beobachtung %1 gespeichert in %2: %3 %4, g %5, f %6, R %7</translation>
    </message>
    <message>
        <source>; group %1 track %2 (new)</source>
        <translation>; Gruppe %1 Spur %2 (neu)</translation>
    </message>
    <message>
        <source>; group %1 track %2</source>
        <translation>; Gruppe %1 Spur %2</translation>
    </message>
</context>
<context>
    <name>quorvel::SpotPanel</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Flecken</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>ZMD</translation>
    </message>
    <message>
        <source>Carr</source>
        <translation>Carr</translation>
    </message>
    <message>
        <source>Extent</source>
        <translation>Ausdehnung</translation>
    </message>
    <message>
        <source>Hem</source>
        <translation>Hem</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zürich</translation>
    </message>
    <message>
        <source>McIntosh</source>
        <translation>McIntosh</translation>
    </message>
    <message>
        <source>Area MSH</source>
        <translation>Fläche MSH</translation>
    </message>
    <message>
        <source>Umbra MSH</source>
        <translation>Umbra MSH</translation>
    </message>
    <message>
        <source>A spot region is darker than this fraction of the photosphere</source>
        <translation>Ein Fleckengebiet ist dunkler als dieser Bruchteil der Photosphäre</translation>
    </message>
    <message>
        <source>An umbra is darker than this fraction of the photosphere</source>
        <translation>Eine Umbra ist dunkler als dieser Bruchteil der Photosphäre</translation>
    </message>
    <message>
        <source>Spots closer than this on the Sun (degrees) are one group</source>
        <translation>Flecken, die auf der Sonne näher beieinander liegen (Grad), sind eine Gruppe</translation>
    </message>
    <message>
        <source>Regions smaller across are left out: pixels, or arcseconds such as 3arcsec</source>
        <translation>Kleinere Gebiete werden ausgelassen: Pixel oder Bogensekunden wie 3arcsec</translation>
    </message>
    <message>
        <source>Regions nearer the limb than this mu are left out</source>
        <translation>Gebiete näher am Rand als dieses mu werden ausgelassen</translation>
    </message>
    <message>
        <source>Find Spots</source>
        <translation>Flecken finden</translation>
    </message>
    <message>
        <source>Penumbra</source>
        <translation>Penumbra</translation>
    </message>
    <message>
        <source>Umbra</source>
        <translation>Umbra</translation>
    </message>
    <message>
        <source>Group distance (deg)</source>
        <translation>Gruppenabstand (Grad)</translation>
    </message>
    <message>
        <source>Min. size</source>
        <translation>Min. Größe</translation>
    </message>
    <message>
        <source>Limb margin (mu)</source>
        <translation>Randabstand (mu)</translation>
    </message>
    <message>
        <source>Add Spot by Click</source>
        <translation>Fleck per Klick</translation>
    </message>
    <message>
        <source>Merge Groups</source>
        <translation>Gruppen vereinigen</translation>
    </message>
    <message>
        <source>Split Off</source>
        <translation>Abtrennen</translation>
    </message>
    <message>
        <source>The number of the group to move the chosen spots to; empty: a new group</source>
        <translation>Die Nummer der Gruppe, in die die gewählten Flecken kommen; leer: eine neue Gruppe</translation>
    </message>
    <message>
        <source>Group to move the chosen spots to</source>
        <translation>Gruppe, in die die gewählten Flecken kommen</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>In Gruppe</translation>
    </message>
    <message>
        <source>Delete Spot</source>
        <translation>Fleck löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>as suggested</source>
        <translation>wie vorgeschlagen</translation>
    </message>
    <message>
        <source>Group %1: Zurich class %2.</source>
        <translation>Gruppe %1: Zürich-Klasse %2.</translation>
    </message>
    <message>
        <source>Group %1: McIntosh class %2.</source>
        <translation>Gruppe %1: McIntosh-Klasse %2.</translation>
    </message>
</context>
<context>
    <name>quorvel::TracksPanel</name>
    <message>
        <source>&amp;Show Places</source>
        <translation>Orte &amp;zeigen</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>First (UT)</source>
        <translation>Erste (UT)</translation>
    </message>
    <message>
        <source>Last (UT)</source>
        <translation>Letzte (UT)</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Sichtungen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Drift lon °/day</source>
        <translation>Drift Länge °/Tag</translation>
    </message>
    <message>
        <source>Drift lat °/day</source>
        <translation>Drift Breite °/Tag</translation>
    </message>
    <message>
        <source>Return of</source>
        <translation>Wiederkehr von</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>ZMD</translation>
    </message>
    <message>
        <source>Carrington</source>
        <translation>Carrington</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Datum (UT)</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>&amp;Move Group to Track...</source>
        <translation>Gruppe zu &amp;Spur verschieben...</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Verschieben &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Place on (UT):</source>
        <translation>&amp;Ort am (UT):</translation>
    </message>
    <message>
        <source>Groups of the track:</source>
        <translation>Gruppen der Spur:</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Gruppe verschieben</translation>
    </message>
    <message>
        <source>Move the group to which track? A track&apos;s number, or new:</source>
        <translation>Die Gruppe zu welcher Spur verschieben? Nummer einer Spur oder new:</translation>
    </message>
    <message>
        <source> (behind)</source>
        <translation> (Rückseite)</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to track %5?</source>
        <translation>Gruppe %1 vom %2 (Beobachtung %3) von Spur %4 auf Spur %5 verschieben?</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to a new track?</source>
        <translation>Gruppe %1 vom %2 (Beobachtung %3) von Spur %4 auf eine neue Spur verschieben?</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 moved from track %3 to track %4; Undo Move puts it back</source>
        <translation>Gruppe %1 der Beobachtung %2 von Spur %3 auf Spur %4 verschoben; Verschieben rückgängig stellt sie zurück</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 is back on track %3</source>
        <translation>Gruppe %1 der Beobachtung %2 ist wieder auf Spur %3</translation>
    </message>
    <message>
        <source>new</source>
        <comment>the answer naming a new track</comment>
        <translation>neu</translation>
    </message>
</context>
<context>
    <name>quorvel::TrueScale</name>
    <message>
        <source>Local %1 (DST)   zone %2 h   UT %3   JD %4</source>
        <translation>Ortszeit %1 (Sommerzeit)   Zone %2 h   UT %3   JD %4</translation>
    </message>
    <message>
        <source>Local %1   zone %2 h   UT %3   JD %4</source>
        <translation>Ortszeit %1   Zone %2 h   UT %3   JD %4</translation>
    </message>
    <message>
        <source>Lat %1   Long %2 (east negative)   P %3   B0 %4   L0 %5   Rotation %6</source>
        <translation>Breite %1   Länge %2 (Ost negativ)   P %3   B0 %4   L0 %5   Rotation %6</translation>
    </message>
</context>
</TS>
