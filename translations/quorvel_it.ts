<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Caption</name>
    <message>
        <source>Altitude</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The image was not saved: %1</source>
        <translation>L&apos;immagine non è stata salvata: %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>Non è stato stampato nulla: %1</translation>
    </message>
    <message>
        <source>Please check the date entered.</source>
        <translation>Controllare la data inserita.</translation>
    </message>
    <message>
        <source>Please check the time entered.</source>
        <translation>Controllare l&apos;ora inserita.</translation>
    </message>
    <message>
        <source>Please check time difference value. This is the difference in hours between your Standard Time (not Daylight Saving Time) and Universal Time (Greenwich Mean Time).   Time differences for zones west of Greenwich are entered as negative.</source>
        <translation>Controllare la differenza di fuso. È la differenza in ore tra la vostra ora solare (non l&apos;ora legale) e il tempo universale (tempo medio di Greenwich).   Le differenze dei fusi a ovest di Greenwich si inseriscono come negative.</translation>
    </message>
    <message>
        <source>Please check the latitude and longitude entered.</source>
        <translation>Controllare la latitudine e la longitudine inserite.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used. It is kept as &apos;%1.bad&apos;.</source>
        <translation>Il file delle impostazioni «%1» contiene valori fuori intervallo (%2); si usano i valori predefiniti. Viene conservato come «%1.bad».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used.</source>
        <translation>Il file delle impostazioni «%1» contiene valori fuori intervallo (%2); si usano i valori predefiniti.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large to keep: it must lie between %3 and %4. The settings were not saved; &apos;%5&apos; keeps the previous ones.</source>
        <translation>Valore troppo grande per %1: %2 deve essere tra %3 e %4. Le impostazioni non sono state salvate; «%5» conserva le precedenti.</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitudine</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitudine</translation>
    </message>
    <message>
        <source>time difference</source>
        <translation>differenza di fuso</translation>
    </message>
    <message>
        <source>angle label interval</source>
        <translation>intervallo delle etichette degli angoli</translation>
    </message>
    <message>
        <source>angle mark interval</source>
        <translation>intervallo delle tacche degli angoli</translation>
    </message>
    <message>
        <source>label font size</source>
        <translation>dimensione del carattere delle etichette</translation>
    </message>
    <message>
        <source>grid interval</source>
        <translation>intervallo del reticolo</translation>
    </message>
    <message>
        <source>solar diameter</source>
        <translation>diametro solare</translation>
    </message>
    <message>
        <source>The settings could not be saved to &apos;%1&apos;: %2. The previous settings file is unchanged.</source>
        <translation>Non è stato possibile salvare le impostazioni in «%1»: %2. Il file delle impostazioni precedente è invariato.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Errore di file</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>The %1 %2 is not a whole number of %3 from 1 to %4.</source>
        <translation>%1: %2 non è un numero intero di %3 da 1 a %4.</translation>
    </message>
    <message>
        <source>Help Error</source>
        <translation>Errore dell&apos;aiuto</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>The graphics program quorvel_g could not be started from %1: %2.</source>
        <translation>Non è stato possibile avviare il programma grafico quorvel_g da %1: %2.</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Misura immagine</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing from %2.   Help cannot open.</source>
        <translation>Il file «%1» manca in %2.   L&apos;aiuto non può aprirsi.</translation>
    </message>
    <message>
        <source>No document viewer could open &apos;%1&apos;. Install xdg-utils and a PDF viewer (for example: sudo apt install xdg-utils evince), or open the file yourself: %2/%1</source>
        <translation>Nessun visualizzatore di documenti ha potuto aprire «%1». Installare xdg-utils e un visualizzatore PDF (per esempio: sudo apt install xdg-utils evince) o aprire il file da sé: %2/%1</translation>
    </message>
    <message>
        <source>No limb: set it first.</source>
        <translation>Nessun lembo: fissarlo prima.</translation>
    </message>
    <message>
        <source>The three points lie on a line: no limb through them.</source>
        <translation>I tre punti sono allineati: nessun lembo passa per essi.</translation>
    </message>
    <message>
        <source>Limb set through the three points.</source>
        <translation>Lembo fissato dai tre punti.</translation>
    </message>
    <message>
        <source>Off the disk.</source>
        <translation>Fuori dal disco.</translation>
    </message>
    <message>
        <source>The counts and the groups copied.</source>
        <translation>Conteggi e gruppi copiati.</translation>
    </message>
    <message>
        <source>Groups merged.</source>
        <translation>Gruppi uniti.</translation>
    </message>
    <message>
        <source>The spots chosen make a group of their own.</source>
        <translation>Le macchie scelte formano un gruppo a sé.</translation>
    </message>
    <message>
        <source>Spots deleted.</source>
        <translation>Macchie eliminate.</translation>
    </message>
    <message>
        <source>The thresholds need 0 &lt; umbra &lt; penumbra &lt; 1, such as 0.92 and 0.75.</source>
        <translation>Le soglie richiedono 0 &lt; ombra &lt; penombra &lt; 1, ad esempio 0.92 e 0.75.</translation>
    </message>
    <message>
        <source>The group distance is a number of degrees from 0 to 180.</source>
        <translation>La distanza di gruppo è un numero di gradi da 0 a 180.</translation>
    </message>
    <message>
        <source>The minimum size is a number of pixels from 0 to 10000, or of arcseconds such as 3arcsec.</source>
        <translation>La dimensione minima è un numero di pixel da 0 a 10000, o di secondi d&apos;arco come 3arcsec.</translation>
    </message>
    <message>
        <source>The limb margin is a mu from 0 up to 1.</source>
        <translation>Il margine dal lembo è un mu da 0 fino a meno di 1.</translation>
    </message>
    <message>
        <source>Open an image, find its limb and give its date, time and place first.</source>
        <translation>Aprire prima un&apos;immagine, trovarne il lembo e indicarne data, ora e luogo.</translation>
    </message>
    <message>
        <source>Spot added.</source>
        <translation>Macchia aggiunta.</translation>
    </message>
    <message>
        <source>Spots moved.</source>
        <translation>Macchie spostate.</translation>
    </message>
    <message>
        <source>%1 spots measured</source>
        <translation>%1 macchie misurate</translation>
    </message>
    <message>
        <source>count of %1 spots</source>
        <translation>conteggio di %1 macchie</translation>
    </message>
    <message>
        <source>%1 clears the %2 and not saved. %3 all the same?</source>
        <translation>%1 cancella: %2, non salvato. %3 comunque?</translation>
    </message>
    <message>
        <source>Closing the window</source>
        <translation>Chiudere la finestra</translation>
    </message>
    <message>
        <source>Close it</source>
        <translation>Chiuderla</translation>
    </message>
    <message>
        <source>Opening another image</source>
        <translation>Aprire un&apos;altra immagine</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Aprirla</translation>
    </message>
    <message>
        <source>Moving the limb</source>
        <translation>Spostare il lembo</translation>
    </message>
    <message>
        <source>Move it</source>
        <translation>Spostarlo</translation>
    </message>
    <message>
        <source>%1 group</source>
        <translation>%1 gruppo</translation>
    </message>
    <message>
        <source>%1 groups</source>
        <translation>%1 gruppi</translation>
    </message>
    <message>
        <source>%1 spot</source>
        <translation>%1 macchia</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 macchie</translation>
    </message>
    <message>
        <source>g %1  f %2  R %3  north %4, %5  south %6, %7  area %8 MSH</source>
        <translation>g %1  f %2  R %3  nord %4, %5  sud %6, %7  area %8 MSH</translation>
    </message>
    <message>
        <source>the point %1,%2 lies off the disk</source>
        <translation>il punto %1,%2 è fuori dal disco</translation>
    </message>
    <message>
        <source>there is no spot %1</source>
        <translation>non c&apos;è nessuna macchia %1</translation>
    </message>
    <message>
        <source>there is no group %1</source>
        <translation>non c&apos;è nessun gruppo %1</translation>
    </message>
    <message>
        <source>no spots were chosen to move</source>
        <translation>nessuna macchia scelta da spostare</translation>
    </message>
    <message>
        <source>choose two groups or more to merge</source>
        <translation>scegliere due o più gruppi da unire</translation>
    </message>
    <message>
        <source>the spots to split off lie in different groups</source>
        <translation>le macchie da separare sono in gruppi diversi</translation>
    </message>
    <message>
        <source>no spots were chosen to split off</source>
        <translation>nessuna macchia scelta da separare</translation>
    </message>
    <message>
        <source>a group split must keep a spot in each part</source>
        <translation>un gruppo diviso deve tenere una macchia in ogni parte</translation>
    </message>
    <message>
        <source>no spots were chosen to delete</source>
        <translation>nessuna macchia scelta da eliminare</translation>
    </message>
    <message>
        <source>a Zurich class is one of A, B, C, D, E, F, G, H and J</source>
        <translation>una classe di Zurigo è una tra A, B, C, D, E, F, G, H e J</translation>
    </message>
    <message>
        <source>a McIntosh class is three letters Zpc, such as Dkc</source>
        <translation>una classe McIntosh è di tre lettere Zpc, ad esempio Dkc</translation>
    </message>
    <message>
        <source>%1 region within the limb margin (mu &lt; %2)</source>
        <translation>%1 regione entro il margine del lembo (mu &lt; %2)</translation>
    </message>
    <message>
        <source>%1 regions within the limb margin (mu &lt; %2)</source>
        <translation>%1 regioni entro il margine del lembo (mu &lt; %2)</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>escluso: %1</translation>
    </message>
    <message>
        <source>left out: %1, %2 smaller than %3 px</source>
        <translation>escluso: %1, %2 più piccole di %3 px</translation>
    </message>
    <message>
        <source>left out: %1 region smaller than %2 px</source>
        <translation>escluso: %1 regione più piccola di %2 px</translation>
    </message>
    <message>
        <source>left out: %1 regions smaller than %2 px</source>
        <translation>escluso: %1 regioni più piccole di %2 px</translation>
    </message>
    <message>
        <source>cannot write the backup copy %1 before migrating the log: %2; the log is left as it is</source>
        <translation>impossibile scrivere la copia di sicurezza %1 prima di migrare il registro: %2; il registro resta com&apos;è</translation>
    </message>
    <message>
        <source>there is no log at %1 (log add starts one)</source>
        <translation>non c&apos;è nessun registro in %1 (log add ne crea uno)</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is not an SQLite database; it is left as it is</source>
        <translation>%1 non è un registro di Quorvel: non è un database SQLite; resta com&apos;è</translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation>impossibile aprire il registro %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: %2; it is left as it is</source>
        <translation>%1 non è un registro di Quorvel: %2; resta com&apos;è</translation>
    </message>
    <message>
        <source>the log %1 is empty</source>
        <translation>il registro %1 è vuoto</translation>
    </message>
    <message>
        <source>cannot make the log: %1</source>
        <translation>impossibile creare il registro: %1</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is another program&apos;s database; it is left as it is</source>
        <translation>%1 non è un registro di Quorvel: è il database di un altro programma; resta com&apos;è</translation>
    </message>
    <message>
        <source>the log %1 has schema version %2, newer than this program&apos;s %3: use a newer Quorvel; it is left as it is</source>
        <translation>il registro %1 ha la versione di schema %2, più recente della %3 di questo programma: usare un Quorvel più recente; resta com&apos;è</translation>
    </message>
    <message>
        <source>the log %1 fails its integrity check (%2); it is left as it is: restore a backup or export what can be read</source>
        <translation>il registro %1 non supera il controllo di integrità (%2); resta com&apos;è: ripristinare una copia di sicurezza o esportare ciò che si può leggere</translation>
    </message>
    <message>
        <source>the log %1 has the older schema version %2: the next log add migrates it</source>
        <translation>il registro %1 ha la vecchia versione di schema %2: il prossimo log add lo migra</translation>
    </message>
    <message>
        <source>cannot migrate the log %1 from schema version %2: %3; it is left as it was (a copy is in %4)</source>
        <translation>impossibile migrare il registro %1 dalla versione di schema %2: %3; resta com&apos;era (una copia è in %4)</translation>
    </message>
    <message>
        <source>the log %1 is busy: another program has been saving for %2 s; nothing was written</source>
        <translation>il registro %1 è occupato: un altro programma sta salvando da %2 s; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>impossibile scrivere il registro %1: %2</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2; nothing was written</source>
        <translation>impossibile scrivere il registro %1: %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>cannot read the log %1: %2</source>
        <translation>impossibile leggere il registro %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1: %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM</source>
        <translation>%1 &apos;%2&apos; illeggibile: scrivere YYYY-MM</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DDTHH:MMZ in Universal Time</source>
        <translation>%1 &apos;%2&apos; illeggibile: scrivere YYYY-MM-DDTHH:MMZ in tempo universale</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; lies before 1600</source>
        <translation>%1 &apos;%2&apos; è anteriore al 1600</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; has no month %3</source>
        <translation>%1 &apos;%2&apos; non ha il mese %3</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a date: %3 %4 has %5 days</source>
        <translation>%1 &apos;%2&apos; non è una data: %3 %4 ha %5 giorni</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; non è un&apos;ora del giorno</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DD</source>
        <translation>%1 &apos;%2&apos; illeggibile: scrivere YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a count cannot be negative (%1: %2 groups, %3 spots)</source>
        <translation>un conteggio non può essere negativo (%1: %2 gruppi, %3 macchie)</translation>
    </message>
    <message>
        <source>%1 has %2 groups but %3 spots: every group has at least one spot (g cannot exceed f)</source>
        <translation>%1 ha %2 gruppi ma %3 macchie: ogni gruppo ha almeno una macchia (g non può superare f)</translation>
    </message>
    <message>
        <source>%1 has %2 spots in no group: a single spot is a group of one</source>
        <translation>%1 ha %2 macchie senza gruppo: una macchia isolata è un gruppo a sé</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>gruppo %1</translation>
    </message>
    <message>
        <source>%1 has no spots: a group has at least one</source>
        <translation>%1 non ha macchie: un gruppo ne ha almeno una</translation>
    </message>
    <message>
        <source>%1: the latitude lies outside -90..90 degrees</source>
        <translation>%1: la latitudine è fuori da -90..90 gradi</translation>
    </message>
    <message>
        <source>%1: the central-meridian distance lies outside -180..180 degrees</source>
        <translation>%1: la distanza dal meridiano centrale è fuori da -180..180 gradi</translation>
    </message>
    <message>
        <source>%1: the Carrington longitude lies outside [0, 360) degrees</source>
        <translation>%1: la longitudine di Carrington è fuori da [0, 360) gradi</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a Zurich class (A, B, C, D, E, F, G, H, J)</source>
        <translation>%1: &apos;%2&apos; non è una classe di Zurigo (A, B, C, D, E, F, G, H, J)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a McIntosh class such as Dkc</source>
        <translation>%1: &apos;%2&apos; non è una classe McIntosh come Dkc</translation>
    </message>
    <message>
        <source>%1: a NOAA region number is positive</source>
        <translation>%1: un numero di regione NOAA è positivo</translation>
    </message>
    <message>
        <source>%1: an extent or area is negative, or the umbra exceeds the whole</source>
        <translation>%1: un&apos;estensione o un&apos;area è negativa, o l&apos;ombra supera il totale</translation>
    </message>
    <message>
        <source>the observer code &apos;%1&apos; is not 1 to 16 letters, digits, &apos;-&apos; or &apos;_&apos;</source>
        <translation>il codice osservatore &apos;%1&apos; non è di 1-16 lettere, cifre, &apos;-&apos; o &apos;_&apos;</translation>
    </message>
    <message>
        <source>the northern hemisphere</source>
        <translation>l&apos;emisfero nord</translation>
    </message>
    <message>
        <source>the southern hemisphere</source>
        <translation>l&apos;emisfero sud</translation>
    </message>
    <message>
        <source>the whole disk</source>
        <translation>il disco intero</translation>
    </message>
    <message>
        <source>the hemispheres&apos; counts do not add up to the whole disk&apos;s</source>
        <translation>i conteggi degli emisferi non danno quello del disco intero</translation>
    </message>
    <message>
        <source>the seeing &apos;%1&apos; is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5</source>
        <translation>il seeing &apos;%1&apos; non è uno tra E, G, F, P (eccellente, buono, discreto, scarso) o da 1 a 5</translation>
    </message>
    <message>
        <source>the counts given differ from those of the groups (%1 groups, %2 spots)</source>
        <translation>i conteggi dati differiscono da quelli dei gruppi (%1 gruppi, %2 macchie)</translation>
    </message>
    <message>
        <source>the image&apos;s SHA-256 is not 64 hexadecimal digits</source>
        <translation>lo SHA-256 dell&apos;immagine non è di 64 cifre esadecimali</translation>
    </message>
    <message>
        <source>the image&apos;s limb has no radius</source>
        <translation>il lembo dell&apos;immagine non ha raggio</translation>
    </message>
    <message>
        <source>an equipment profile needs a name</source>
        <translation>un profilo di strumentazione richiede un nome</translation>
    </message>
    <message>
        <source>the method &apos;%1&apos; is not projection, visual or photographic</source>
        <translation>il metodo &apos;%1&apos; non è proiezione, visuale o fotografico</translation>
    </message>
    <message>
        <source>an aperture, focal length or magnification is positive</source>
        <translation>un&apos;apertura, una focale o un ingrandimento è positivo</translation>
    </message>
    <message>
        <source>cannot read the log</source>
        <translation>impossibile leggere il registro</translation>
    </message>
    <message>
        <source>there is no observation %1</source>
        <translation>non c&apos;è nessuna osservazione %1</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log %2</source>
        <translation>non c&apos;è nessun osservatore %1 nel registro %2</translation>
    </message>
    <message>
        <source>track %1 does not exist in the log %2</source>
        <translation>la traccia %1 non esiste nel registro %2</translation>
    </message>
    <message>
        <source>cannot read the tracks</source>
        <translation>impossibile leggere le tracce</translation>
    </message>
    <message>
        <source>observation %1 has no group %2; nothing was written</source>
        <translation>l&apos;osservazione %1 non ha il gruppo %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>cannot make a new track</source>
        <translation>impossibile creare una nuova traccia</translation>
    </message>
    <message>
        <source>track %1 does not exist; nothing was written</source>
        <translation>la traccia %1 non esiste; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>track %1 already holds group %2 of that observation; nothing was written</source>
        <translation>la traccia %1 contiene già il gruppo %2 di quell&apos;osservazione; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>cannot move the group</source>
        <translation>impossibile spostare il gruppo</translation>
    </message>
    <message>
        <source>cannot save the observer %1</source>
        <translation>impossibile salvare l&apos;osservatore %1</translation>
    </message>
    <message>
        <source>cannot save the default observer</source>
        <translation>impossibile salvare l&apos;osservatore predefinito</translation>
    </message>
    <message>
        <source>cannot save the equipment profile %1</source>
        <translation>impossibile salvare il profilo di strumentazione %1</translation>
    </message>
    <message>
        <source>there is no equipment profile &apos;%1&apos;: give its --method to make one</source>
        <translation>non c&apos;è nessun profilo di strumentazione &apos;%1&apos;: indicare il suo --method per crearlo</translation>
    </message>
    <message>
        <source>cannot save the observation</source>
        <translation>impossibile salvare l&apos;osservazione</translation>
    </message>
    <message>
        <source>cannot save the image of the observation</source>
        <translation>impossibile salvare l&apos;immagine dell&apos;osservazione</translation>
    </message>
    <message>
        <source>cannot save a spot</source>
        <translation>impossibile salvare una macchia</translation>
    </message>
    <message>
        <source>cannot save group %1</source>
        <translation>impossibile salvare il gruppo %1</translation>
    </message>
    <message>
        <source>cannot save a new track</source>
        <translation>impossibile salvare una nuova traccia</translation>
    </message>
    <message>
        <source>the log already holds an observation by %1 at %2; nothing was written</source>
        <translation>il registro contiene già un&apos;osservazione di %1 alle %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>cannot keep the seeing and the equipment</source>
        <translation>impossibile conservare il seeing e la strumentazione</translation>
    </message>
    <message>
        <source>cannot save k</source>
        <translation>impossibile salvare k</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log</source>
        <translation>non c&apos;è nessun osservatore %1 nel registro</translation>
    </message>
    <message>
        <source>track %1 holds no group any more</source>
        <translation>la traccia %1 non contiene più alcun gruppo</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Registro osservativo</translation>
    </message>
    <message>
        <source>give the log&apos;s file: neither XDG_DATA_HOME nor HOME names a folder for it</source>
        <translation>indicare il file del registro: né XDG_DATA_HOME né HOME indicano una cartella per esso</translation>
    </message>
    <message>
        <source>cannot read %1 again for its SHA-256</source>
        <translation>impossibile rileggere %1 per il suo SHA-256</translation>
    </message>
    <message>
        <source>the log has no observer yet: give your observer code</source>
        <translation>il registro non ha ancora un osservatore: indicare il proprio codice osservatore</translation>
    </message>
    <message>
        <source>date to place the tracks on</source>
        <translation>data in cui collocare le tracce</translation>
    </message>
    <message>
        <source>Choose a group of a track first</source>
        <translation>Scegliere prima un gruppo di una traccia</translation>
    </message>
    <message>
        <source>There is no move to undo</source>
        <translation>Non c&apos;è nessuno spostamento da annullare</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a track&apos;s number nor new</source>
        <translation>&apos;%1&apos; non è né un numero di traccia né new</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 as given</source>
        <translation>EXIF DateTimeOriginal, orologio della fotocamera %1 come indicato</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 (OffsetTimeOriginal)</source>
        <translation>EXIF DateTimeOriginal, orologio della fotocamera %1 (OffsetTimeOriginal)</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock taken as UT (no offset given)</source>
        <translation>EXIF DateTimeOriginal, orologio della fotocamera preso come UT (nessuno scarto indicato)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>nord solare ruotato di %1° in senso antiorario, specchiato (%2, %3, %4)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>nord solare ruotato di %1° in senso antiorario (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>nord celeste ruotato di %1° in senso antiorario, specchiato (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>nord celeste ruotato di %1° in senso antiorario (%2, %3, %4)</translation>
    </message>
    <message>
        <source>centre %1, %2, radius %3 px (%4)</source>
        <translation>centro %1, %2, raggio %3 px (%4)</translation>
    </message>
    <message>
        <source>the header&apos;s disk (%1) is set aside: it does not fit the %2 x %3 image</source>
        <translation>il disco dell&apos;intestazione (%1) è scartato: non sta nell&apos;immagine di %2 x %3</translation>
    </message>
    <message>
        <source>the header&apos;s disk: %1</source>
        <translation>il disco dell&apos;intestazione: %1</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a date</source>
        <translation>%1 &apos;%2&apos; dell&apos;intestazione FITS non è una data</translation>
    </message>
    <message>
        <source>%1 and the time of %2</source>
        <translation>%1 e l&apos;ora di %2</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; dell&apos;intestazione FITS non è un&apos;ora del giorno</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>il bordo trovato è dove sale un anello brillante al lembo (EUV, Ca-K), entro circa l&apos;1 % dalla fotosfera</translation>
    </message>
    <message>
        <source>%1; the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>%1; il bordo trovato è dove sale un anello brillante al lembo (EUV, Ca-K), entro circa l&apos;1 % dalla fotosfera</translation>
    </message>
    <message>
        <source>the header&apos;s disk (radius %1 px) is set aside: the limb found on the image (radius %2 px) does not agree with it</source>
        <translation>il disco dell&apos;intestazione (raggio %1 px) è scartato: il lembo trovato nell&apos;immagine (raggio %2 px) non concorda con esso</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % outside the header&apos;s photosphere, whose radius is used</source>
        <translation>adattamento del lembo %1 px, intestazione %2 px: il bordo adattato è %3 % fuori dalla fotosfera dell&apos;intestazione, di cui si usa il raggio</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % inside the header&apos;s photosphere, whose radius is used</source>
        <translation>adattamento del lembo %1 px, intestazione %2 px: il bordo adattato è %3 % dentro la fotosfera dell&apos;intestazione, di cui si usa il raggio</translation>
    </message>
    <message>
        <source>The image %1 cannot be read; it may be damaged or cut short (%2).</source>
        <translation>L&apos;immagine %1 non può essere letta; forse è danneggiata o troncata (%2).</translation>
    </message>
    <message>
        <source>%1 is not an image Quorvel can open: by its content it is none of PNG, JPEG, TIFF, BMP and FITS.</source>
        <translation>%1 non è un&apos;immagine che Quorvel può aprire: dal contenuto non è né PNG, né JPEG, né TIFF, né BMP, né FITS.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is too small to hold a solar disk.</source>
        <translation>L&apos;immagine %1 (%2 x %3 pixel) è troppo piccola per contenere un disco solare.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is larger than Quorvel measures: at most %4 pixels, %5 on a side.</source>
        <translation>L&apos;immagine %1 (%2 x %3 pixel) è più grande di quanto Quorvel misura: al massimo %4 pixel, %5 per lato.</translation>
    </message>
    <message>
        <source>%1: not enough memory for this image</source>
        <translation>%1: memoria insufficiente per questa immagine</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Found %1 spots.</source>
        <translation>Trovate %1 macchie.</translation>
    </message>
    <message>
        <source>Found %1 spots; %2.</source>
        <translation>Trovate %1 macchie; %2.</translation>
    </message>
    <message>
        <source>There is no group %1.</source>
        <translation>Non c&apos;è nessun gruppo %1.</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>impossibile leggere %1: il file non esiste</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe or a device)</source>
        <translation>non è un file normale (una pipe con nome o un dispositivo)</translation>
    </message>
    <message>
        <source>Find the spots first: Save to Log keeps the count of an image</source>
        <translation>Trovare prima le macchie: Salva nel registro conserva il conteggio di un’immagine</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Salva nel registro</translation>
    </message>
    <message>
        <source>The annotated image could not be made: not enough memory for this image.</source>
        <translation>Impossibile creare l&apos;immagine annotata: memoria insufficiente per questa immagine.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Niente da annullare.</translation>
    </message>
    <message>
        <source>Undone.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Niente da ripetere.</translation>
    </message>
    <message>
        <source>Done again.</source>
        <translation>Ripetuto.</translation>
    </message>
    <message>
        <source>Off the disk  %1</source>
        <translation>Fuori dal disco  %1</translation>
    </message>
    <message>
        <source>Lat %1 S  CMD %2 E  Carr %3  %4</source>
        <translation>Lat %1 S  DMC %2 E  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 S  CMD %2 W  Carr %3  %4</source>
        <translation>Lat %1 S  DMC %2 O  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 N  CMD %2 E  Carr %3  %4</source>
        <translation>Lat %1 N  DMC %2 E  Carr %3  %4</translation>
    </message>
    <message>
        <source>Lat %1 N  CMD %2 W  Carr %3  %4</source>
        <translation>Lat %1 N  DMC %2 O  Carr %3  %4</translation>
    </message>
    <message>
        <source>The document viewer could not open &apos;%1&apos; (%2 ended with status %3). Install a PDF viewer, or open the file yourself: %4</source>
        <translation>Il visualizzatore di documenti non ha potuto aprire &apos;%1&apos; (%2 è terminato con lo stato %3). Installare un visualizzatore PDF, o aprire il file da sé: %4</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>è cambiato mentre veniva aperto</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>il nome indica una cartella</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>l&apos;output standard</translation>
    </message>
    <message>
        <source>could not make an image of %1 x %2 pixels: not enough memory</source>
        <translation>impossibile creare un&apos;immagine di %1 x %2 pixel: memoria insufficiente</translation>
    </message>
    <message>
        <source>could not encode the PNG image for %1</source>
        <translation>impossibile codificare l&apos;immagine PNG per %1</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .log</source>
        <translation>il file di uscita deve finire in .png, .svg o .log</translation>
    </message>
    <message>
        <source>The disk diameter of %1 mm is not from %2 to %3 mm.</source>
        <translation>Il diametro del disco di %1 mm non è tra %2 e %3 mm.</translation>
    </message>
    <message>
        <source>The disk diameter of %1 pixels is not from 1 to %2 pixels.</source>
        <translation>Il diametro del disco di %1 pixel non è tra 1 e %2 pixel.</translation>
    </message>
    <message>
        <source>A disk of %1 pixels makes an image of about %2 million pixels, more than the %3 million this program makes: choose a smaller diameter, or SVG or PDF.</source>
        <translation>Un disco di %1 pixel dà un&apos;immagine di circa %2 milioni di pixel, più dei %3 milioni che questo programma crea: scegliere un diametro minore, o SVG o PDF.</translation>
    </message>
    <message>
        <source>A disk of %1 mm with its scale and caption needs %2 x %3 mm; the printable area is %4 x %5 mm. Choose a smaller diameter or a larger paper.</source>
        <translation>Un disco di %1 mm con la sua scala e la didascalia richiede %2 x %3 mm; l&apos;area stampabile è di %4 x %5 mm. Scegliere un diametro minore o una carta più grande.</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg, .pdf or .log</source>
        <translation>il file di uscita deve finire in .png, .svg, .pdf o .log</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link another user made to another file; it is not followed</source>
        <translation>&apos;%1&apos; è un collegamento che un altro utente ha fatto verso un altro file; non viene seguito</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a settings file</source>
        <translation>&apos;%1&apos; è una cartella, non un file di impostazioni</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a settings file</source>
        <translation>&apos;%1&apos; non è un file di impostazioni</translation>
    </message>
    <message>
        <source>the precise model covers the years -1999 to 3000</source>
        <translation>il modello preciso copre gli anni da -1999 a 3000</translation>
    </message>
    <message>
        <source>no solar disk was found</source>
        <translation>non è stato trovato alcun disco solare</translation>
    </message>
    <message>
        <source>no solar disk was found: the circle found is no brighter inside than outside (a bright ring, or a coronagraph&apos;s occulter)</source>
        <translation>non è stato trovato alcun disco solare: il cerchio trovato non è più luminoso dentro che fuori (un anello brillante, o l&apos;occultatore di un coronografo)</translation>
    </message>
    <message>
        <source>%1. Set the limb by 3 points.</source>
        <translation>%1. Impostare il lembo da 3 punti.</translation>
    </message>
    <message>
        <source>The FITS file %1 is cut short: its header declares %2 x %3 pixels, %4 bytes in all, but the file holds %5.</source>
        <translation>Il file FITS %1 è troncato: la sua intestazione dichiara %2 x %3 pixel, %4 byte in tutto, ma il file ne contiene %5.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: %2.</source>
        <translation>Il file FITS %1 è danneggiato o troncato: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 cannot be read: %2.</source>
        <translation>Il file FITS %1 non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged: %2.</source>
        <translation>Il file FITS %1 è danneggiato: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 holds no image.</source>
        <translation>Il file FITS %1 non contiene alcuna immagine.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: its compressed tile %2 cannot be read.</source>
        <translation>Il file FITS %1 è danneggiato o troncato: la sua tessera compressa %2 non può essere letta.</translation>
    </message>
    <message>
        <source>The FITS file %1 is tile-compressed in a way Quorvel does not read: its tiles span several planes, hold 64-bit values, or use a code or a mask it does not know.</source>
        <translation>Il file FITS %1 è compresso a tessere in un modo che Quorvel non legge: le sue tessere coprono più piani, contengono valori a 64 bit o usano un codice o una maschera che non conosce.</translation>
    </message>
</context>
<context>
    <name>TrueScaleDialog</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Date, time, place, P, B0, L0 and rotation below the disk</source>
        <translation>Data, ora, luogo, P, B0, L0 e rotazione sotto il disco</translation>
    </message>
    <message>
        <source>Disk diameter, pixels (PNG, SVG)</source>
        <translation>Diametro del disco, pixel (PNG, SVG)</translation>
    </message>
    <message>
        <source>Disk diameter, mm</source>
        <translation>Diametro del disco, mm</translation>
    </message>
    <message>
        <source>Disk diameter, mm (PDF)</source>
        <translation>Diametro del disco, mm (PDF)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Immagine PNG (*.png);;Disegno SVG (*.svg);;Documento PDF (*.pdf)</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>quorvel::GraphicsWindow</name>
    <message>
        <source>Quorvel-G       Graphics production version of Quorvel</source>
        <translation>Quorvel-G       Versione grafica di Quorvel</translation>
    </message>
    <message>
        <source>&amp;Position angles</source>
        <translation>Angoli di &amp;posizione</translation>
    </message>
    <message>
        <source>Check for a position angle scale</source>
        <translation>Spuntare per una scala degli angoli di posizione</translation>
    </message>
    <message>
        <source>S&amp;olar rotation arrows</source>
        <translation>Frecce di r&amp;otazione</translation>
    </message>
    <message>
        <source>Check to show axes and NS meridian</source>
        <translation>Spuntare per mostrare gli assi e il meridiano NS</translation>
    </message>
    <message>
        <source>Quorvel Normal &amp;View</source>
        <translation>Vista &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Graphics Ready View</source>
        <translation>Vista &amp;grafica finale</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copia negli appunti</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Default st&amp;yle</source>
        <translation>Stile &amp;iniziale</translation>
    </message>
    <message>
        <source>The design&apos;s sizes, colours, &quot;Equator&quot; and &quot;Axes&quot;; drawn at the next view button.</source>
        <translation>Le dimensioni e i colori originali, «Equatore» e «Assi»; disegnati al prossimo pulsante di vista.</translation>
    </message>
    <message>
        <source>&amp;Bckgrnd</source>
        <translation>&amp;Sfondo</translation>
    </message>
    <message>
        <source>Dis&amp;k</source>
        <translation>Dis&amp;co</translation>
    </message>
    <message>
        <source>&amp;Limb</source>
        <translation>&amp;Lembo</translation>
    </message>
    <message>
        <source>Gri&amp;d</source>
        <translation>&amp;Reticolo</translation>
    </message>
    <message>
        <source>E&amp;quator</source>
        <translation>E&amp;quatore</translation>
    </message>
    <message>
        <source>PA &amp;Scale</source>
        <translation>Scala &amp;AP</translation>
    </message>
    <message>
        <source>Arro&amp;ws</source>
        <translation>Fr&amp;ecce</translation>
    </message>
    <message>
        <source>S&amp;un axis</source>
        <translation>&amp;Asse</translation>
    </message>
    <message>
        <source>Equ&amp;ator</source>
        <translation>E&amp;quat.</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;ssi</translation>
    </message>
    <message>
        <source>Solar diameter, pixels</source>
        <translation>Diametro solare, pixel</translation>
    </message>
    <message>
        <source>Grid interval, degrees</source>
        <translation>Passo del reticolo, gradi</translation>
    </message>
    <message>
        <source>Angle mark interval</source>
        <translation>Passo delle tacche</translation>
    </message>
    <message>
        <source>Angular interval in position angle scale</source>
        <translation>Intervallo angolare nella scala degli angoli di posizione</translation>
    </message>
    <message>
        <source>Angle label  interval</source>
        <translation>Passo delle etichette</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Ang from N</source>
        <translation>Ang. da N</translation>
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
        <translation>RC</translation>
    </message>
    <message>
        <source>Carrington rotation number</source>
        <translation>Numero di rotazione di Carrington</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Numero di rotazione di Carrington: cresce di uno ogni volta che L0 passa da 0 a 360.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Save I&amp;mage...</source>
        <translation>Sal&amp;va...</translation>
    </message>
    <message>
        <source>The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres.</source>
        <translation>Solo la vista grafica: PNG o SVG con un diametro del disco in pixel, PDF in millimetri.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank).</source>
        <translation>Stampa la vista grafica con il disco a un diametro in millimetri (150 mm danno un modello di disegno).</translation>
    </message>
</context>
<context>
    <name>quorvel::LogDialog</name>
    <message>
        <source>Observations</source>
        <translation>Osservazioni</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracce</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Data (UT)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Osservatore</translation>
    </message>
    <message>
        <source>Seeing</source>
        <translation>Seeing</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Conteggio</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>AAVSO monthly text</source>
        <translation>Testo mensile AAVSO</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>BAA monthly CSV</source>
        <translation>CSV mensile BAA</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Groups CSV (the month, or all when empty)</source>
        <translation>CSV dei gruppi (il mese, o tutto se vuoto)</translation>
    </message>
    <message>
        <source>Daily R of the month (plot)</source>
        <translation>R giornaliero del mese (grafico)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Immagini PNG (*.png);;Disegni SVG (*.svg)</translation>
    </message>
    <message>
        <source>Butterfly diagram (the month, or all when empty)</source>
        <translation>Diagramma a farfalla (il mese, o tutto se vuoto)</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Registro osservativo</translation>
    </message>
    <message>
        <source>Other &amp;Log...</source>
        <translation>Altro &amp;registro...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Salva rapporto...</translation>
    </message>
    <message>
        <source>&amp;Open Measurement</source>
        <translation>Apri m&amp;isura</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>1 observation</source>
        <translation>1 osservazione</translation>
    </message>
    <message>
        <source>%1 observations</source>
        <translation>%1 osservazioni</translation>
    </message>
    <message>
        <source>image</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>by hemisphere</source>
        <translation>per emisfero</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco intero</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Apri registro</translation>
    </message>
    <message>
        <source>Logs (*.sqlite);;All files (*)</source>
        <translation>Registri (*.sqlite);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>M&amp;ese</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) the great circle passing through the Sun and the Zenith.</source>
        <translation>Angolo tra (1) il meridiano passante per il Sole e il polo nord celeste e (2) il cerchio massimo passante per il Sole e lo zenit.</translation>
    </message>
    <message>
        <source>E&amp;W drift</source>
        <translation>&amp;Deriva</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Disegna</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Grafica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Measure Image...</source>
        <translation>&amp;Misura immagine...</translation>
    </message>
    <message>
        <source>Your own image of the Sun: the grid over it, and spots measured by a click.</source>
        <translation>La vostra immagine del Sole: il reticolo sopra e macchie misurate con un clic.</translation>
    </message>
    <message>
        <source>Sun Position</source>
        <translation>Posizione del Sole</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude, degrees</source>
        <translation>Altezza del Sole, gradi</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth, degrees from north measured through east.</source>
        <translation>Azimut del Sole, gradi da nord passando per est.</translation>
    </message>
    <message>
        <source>N - S meridian tilt</source>
        <translation>Inclinazione meridiano N-S</translation>
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
        <translation>RC</translation>
    </message>
    <message>
        <source>Carrington rotation number</source>
        <translation>Numero di rotazione di Carrington</translation>
    </message>
    <message>
        <source>Heliographic latitude of centre of sun&apos;s disk, degrees.  N pole is tilted towards Earth if Bo is positive.</source>
        <translation>Latitudine eliografica del centro del disco solare, gradi.  Il polo N è inclinato verso la Terra se B0 è positivo.</translation>
    </message>
    <message>
        <source>Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.</source>
        <translation>Angolo di posizione dell&apos;estremità nord dell&apos;asse di rotazione, misurato verso est dal punto nord del disco.</translation>
    </message>
    <message>
        <source>Heliographic longitude, degrees, of the centre of the Sun&apos;s disk.</source>
        <translation>Longitudine eliografica del centro del disco solare, gradi.</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Numero di rotazione di Carrington: cresce di uno ogni volta che L0 passa da 0 a 360.</translation>
    </message>
    <message>
        <source>Hr ang</source>
        <translation>Ang. or.</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Hour angle of sun.  </source>
        <translation>Angolo orario del Sole.  </translation>
    </message>
</context>
<context>
    <name>quorvel::MeasureWindow</name>
    <message>
        <source>Date, time and place</source>
        <translation>Data, ora e luogo</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>D</source>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>A</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Std time minus UT</source>
        <translation>Ora std meno UT</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message>
        <source>Long (E neg.)</source>
        <translation>Long (E neg.)</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Le longitudini est sono negative</translation>
    </message>
    <message>
        <source>Orientation of the image</source>
        <translation>Orientamento dell&apos;immagine</translation>
    </message>
    <message>
        <source>As seen in the telescope</source>
        <translation>Come visto nel telescopio</translation>
    </message>
    <message>
        <source>Celestial north up, east left</source>
        <translation>Nord celeste in alto, est a sinistra</translation>
    </message>
    <message>
        <source>Solar north up</source>
        <translation>Nord solare in alto</translation>
    </message>
    <message>
        <source>Altaz mount</source>
        <translation>Montatura altazimutale</translation>
    </message>
    <message>
        <source>Flip image horizontally</source>
        <translation>Ribalta l&apos;immagine orizzontalmente</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Degrees the image is turned further, counterclockwise (a turned camera)</source>
        <translation>Gradi di cui l&apos;immagine è ruotata in più, in senso antiorario (una fotocamera ruotata)</translation>
    </message>
    <message>
        <source>Turned (deg, counterclockwise)</source>
        <translation>Ruotata (gradi, antiorario)</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Grid every</source>
        <translation>Reticolo ogni</translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Equatore</translation>
    </message>
    <message>
        <source>Axis and pole</source>
        <translation>Asse e polo</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Lembo</translation>
    </message>
    <message>
        <source>PA scale</source>
        <translation>Scala AP</translation>
    </message>
    <message>
        <source>N and E</source>
        <translation>N ed E</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Macchie</translation>
    </message>
    <message>
        <source>Degrees between the grid&apos;s lines, 1 to 90</source>
        <translation>Gradi tra le linee del reticolo, da 1 a 90</translation>
    </message>
    <message>
        <source>Grid every (degrees)</source>
        <translation>Reticolo ogni (gradi)</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Apri immagine...</translation>
    </message>
    <message>
        <source>No limb yet.</source>
        <translation>Ancora nessun lembo.</translation>
    </message>
    <message>
        <source>Find Limb</source>
        <translation>Trova lembo</translation>
    </message>
    <message>
        <source>Limb by 3 Points</source>
        <translation>Lembo da 3 punti</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Elimina riga</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Salva CSV...</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Salva immagine...</translation>
    </message>
    <message>
        <source>Save to Log...</source>
        <translation>Salva nel registro...</translation>
    </message>
    <message>
        <source>Measured Spots</source>
        <translation>Macchie misurate</translation>
    </message>
    <message>
        <source>Count Spots</source>
        <translation>Conta macchie</translation>
    </message>
    <message>
        <source>Click a point on the limb (%1 of 3).</source>
        <translation>Fare clic su un punto del lembo (%1 di 3).</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Misura immagine</translation>
    </message>
    <message>
        <source>Open an image of the Sun, or a drawing of it.</source>
        <translation>Aprire un&apos;immagine del Sole o un suo disegno.</translation>
    </message>
    <message>
        <source>The date and time are not yet set for this image: type them, or keep them.</source>
        <translation>La data e l&apos;ora di questa immagine non sono ancora impostate: digitarle o mantenerle.</translation>
    </message>
    <message>
        <source>The turn of the image is not a number of degrees from -360 to 360.</source>
        <translation>La rotazione dell&apos;immagine non è un numero di gradi da -360 a 360.</translation>
    </message>
    <message>
        <source>Carrington rotation %1</source>
        <translation>Rotazione di Carrington %1</translation>
    </message>
    <message>
        <source>A camera&apos;s JPEG: its clock&apos;s offset to UT, +HH:MM or hours</source>
        <translation>JPEG di una fotocamera: scarto del suo orologio da UT, +HH:MM o ore</translation>
    </message>
    <message>
        <source>Camera clock: UT+hh:mm</source>
        <translation>Orologio fotocamera: UT+hh:mm</translation>
    </message>
    <message>
        <source>Seeing &amp;&amp; Equipment...</source>
        <translation>Seeing &amp;&amp; strumentazione...</translation>
    </message>
    <message>
        <source>The next Save to Log keeps %1</source>
        <translation>Il prossimo salvataggio nel registro conserva %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo the last row added or deleted, or the last change of the limb (Ctrl+Z)</source>
        <translation>Annullare l&apos;ultima riga aggiunta o eliminata, o l&apos;ultima modifica del lembo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Rifare ciò che è stato annullato (Ctrl+Maiusc+Z o Ctrl+Y)</translation>
    </message>
    <message>
        <source>the limb found again</source>
        <translation>lembo ritrovato</translation>
    </message>
    <message>
        <source>the limb moved</source>
        <translation>lembo spostato</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it; to correct the limb, press Move Limb (Ctrl+M) and drag it.</source>
        <translation>Fare clic su una macchia del disco per misurarla; per correggere il lembo, premere Sposta lembo (Ctrl+M) e trascinarlo.</translation>
    </message>
    <message>
        <source>the limb set through three points</source>
        <translation>lembo fissato da tre punti</translation>
    </message>
    <message>
        <source>spot %1 added</source>
        <translation>macchia %1 aggiunta</translation>
    </message>
    <message>
        <source>Choose the rows to delete in the table first.</source>
        <translation>Scegliere prima nella tabella le righe da eliminare.</translation>
    </message>
    <message>
        <source>row %1 deleted</source>
        <translation>riga %1 eliminata</translation>
    </message>
    <message>
        <source>%1 rows deleted</source>
        <translation>%1 righe eliminate</translation>
    </message>
    <message>
        <source>%1; Ctrl+Z undoes it.</source>
        <translation>%1; Ctrl+Z lo annulla.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Niente da rifare.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Niente da annullare.</translation>
    </message>
    <message>
        <source>Done again: %1.</source>
        <translation>Rifatto: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annullato: %1.</translation>
    </message>
    <message>
        <source>Move Limb</source>
        <translation>Sposta lembo</translation>
    </message>
    <message>
        <source>While down, a drag inside the disk moves the limb and a drag on its edge resizes it; clicks add no spots (Ctrl+M; Esc leaves)</source>
        <translation>Finché è premuto, trascinare dentro il disco sposta il lembo e trascinare sul bordo lo ridimensiona; i clic non aggiungono macchie (Ctrl+M; Esc esce)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Show the whole image (Ctrl+0)</source>
        <translation>Mostra l&apos;intera immagine (Ctrl+0)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One pixel of the image on one pixel of the screen (Ctrl+1)</source>
        <translation>Un pixel dell&apos;immagine su un pixel dello schermo (Ctrl+1)</translation>
    </message>
    <message>
        <source>The zoom: the wheel over the image, or Ctrl++ and Ctrl+- (twice and half as large)</source>
        <translation>Lo zoom: la rotella sull&apos;immagine, o Ctrl++ e Ctrl+- (il doppio e la metà)</translation>
    </message>
    <message>
        <source>The grey level shown as black, 0 to 254</source>
        <translation>Il livello di grigio mostrato come nero, da 0 a 254</translation>
    </message>
    <message>
        <source>The grey level shown as white, 1 to 255</source>
        <translation>Il livello di grigio mostrato come bianco, da 1 a 255</translation>
    </message>
    <message>
        <source>Black point</source>
        <translation>Punto nero</translation>
    </message>
    <message>
        <source>White point</source>
        <translation>Punto bianco</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contrasto auto</translation>
    </message>
    <message>
        <source>Stretch the contrast of the part in view from its 0.5 % to its 99.5 % brightness (Ctrl+E)</source>
        <translation>Estendere il contrasto della parte visibile dalla sua luminosità allo 0,5 % a quella al 99,5 % (Ctrl+E)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Move Limb: drag inside the disk to move the limb, on its edge to resize it; Ctrl+Z undoes. Press Move Limb again (or Esc) to add spots.</source>
        <translation>Sposta lembo: trascinare dentro il disco sposta il lembo, sul suo bordo lo ridimensiona; Ctrl+Z annulla. Premere di nuovo Sposta lembo (o Esc) per aggiungere macchie.</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it.</source>
        <translation>Fare clic su una macchia del disco per misurarla.</translation>
    </message>
    <message>
        <source>No limb.</source>
        <translation>Nessun lembo.</translation>
    </message>
    <message>
        <source>, or &lt;a href=&quot;keep&quot;&gt;keep the date and time shown&lt;/a&gt;</source>
        <translation>, oppure &lt;a href=&quot;keep&quot;&gt;mantenere la data e l&apos;ora mostrate&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Date and time from the camera (%1), as UT: %2.</source>
        <translation>Data e ora dalla fotocamera (%1), in UT: %2.</translation>
    </message>
    <message>
        <source>Date and time from the FITS header (%1), as UT: %2.</source>
        <translation>Data e ora dall&apos;intestazione FITS (%1), in UT: %2.</translation>
    </message>
    <message>
        <source>The day from the FITS header (%1); it gives no time: type the time (UT).</source>
        <translation>Il giorno dall&apos;intestazione FITS (%1); non indica l&apos;ora: digitare l&apos;ora (UT).</translation>
    </message>
    <message>
        <source>Not used: %1. Type the date and time%2.</source>
        <translation>Non usato: %1. Digitare data e ora%2.</translation>
    </message>
    <message>
        <source>The FITS header gives no date: type the date and time (marked)%1.</source>
        <translation>L&apos;intestazione FITS non indica la data: digitare data e ora (evidenziate)%1.</translation>
    </message>
    <message>
        <source>The image holds no date: type the date and time (marked)%1.</source>
        <translation>L&apos;immagine non contiene la data: digitare data e ora (evidenziate)%1.</translation>
    </message>
    <message>
        <source>Place from the FITS header.</source>
        <translation>Luogo dall&apos;intestazione FITS.</translation>
    </message>
    <message>
        <source>Orientation from the FITS header: %1.</source>
        <translation>Orientamento dall&apos;intestazione FITS: %1.</translation>
    </message>
    <message>
        <source>Taken from the camera&apos;s EXIF date</source>
        <translation>Preso dalla data EXIF della fotocamera</translation>
    </message>
    <message>
        <source>The camera clock&apos;s offset to UT is +HH:MM, -HH:MM or hours, at most 14.</source>
        <translation>Lo scarto dell&apos;orologio della fotocamera da UT è +HH:MM, -HH:MM o in ore, al massimo 14.</translation>
    </message>
    <message>
        <source>: kept</source>
        <translation>: mantenute</translation>
    </message>
    <message>
        <source>Limb found: centre %1, %2, radius %3 px, scatter %4 px (%5 edge points).</source>
        <translation>Lembo trovato: centro %1, %2, raggio %3 px, dispersione %4 px (%5 punti del bordo).</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px.</source>
        <translation>Lembo impostato a mano: centro %1, %2, raggio %3 px.</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px, edge scatter %4 px.</source>
        <translation>Lembo impostato a mano: centro %1, %2, raggio %3 px, dispersione del bordo %4 px.</translation>
    </message>
    <message>
        <source>Spot %1: %2</source>
        <translation>Macchia %1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::ObservationWindow</name>
    <message>
        <source>Quorvel-G, by the Quorvel developers</source>
        <translation>Quorvel-G, del team Quorvel</translation>
    </message>
    <message>
        <source>Quorvel, by the Quorvel developers</source>
        <translation>Quorvel, del team Quorvel</translation>
    </message>
    <message>
        <source>D</source>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>A</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>Std time minus UT</source>
        <translation>Ora std meno UT</translation>
    </message>
    <message>
        <source>Day of month</source>
        <translation>Giorno del mese</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year,e.g. 2006</source>
        <translation>Anno, ad es. 2006</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Ora</translation>
    </message>
    <message>
        <source>Enters current time of PC clock - but see DST checkbox.</source>
        <translation>Inserisce l&apos;ora attuale dell&apos;orologio del PC – ma vedere la casella dell&apos;ora legale.</translation>
    </message>
    <message>
        <source>Latitude - Positive in Northern Hemisphere.</source>
        <translation>Latitudine – positiva nell&apos;emisfero nord.</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Le longitudini est sono negative</translation>
    </message>
    <message>
        <source>Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich.</source>
        <translation>Differenza dell&apos;ora solare da UTC, in ore.  Negativa per longitudini a ovest di Greenwich.</translation>
    </message>
    <message>
        <source>DS&amp;T</source>
        <translation>&amp;OL</translation>
    </message>
    <message>
        <source>Check when daylight saving (summer) time is used.</source>
        <translation>Spuntare quando è in vigore l&apos;ora legale.</translation>
    </message>
    <message>
        <source>Alta&amp;z mount</source>
        <translation>Alta&amp;z</translation>
    </message>
    <message>
        <source>&amp;Equat</source>
        <translation>&amp;Equat</translation>
    </message>
    <message>
        <source>&amp;Flip image horizontally</source>
        <translation>&amp;Ribalta orizzontale</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverti</translation>
    </message>
    <message>
        <source>&amp;Pos Angs</source>
        <translation>Ang. &amp;pos.</translation>
    </message>
    <message>
        <source>R&amp;otation</source>
        <translation>R&amp;otazione</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>Re&amp;tic.</translation>
    </message>
    <message>
        <source>Measure Image...</source>
        <translation>Misura immagine...</translation>
    </message>
    <message>
        <source>Observer&apos;s Log...</source>
        <translation>Registro osservativo...</translation>
    </message>
    <message>
        <source>Parameters have changed</source>
        <translation>I parametri sono cambiati</translation>
    </message>
    <message>
        <source>The point under the mouse; a click copies it for a spreadsheet.</source>
        <translation>Il punto sotto il mouse; un clic lo copia per un foglio di calcolo.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Vers. %1</translation>
    </message>
    <message>
        <source>%1 (settings not saved)</source>
        <translation>%1 (impostazioni non salvate)</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveAnswersDialog</name>
    <message>
        <source>projection</source>
        <translation>proiezione</translation>
    </message>
    <message>
        <source>visual</source>
        <translation>visuale</translation>
    </message>
    <message>
        <source>photographic</source>
        <translation>fotografico</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Salva nel registro</translation>
    </message>
    <message>
        <source>E: excellent</source>
        <translation>E: eccellente</translation>
    </message>
    <message>
        <source>G: good</source>
        <translation>G: buono</translation>
    </message>
    <message>
        <source>F: fair</source>
        <translation>F: discreto</translation>
    </message>
    <message>
        <source>P: poor</source>
        <translation>P: scarso</translation>
    </message>
    <message>
        <source>1: best</source>
        <translation>1: il migliore</translation>
    </message>
    <message>
        <source>5: worst</source>
        <translation>5: il peggiore</translation>
    </message>
    <message>
        <source>e.g. your AAVSO code</source>
        <translation>ad es. il vostro codice AAVSO</translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation>&amp;Seeing:</translation>
    </message>
    <message>
        <source>&amp;Observer code:</source>
        <translation>Codice &amp;osservatore:</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>&amp;Strumentazione:</translation>
    </message>
    <message>
        <source>&amp;Method of new equipment:</source>
        <translation>&amp;Metodo della nuova strumentazione:</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveCounted</name>
    <message>
        <source>the log&apos;s default observer</source>
        <translation>l&apos;osservatore predefinito del registro</translation>
    </message>
    <message>
        <source>observer %1</source>
        <translation>osservatore %1</translation>
    </message>
    <message>
        <source>no equipment</source>
        <translation>nessuna strumentazione</translation>
    </message>
    <message>
        <source>equipment %1</source>
        <translation>strumentazione %1</translation>
    </message>
    <message>
        <source>seeing %1, %2, %3</source>
        <translation>seeing %1, %2, %3</translation>
    </message>
    <message>
        <source>observation %1 saved in %2: %3 %4, g %5, f %6, R %7</source>
        <translation>osservazione %1 salvata in %2: %3 %4, g %5, f %6, R %7</translation>
    </message>
    <message>
        <source>; group %1 track %2 (new)</source>
        <translation>; gruppo %1 traccia %2 (nuova)</translation>
    </message>
    <message>
        <source>; group %1 track %2</source>
        <translation>; gruppo %1 traccia %2</translation>
    </message>
</context>
<context>
    <name>quorvel::SpotPanel</name>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Macchie</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>DMC</translation>
    </message>
    <message>
        <source>Carr</source>
        <translation>Carr</translation>
    </message>
    <message>
        <source>Extent</source>
        <translation>Estensione</translation>
    </message>
    <message>
        <source>Hem</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurigo</translation>
    </message>
    <message>
        <source>McIntosh</source>
        <translation>McIntosh</translation>
    </message>
    <message>
        <source>Area MSH</source>
        <translation>Area MSH</translation>
    </message>
    <message>
        <source>Umbra MSH</source>
        <translation>Ombra MSH</translation>
    </message>
    <message>
        <source>A spot region is darker than this fraction of the photosphere</source>
        <translation>Una regione di macchia è più scura di questa frazione della fotosfera</translation>
    </message>
    <message>
        <source>An umbra is darker than this fraction of the photosphere</source>
        <translation>Un&apos;ombra è più scura di questa frazione della fotosfera</translation>
    </message>
    <message>
        <source>Spots closer than this on the Sun (degrees) are one group</source>
        <translation>Le macchie più vicine di così sul Sole (gradi) formano un gruppo</translation>
    </message>
    <message>
        <source>Regions smaller across are left out: pixels, or arcseconds such as 3arcsec</source>
        <translation>Le regioni più piccole sono escluse: pixel, o secondi d&apos;arco come 3arcsec</translation>
    </message>
    <message>
        <source>Regions nearer the limb than this mu are left out</source>
        <translation>Le regioni più vicine al lembo di questo mu sono escluse</translation>
    </message>
    <message>
        <source>Find Spots</source>
        <translation>Trova macchie</translation>
    </message>
    <message>
        <source>Penumbra</source>
        <translation>Penombra</translation>
    </message>
    <message>
        <source>Umbra</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Group distance (deg)</source>
        <translation>Distanza di gruppo (gradi)</translation>
    </message>
    <message>
        <source>Min. size</source>
        <translation>Dim. min.</translation>
    </message>
    <message>
        <source>Limb margin (mu)</source>
        <translation>Margine dal lembo (mu)</translation>
    </message>
    <message>
        <source>Add Spot by Click</source>
        <translation>Aggiungi con clic</translation>
    </message>
    <message>
        <source>Merge Groups</source>
        <translation>Unisci gruppi</translation>
    </message>
    <message>
        <source>Split Off</source>
        <translation>Separa</translation>
    </message>
    <message>
        <source>The number of the group to move the chosen spots to; empty: a new group</source>
        <translation>Il numero del gruppo in cui spostare le macchie scelte; vuoto: un nuovo gruppo</translation>
    </message>
    <message>
        <source>Group to move the chosen spots to</source>
        <translation>Gruppo in cui spostare le macchie scelte</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>In gruppo</translation>
    </message>
    <message>
        <source>Delete Spot</source>
        <translation>Elimina macchia</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>as suggested</source>
        <translation>come suggerito</translation>
    </message>
    <message>
        <source>Group %1: Zurich class %2.</source>
        <translation>Gruppo %1: classe di Zurigo %2.</translation>
    </message>
    <message>
        <source>Group %1: McIntosh class %2.</source>
        <translation>Gruppo %1: classe McIntosh %2.</translation>
    </message>
</context>
<context>
    <name>quorvel::TracksPanel</name>
    <message>
        <source>&amp;Show Places</source>
        <translation>&amp;Mostra posizioni</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>First (UT)</source>
        <translation>Prima (UT)</translation>
    </message>
    <message>
        <source>Last (UT)</source>
        <translation>Ultima (UT)</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Avvistamenti</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Drift lon °/day</source>
        <translation>Deriva long °/giorno</translation>
    </message>
    <message>
        <source>Drift lat °/day</source>
        <translation>Deriva lat °/giorno</translation>
    </message>
    <message>
        <source>Return of</source>
        <translation>Ritorno di</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>DMC</translation>
    </message>
    <message>
        <source>Carrington</source>
        <translation>Carrington</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Data (UT)</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Osservazione</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>&amp;Move Group to Track...</source>
        <translation>Sposta &amp;gruppo su traccia...</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annulla spostamento</translation>
    </message>
    <message>
        <source>&amp;Place on (UT):</source>
        <translation>&amp;Posizione il (UT):</translation>
    </message>
    <message>
        <source>Groups of the track:</source>
        <translation>Gruppi della traccia:</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Sposta gruppo</translation>
    </message>
    <message>
        <source>Move the group to which track? A track&apos;s number, or new:</source>
        <translation>Spostare il gruppo su quale traccia? Numero di traccia o new:</translation>
    </message>
    <message>
        <source> (behind)</source>
        <translation> (lato nascosto)</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to track %5?</source>
        <translation>Spostare il gruppo %1 del %2 (osservazione %3) dalla traccia %4 alla traccia %5?</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to a new track?</source>
        <translation>Spostare il gruppo %1 del %2 (osservazione %3) dalla traccia %4 a una nuova traccia?</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 moved from track %3 to track %4; Undo Move puts it back</source>
        <translation>Gruppo %1 dell&apos;osservazione %2 spostato dalla traccia %3 alla traccia %4; Annulla spostamento lo rimette</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 is back on track %3</source>
        <translation>Il gruppo %1 dell&apos;osservazione %2 è tornato sulla traccia %3</translation>
    </message>
    <message>
        <source>new</source>
        <comment>the answer naming a new track</comment>
        <translation>nuova</translation>
    </message>
</context>
<context>
    <name>quorvel::TrueScale</name>
    <message>
        <source>Local %1 (DST)   zone %2 h   UT %3   JD %4</source>
        <translation>Ora locale %1 (ora legale)   fuso %2 h   UT %3   GG %4</translation>
    </message>
    <message>
        <source>Local %1   zone %2 h   UT %3   JD %4</source>
        <translation>Ora locale %1   fuso %2 h   UT %3   GG %4</translation>
    </message>
    <message>
        <source>Lat %1   Long %2 (east negative)   P %3   B0 %4   L0 %5   Rotation %6</source>
        <translation>Lat %1   Long %2 (est negativo)   P %3   B0 %4   L0 %5   Rotazione %6</translation>
    </message>
</context>
</TS>
