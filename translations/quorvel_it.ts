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
</context>
</TS>
