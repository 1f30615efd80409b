<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>Altitude</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
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
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The image was not saved: %1</source>
        <translation>La imagen no se guardó: %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>No se imprimió nada: %1</translation>
    </message>
    <message>
        <source>Please check the date entered.</source>
        <translation>Compruebe la fecha introducida.</translation>
    </message>
    <message>
        <source>Please check the time entered.</source>
        <translation>Compruebe la hora introducida.</translation>
    </message>
    <message>
        <source>Please check time difference value. This is the difference in hours between your Standard Time (not Daylight Saving Time) and Universal Time (Greenwich Mean Time).   Time differences for zones west of Greenwich are entered as negative.</source>
        <translation>Compruebe la diferencia horaria. Es la diferencia en horas entre su hora estándar (no la hora de verano) y el tiempo universal (hora media de Greenwich).   Las diferencias de las zonas al oeste de Greenwich se introducen como negativas.</translation>
    </message>
    <message>
        <source>Please check the latitude and longitude entered.</source>
        <translation>Compruebe la latitud y la longitud introducidas.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used. It is kept as &apos;%1.bad&apos;.</source>
        <translation>El archivo de ajustes «%1» contiene valores fuera de rango (%2); se usan los valores predeterminados. Se conserva como «%1.bad».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used.</source>
        <translation>El archivo de ajustes «%1» contiene valores fuera de rango (%2); se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large to keep: it must lie between %3 and %4. The settings were not saved; &apos;%5&apos; keeps the previous ones.</source>
        <translation>Valor demasiado grande para %1: %2 debe estar entre %3 y %4. Los ajustes no se guardaron; «%5» conserva los anteriores.</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>time difference</source>
        <translation>diferencia horaria</translation>
    </message>
    <message>
        <source>angle label interval</source>
        <translation>intervalo de etiquetas de ángulo</translation>
    </message>
    <message>
        <source>angle mark interval</source>
        <translation>intervalo de marcas de ángulo</translation>
    </message>
    <message>
        <source>label font size</source>
        <translation>tamaño de letra de las etiquetas</translation>
    </message>
    <message>
        <source>grid interval</source>
        <translation>intervalo de la retícula</translation>
    </message>
    <message>
        <source>solar diameter</source>
        <translation>diámetro solar</translation>
    </message>
    <message>
        <source>The settings could not be saved to &apos;%1&apos;: %2. The previous settings file is unchanged.</source>
        <translation>No se pudieron guardar los ajustes en «%1»: %2. El archivo de ajustes anterior no ha cambiado.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Ajustes no guardados</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>The %1 %2 is not a whole number of %3 from 1 to %4.</source>
        <translation>%1: %2 no es un número entero de %3 de 1 a %4.</translation>
    </message>
    <message>
        <source>Help Error</source>
        <translation>Error de ayuda</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>The graphics program quorvel_g could not be started from %1: %2.</source>
        <translation>No se pudo iniciar el programa gráfico quorvel_g desde %1: %2.</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Medir imagen</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing from %2.   Help cannot open.</source>
        <translation>Falta el archivo «%1» en %2.   La ayuda no puede abrirse.</translation>
    </message>
    <message>
        <source>No document viewer could open &apos;%1&apos;. Install xdg-utils and a PDF viewer (for example: sudo apt install xdg-utils evince), or open the file yourself: %2/%1</source>
        <translation>Ningún visor de documentos pudo abrir «%1». Instale xdg-utils y un visor de PDF (por ejemplo: sudo apt install xdg-utils evince) o abra el archivo usted mismo: %2/%1</translation>
    </message>
    <message>
        <source>No limb: set it first.</source>
        <translation>Sin limbo: fíjelo primero.</translation>
    </message>
    <message>
        <source>The three points lie on a line: no limb through them.</source>
        <translation>Los tres puntos están en una recta: ningún limbo pasa por ellos.</translation>
    </message>
    <message>
        <source>Limb set through the three points.</source>
        <translation>Limbo fijado por los tres puntos.</translation>
    </message>
    <message>
        <source>Off the disk.</source>
        <translation>Fuera del disco.</translation>
    </message>
    <message>
        <source>The counts and the groups copied.</source>
        <translation>Recuentos y grupos copiados.</translation>
    </message>
    <message>
        <source>Groups merged.</source>
        <translation>Grupos unidos.</translation>
    </message>
    <message>
        <source>The spots chosen make a group of their own.</source>
        <translation>Las manchas elegidas forman un grupo propio.</translation>
    </message>
    <message>
        <source>Spots deleted.</source>
        <translation>Manchas borradas.</translation>
    </message>
    <message>
        <source>The thresholds need 0 &lt; umbra &lt; penumbra &lt; 1, such as 0.92 and 0.75.</source>
        <translation>Los umbrales requieren 0 &lt; umbra &lt; penumbra &lt; 1, por ejemplo 0.92 y 0.75.</translation>
    </message>
    <message>
        <source>The group distance is a number of degrees from 0 to 180.</source>
        <translation>La distancia de grupo es un número de grados de 0 a 180.</translation>
    </message>
    <message>
        <source>The minimum size is a number of pixels from 0 to 10000, or of arcseconds such as 3arcsec.</source>
        <translation>El tamaño mínimo es un número de píxeles de 0 a 10000, o de segundos de arco como 3arcsec.</translation>
    </message>
    <message>
        <source>The limb margin is a mu from 0 up to 1.</source>
        <translation>El margen del limbo es un mu de 0 hasta menos de 1.</translation>
    </message>
    <message>
        <source>Open an image, find its limb and give its date, time and place first.</source>
        <translation>Abra primero una imagen, busque su limbo e indique su fecha, hora y lugar.</translation>
    </message>
    <message>
        <source>Spot added.</source>
        <translation>Mancha añadida.</translation>
    </message>
    <message>
        <source>Spots moved.</source>
        <translation>Manchas movidas.</translation>
    </message>
    <message>
        <source>%1 spots measured</source>
        <translation>%1 manchas medidas</translation>
    </message>
    <message>
        <source>count of %1 spots</source>
        <translation>recuento de %1 manchas</translation>
    </message>
    <message>
        <source>%1 clears the %2 and not saved. %3 all the same?</source>
        <translation>%1 borra: %2, sin guardar. ¿%3 de todos modos?</translation>
    </message>
    <message>
        <source>Closing the window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Close it</source>
        <translation>Cerrarla</translation>
    </message>
    <message>
        <source>Opening another image</source>
        <translation>Abrir otra imagen</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>Abrirla</translation>
    </message>
    <message>
        <source>Moving the limb</source>
        <translation>Mover el limbo</translation>
    </message>
    <message>
        <source>Move it</source>
        <translation>Moverlo</translation>
    </message>
    <message>
        <source>%1 group</source>
        <translation>%1 grupo</translation>
    </message>
    <message>
        <source>%1 groups</source>
        <translation>%1 grupos</translation>
    </message>
    <message>
        <source>%1 spot</source>
        <translation>%1 mancha</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 manchas</translation>
    </message>
    <message>
        <source>g %1  f %2  R %3  north %4, %5  south %6, %7  area %8 MSH</source>
        <translation>g %1  f %2  R %3  norte %4, %5  sur %6, %7  área %8 MSH</translation>
    </message>
    <message>
        <source>the point %1,%2 lies off the disk</source>
        <translation>el punto %1,%2 queda fuera del disco</translation>
    </message>
    <message>
        <source>there is no spot %1</source>
        <translation>no hay ninguna mancha %1</translation>
    </message>
    <message>
        <source>there is no group %1</source>
        <translation>no hay ningún grupo %1</translation>
    </message>
    <message>
        <source>no spots were chosen to move</source>
        <translation>no se eligieron manchas para mover</translation>
    </message>
    <message>
        <source>choose two groups or more to merge</source>
        <translation>elija dos grupos o más para unir</translation>
    </message>
    <message>
        <source>the spots to split off lie in different groups</source>
        <translation>las manchas que separar están en grupos distintos</translation>
    </message>
    <message>
        <source>no spots were chosen to split off</source>
        <translation>no se eligieron manchas para separar</translation>
    </message>
    <message>
        <source>a group split must keep a spot in each part</source>
        <translation>un grupo dividido debe conservar una mancha en cada parte</translation>
    </message>
    <message>
        <source>no spots were chosen to delete</source>
        <translation>no se eligieron manchas para borrar</translation>
    </message>
    <message>
        <source>a Zurich class is one of A, B, C, D, E, F, G, H and J</source>
        <translation>una clase de Zúrich es una de A, B, C, D, E, F, G, H y J</translation>
    </message>
    <message>
        <source>a McIntosh class is three letters Zpc, such as Dkc</source>
        <translation>una clase de McIntosh son tres letras Zpc, como Dkc</translation>
    </message>
    <message>
        <source>%1 region within the limb margin (mu &lt; %2)</source>
        <translation>%1 región dentro del margen del limbo (mu &lt; %2)</translation>
    </message>
    <message>
        <source>%1 regions within the limb margin (mu &lt; %2)</source>
        <translation>%1 regiones dentro del margen del limbo (mu &lt; %2)</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>descartado: %1</translation>
    </message>
    <message>
        <source>left out: %1, %2 smaller than %3 px</source>
        <translation>descartado: %1, %2 menores de %3 px</translation>
    </message>
    <message>
        <source>left out: %1 region smaller than %2 px</source>
        <translation>descartado: %1 región menor de %2 px</translation>
    </message>
    <message>
        <source>left out: %1 regions smaller than %2 px</source>
        <translation>descartado: %1 regiones menores de %2 px</translation>
    </message>
    <message>
        <source>cannot write the backup copy %1 before migrating the log: %2; the log is left as it is</source>
        <translation>no se puede escribir la copia de seguridad %1 antes de migrar el registro: %2; el registro queda como está</translation>
    </message>
    <message>
        <source>there is no log at %1 (log add starts one)</source>
        <translation>no hay ningún registro en %1 (log add crea uno)</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is not an SQLite database; it is left as it is</source>
        <translation>%1 no es un registro de Quorvel: no es una base de datos SQLite; queda como está</translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation>no se puede abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: %2; it is left as it is</source>
        <translation>%1 no es un registro de Quorvel: %2; queda como está</translation>
    </message>
    <message>
        <source>the log %1 is empty</source>
        <translation>el registro %1 está vacío</translation>
    </message>
    <message>
        <source>cannot make the log: %1</source>
        <translation>no se puede crear el registro: %1</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is another program&apos;s database; it is left as it is</source>
        <translation>%1 no es un registro de Quorvel: es la base de datos de otro programa; queda como está</translation>
    </message>
    <message>
        <source>the log %1 has schema version %2, newer than this program&apos;s %3: use a newer Quorvel; it is left as it is</source>
        <translation>el registro %1 tiene la versión de esquema %2, más nueva que la %3 de este programa: use un Quorvel más nuevo; queda como está</translation>
    </message>
    <message>
        <source>the log %1 fails its integrity check (%2); it is left as it is: restore a backup or export what can be read</source>
        <translation>el registro %1 no pasa su comprobación de integridad (%2); queda como está: restaure una copia de seguridad o exporte lo que se pueda leer</translation>
    </message>
    <message>
        <source>the log %1 has the older schema version %2: the next log add migrates it</source>
        <translation>el registro %1 tiene la versión de esquema antigua %2: el próximo log add lo migra</translation>
    </message>
    <message>
        <source>cannot migrate the log %1 from schema version %2: %3; it is left as it was (a copy is in %4)</source>
        <translation>no se puede migrar el registro %1 desde la versión de esquema %2: %3; queda como estaba (hay una copia en %4)</translation>
    </message>
    <message>
        <source>the log %1 is busy: another program has been saving for %2 s; nothing was written</source>
        <translation>el registro %1 está ocupado: otro programa lleva %2 s guardando; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>no se puede escribir el registro %1: %2</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2; nothing was written</source>
        <translation>no se puede escribir el registro %1: %2; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot read the log %1: %2</source>
        <translation>no se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1: %2; no se escribió nada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM</source>
        <translation>%1 &apos;%2&apos; ilegible: escriba YYYY-MM</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DDTHH:MMZ in Universal Time</source>
        <translation>%1 &apos;%2&apos; ilegible: escriba YYYY-MM-DDTHH:MMZ en tiempo universal</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; lies before 1600</source>
        <translation>%1 &apos;%2&apos; es anterior a 1600</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; has no month %3</source>
        <translation>%1 &apos;%2&apos; no tiene mes %3</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a date: %3 %4 has %5 days</source>
        <translation>%1 &apos;%2&apos; no es una fecha: %3 de %4 tiene %5 días</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; no es una hora del día</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DD</source>
        <translation>%1 &apos;%2&apos; ilegible: escriba YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a count cannot be negative (%1: %2 groups, %3 spots)</source>
        <translation>un recuento no puede ser negativo (%1: %2 grupos, %3 manchas)</translation>
    </message>
    <message>
        <source>%1 has %2 groups but %3 spots: every group has at least one spot (g cannot exceed f)</source>
        <translation>%1 tiene %2 grupos pero %3 manchas: cada grupo tiene al menos una mancha (g no puede superar f)</translation>
    </message>
    <message>
        <source>%1 has %2 spots in no group: a single spot is a group of one</source>
        <translation>%1 tiene %2 manchas sin grupo: una mancha sola es un grupo por sí misma</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grupo %1</translation>
    </message>
    <message>
        <source>%1 has no spots: a group has at least one</source>
        <translation>%1 no tiene manchas: un grupo tiene al menos una</translation>
    </message>
    <message>
        <source>%1: the latitude lies outside -90..90 degrees</source>
        <translation>%1: la latitud está fuera de -90..90 grados</translation>
    </message>
    <message>
        <source>%1: the central-meridian distance lies outside -180..180 degrees</source>
        <translation>%1: la distancia al meridiano central está fuera de -180..180 grados</translation>
    </message>
    <message>
        <source>%1: the Carrington longitude lies outside [0, 360) degrees</source>
        <translation>%1: la longitud de Carrington está fuera de [0, 360) grados</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a Zurich class (A, B, C, D, E, F, G, H, J)</source>
        <translation>%1: &apos;%2&apos; no es una clase de Zúrich (A, B, C, D, E, F, G, H, J)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a McIntosh class such as Dkc</source>
        <translation>%1: &apos;%2&apos; no es una clase de McIntosh como Dkc</translation>
    </message>
    <message>
        <source>%1: a NOAA region number is positive</source>
        <translation>%1: un número de región NOAA es positivo</translation>
    </message>
    <message>
        <source>%1: an extent or area is negative, or the umbra exceeds the whole</source>
        <translation>%1: una extensión o un área es negativa, o la umbra supera el total</translation>
    </message>
    <message>
        <source>the observer code &apos;%1&apos; is not 1 to 16 letters, digits, &apos;-&apos; or &apos;_&apos;</source>
        <translation>el código de observador &apos;%1&apos; no tiene de 1 a 16 letras, cifras, &apos;-&apos; o &apos;_&apos;</translation>
    </message>
    <message>
        <source>the northern hemisphere</source>
        <translation>el hemisferio norte</translation>
    </message>
    <message>
        <source>the southern hemisphere</source>
        <translation>el hemisferio sur</translation>
    </message>
    <message>
        <source>the whole disk</source>
        <translation>el disco entero</translation>
    </message>
    <message>
        <source>the hemispheres&apos; counts do not add up to the whole disk&apos;s</source>
        <translation>los recuentos de los hemisferios no suman el del disco entero</translation>
    </message>
    <message>
        <source>the seeing &apos;%1&apos; is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5</source>
        <translation>el seeing &apos;%1&apos; no es uno de E, G, F, P (excelente, bueno, regular, malo) ni de 1 a 5</translation>
    </message>
    <message>
        <source>the counts given differ from those of the groups (%1 groups, %2 spots)</source>
        <translation>los recuentos dados difieren de los de los grupos (%1 grupos, %2 manchas)</translation>
    </message>
    <message>
        <source>the image&apos;s SHA-256 is not 64 hexadecimal digits</source>
        <translation>el SHA-256 de la imagen no tiene 64 cifras hexadecimales</translation>
    </message>
    <message>
        <source>the image&apos;s limb has no radius</source>
        <translation>el limbo de la imagen no tiene radio</translation>
    </message>
    <message>
        <source>an equipment profile needs a name</source>
        <translation>un perfil de equipo necesita un nombre</translation>
    </message>
    <message>
        <source>the method &apos;%1&apos; is not projection, visual or photographic</source>
        <translation>el método &apos;%1&apos; no es proyección, visual ni fotográfico</translation>
    </message>
    <message>
        <source>an aperture, focal length or magnification is positive</source>
        <translation>una abertura, distancia focal o aumento es positivo</translation>
    </message>
    <message>
        <source>cannot read the log</source>
        <translation>no se puede leer el registro</translation>
    </message>
    <message>
        <source>there is no observation %1</source>
        <translation>no hay ninguna observación %1</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log %2</source>
        <translation>no hay ningún observador %1 en el registro %2</translation>
    </message>
    <message>
        <source>track %1 does not exist in the log %2</source>
        <translation>la traza %1 no existe en el registro %2</translation>
    </message>
    <message>
        <source>cannot read the tracks</source>
        <translation>no se pueden leer las trazas</translation>
    </message>
    <message>
        <source>observation %1 has no group %2; nothing was written</source>
        <translation>la observación %1 no tiene grupo %2; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot make a new track</source>
        <translation>no se puede crear una traza nueva</translation>
    </message>
    <message>
        <source>track %1 does not exist; nothing was written</source>
        <translation>la traza %1 no existe; no se escribió nada</translation>
    </message>
    <message>
        <source>track %1 already holds group %2 of that observation; nothing was written</source>
        <translation>la traza %1 ya contiene el grupo %2 de esa observación; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot move the group</source>
        <translation>no se puede mover el grupo</translation>
    </message>
    <message>
        <source>cannot save the observer %1</source>
        <translation>no se puede guardar el observador %1</translation>
    </message>
    <message>
        <source>cannot save the default observer</source>
        <translation>no se puede guardar el observador predeterminado</translation>
    </message>
    <message>
        <source>cannot save the equipment profile %1</source>
        <translation>no se puede guardar el perfil de equipo %1</translation>
    </message>
    <message>
        <source>there is no equipment profile &apos;%1&apos;: give its --method to make one</source>
        <translation>no hay ningún perfil de equipo &apos;%1&apos;: indique su --method para crearlo</translation>
    </message>
    <message>
        <source>cannot save the observation</source>
        <translation>no se puede guardar la observación</translation>
    </message>
    <message>
        <source>cannot save the image of the observation</source>
        <translation>no se puede guardar la imagen de la observación</translation>
    </message>
    <message>
        <source>cannot save a spot</source>
        <translation>no se puede guardar una mancha</translation>
    </message>
    <message>
        <source>cannot save group %1</source>
        <translation>no se puede guardar el grupo %1</translation>
    </message>
    <message>
        <source>cannot save a new track</source>
        <translation>no se puede guardar una traza nueva</translation>
    </message>
    <message>
        <source>the log already holds an observation by %1 at %2; nothing was written</source>
        <translation>el registro ya contiene una observación de %1 a las %2; no se escribió nada</translation>
    </message>
    <message>
        <source>cannot keep the seeing and the equipment</source>
        <translation>no se pueden conservar el seeing y el equipo</translation>
    </message>
    <message>
        <source>cannot save k</source>
        <translation>no se puede guardar k</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log</source>
        <translation>no hay ningún observador %1 en el registro</translation>
    </message>
    <message>
        <source>track %1 holds no group any more</source>
        <translation>la traza %1 ya no contiene ningún grupo</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Registro de observación</translation>
    </message>
    <message>
        <source>give the log&apos;s file: neither XDG_DATA_HOME nor HOME names a folder for it</source>
        <translation>indique el archivo del registro: ni XDG_DATA_HOME ni HOME nombran una carpeta para él</translation>
    </message>
    <message>
        <source>cannot read %1 again for its SHA-256</source>
        <translation>no se puede volver a leer %1 para su SHA-256</translation>
    </message>
    <message>
        <source>the log has no observer yet: give your observer code</source>
        <translation>el registro aún no tiene observador: indique su código de observador</translation>
    </message>
    <message>
        <source>date to place the tracks on</source>
        <translation>fecha en que situar las trazas</translation>
    </message>
    <message>
        <source>Choose a group of a track first</source>
        <translation>Elija primero un grupo de una traza</translation>
    </message>
    <message>
        <source>There is no move to undo</source>
        <translation>No hay ningún movimiento que deshacer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a track&apos;s number nor new</source>
        <translation>&apos;%1&apos; no es un número de traza ni new</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 as given</source>
        <translation>EXIF DateTimeOriginal, reloj de la cámara %1 según lo indicado</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 (OffsetTimeOriginal)</source>
        <translation>EXIF DateTimeOriginal, reloj de la cámara %1 (OffsetTimeOriginal)</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock taken as UT (no offset given)</source>
        <translation>EXIF DateTimeOriginal, reloj de la cámara tomado como UT (sin desfase indicado)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>norte solar girado %1° en sentido antihorario, reflejado (%2, %3, %4)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>norte solar girado %1° en sentido antihorario (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>norte celeste girado %1° en sentido antihorario, reflejado (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>norte celeste girado %1° en sentido antihorario (%2, %3, %4)</translation>
    </message>
    <message>
        <source>centre %1, %2, radius %3 px (%4)</source>
        <translation>centro %1, %2, radio %3 px (%4)</translation>
    </message>
    <message>
        <source>the header&apos;s disk (%1) is set aside: it does not fit the %2 x %3 image</source>
        <translation>el disco de la cabecera (%1) se descarta: no cabe en la imagen de %2 x %3</translation>
    </message>
    <message>
        <source>the header&apos;s disk: %1</source>
        <translation>el disco de la cabecera: %1</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a date</source>
        <translation>%1 &apos;%2&apos; de la cabecera FITS no es una fecha</translation>
    </message>
    <message>
        <source>%1 and the time of %2</source>
        <translation>%1 y la hora de %2</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 &apos;%2&apos; de la cabecera FITS no es una hora del día</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>el borde hallado es donde sube un anillo brillante en el limbo (EUV, Ca-K), a menos de un 1 % de la fotosfera</translation>
    </message>
    <message>
        <source>%1; the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>%1; el borde hallado es donde sube un anillo brillante en el limbo (EUV, Ca-K), a menos de un 1 % de la fotosfera</translation>
    </message>
    <message>
        <source>the header&apos;s disk (radius %1 px) is set aside: the limb found on the image (radius %2 px) does not agree with it</source>
        <translation>el disco de la cabecera (radio %1 px) se descarta: el limbo hallado en la imagen (radio %2 px) no concuerda con él</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % outside the header&apos;s photosphere, whose radius is used</source>
        <translation>ajuste del limbo %1 px, cabecera %2 px: el borde ajustado queda un %3 % fuera de la fotosfera de la cabecera, cuyo radio se usa</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % inside the header&apos;s photosphere, whose radius is used</source>
        <translation>ajuste del limbo %1 px, cabecera %2 px: el borde ajustado queda un %3 % dentro de la fotosfera de la cabecera, cuyo radio se usa</translation>
    </message>
    <message>
        <source>The image %1 cannot be read; it may be damaged or cut short (%2).</source>
        <translation>La imagen %1 no se puede leer; puede estar dañada o cortada (%2).</translation>
    </message>
    <message>
        <source>%1 is not an image Quorvel can open: by its content it is none of PNG, JPEG, TIFF, BMP and FITS.</source>
        <translation>%1 no es una imagen que Quorvel pueda abrir: por su contenido no es PNG, JPEG, TIFF, BMP ni FITS.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is too small to hold a solar disk.</source>
        <translation>La imagen %1 (%2 x %3 píxeles) es demasiado pequeña para contener un disco solar.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is larger than Quorvel measures: at most %4 pixels, %5 on a side.</source>
        <translation>La imagen %1 (%2 x %3 píxeles) es mayor de lo que Quorvel mide: como mucho %4 píxeles, %5 por lado.</translation>
    </message>
    <message>
        <source>%1: not enough memory for this image</source>
        <translation>%1: no hay memoria suficiente para esta imagen</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Found %1 spots.</source>
        <translation>Se hallaron %1 manchas.</translation>
    </message>
    <message>
        <source>Found %1 spots; %2.</source>
        <translation>Se hallaron %1 manchas; %2.</translation>
    </message>
    <message>
        <source>There is no group %1.</source>
        <translation>No hay ningún grupo %1.</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>no se puede leer %1: no existe ese archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe or a device)</source>
        <translation>no es un archivo normal (una tubería con nombre o un dispositivo)</translation>
    </message>
    <message>
        <source>Find the spots first: Save to Log keeps the count of an image</source>
        <translation>Halle primero las manchas: Guardar en el registro conserva el recuento de una imagen</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Guardar en el registro</translation>
    </message>
    <message>
        <source>The annotated image could not be made: not enough memory for this image.</source>
        <translation>No se pudo crear la imagen anotada: no hay memoria suficiente para esta imagen.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>Undone.</source>
        <translation>Deshecho.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nada que rehacer.</translation>
    </message>
    <message>
        <source>Done again.</source>
        <translation>Rehecho.</translation>
    </message>
    <message>
        <source>Off the disk  %1</source>
        <translation>Fuera del disco  %1</translation>
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
        <translation>El visor de documentos no pudo abrir &apos;%1&apos; (%2 terminó con el estado %3). Instale un visor de PDF, o abra el archivo usted mismo: %4</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>cambió mientras se abría</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>el nombre designa una carpeta</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la salida estándar</translation>
    </message>
    <message>
        <source>could not make an image of %1 x %2 pixels: not enough memory</source>
        <translation>no se pudo crear una imagen de %1 x %2 píxeles: no hay memoria suficiente</translation>
    </message>
    <message>
        <source>could not encode the PNG image for %1</source>
        <translation>no se pudo codificar la imagen PNG para %1</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .log</source>
        <translation>el archivo de salida debe terminar en .png, .svg o .log</translation>
    </message>
    <message>
        <source>The disk diameter of %1 mm is not from %2 to %3 mm.</source>
        <translation>El diámetro del disco de %1 mm no está entre %2 y %3 mm.</translation>
    </message>
    <message>
        <source>The disk diameter of %1 pixels is not from 1 to %2 pixels.</source>
        <translation>El diámetro del disco de %1 píxeles no está entre 1 y %2 píxeles.</translation>
    </message>
    <message>
        <source>A disk of %1 pixels makes an image of about %2 million pixels, more than the %3 million this program makes: choose a smaller diameter, or SVG or PDF.</source>
        <translation>Un disco de %1 píxeles da una imagen de unos %2 millones de píxeles, más que los %3 millones que crea este programa: elija un diámetro menor, o SVG o PDF.</translation>
    </message>
    <message>
        <source>A disk of %1 mm with its scale and caption needs %2 x %3 mm; the printable area is %4 x %5 mm. Choose a smaller diameter or a larger paper.</source>
        <translation>Un disco de %1 mm con su escala y su leyenda necesita %2 x %3 mm; el área imprimible es de %4 x %5 mm. Elija un diámetro menor o un papel mayor.</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg, .pdf or .log</source>
        <translation>el archivo de salida debe terminar en .png, .svg, .pdf o .log</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link another user made to another file; it is not followed</source>
        <translation>&apos;%1&apos; es un enlace que otro usuario hizo a otro archivo; no se sigue</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a settings file</source>
        <translation>&apos;%1&apos; es una carpeta, no un archivo de ajustes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a settings file</source>
        <translation>&apos;%1&apos; no es un archivo de ajustes</translation>
    </message>
    <message>
        <source>the precise model covers the years -1999 to 3000</source>
        <translation>el modelo preciso cubre los años -1999 a 3000</translation>
    </message>
    <message>
        <source>no solar disk was found</source>
        <translation>no se encontró ningún disco solar</translation>
    </message>
    <message>
        <source>no solar disk was found: the circle found is no brighter inside than outside (a bright ring, or a coronagraph&apos;s occulter)</source>
        <translation>no se encontró ningún disco solar: el círculo hallado no es más brillante dentro que fuera (un anillo brillante, o el ocultador de un coronógrafo)</translation>
    </message>
    <message>
        <source>%1. Set the limb by 3 points.</source>
        <translation>%1. Fije el limbo por 3 puntos.</translation>
    </message>
    <message>
        <source>The FITS file %1 is cut short: its header declares %2 x %3 pixels, %4 bytes in all, but the file holds %5.</source>
        <translation>El archivo FITS %1 está cortado: su cabecera declara %2 x %3 píxeles, %4 bytes en total, pero el archivo contiene %5.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: %2.</source>
        <translation>El archivo FITS %1 está dañado o cortado: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 cannot be read: %2.</source>
        <translation>El archivo FITS %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged: %2.</source>
        <translation>El archivo FITS %1 está dañado: %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 holds no image.</source>
        <translation>El archivo FITS %1 no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: its compressed tile %2 cannot be read.</source>
        <translation>El archivo FITS %1 está dañado o cortado: su tesela comprimida %2 no se puede leer.</translation>
    </message>
    <message>
        <source>The FITS file %1 is tile-compressed in a way Quorvel does not read: its tiles span several planes, hold 64-bit values, or use a code or a mask it does not know.</source>
        <translation>El archivo FITS %1 está comprimido en mosaicos de una forma que Quorvel no lee: sus mosaicos abarcan varios planos, contienen valores de 64 bits o usan un código o una máscara que no conoce.</translation>
    </message>
</context>
<context>
    <name>TrueScaleDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Date, time, place, P, B0, L0 and rotation below the disk</source>
        <translation>Fecha, hora, lugar, P, B0, L0 y rotación bajo el disco</translation>
    </message>
    <message>
        <source>Disk diameter, pixels (PNG, SVG)</source>
        <translation>Diámetro del disco, píxeles (PNG, SVG)</translation>
    </message>
    <message>
        <source>Disk diameter, mm</source>
        <translation>Diámetro del disco, mm</translation>
    </message>
    <message>
        <source>Disk diameter, mm (PDF)</source>
        <translation>Diámetro del disco, mm (PDF)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</translation>
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
        <translation>Quorvel-G       Versión gráfica de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Position angles</source>
        <translation>Á&amp;ngulos de posición</translation>
    </message>
    <message>
        <source>Check for a position angle scale</source>
        <translation>Marque para una escala de ángulos de posición</translation>
    </message>
    <message>
        <source>S&amp;olar rotation arrows</source>
        <translation>Flechas de r&amp;otación</translation>
    </message>
    <message>
        <source>Check to show axes and NS meridian</source>
        <translation>Marque para mostrar los ejes y el meridiano NS</translation>
    </message>
    <message>
        <source>Quorvel Normal &amp;View</source>
        <translation>Vista &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Graphics Ready View</source>
        <translation>Vista &amp;gráfica final</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Default st&amp;yle</source>
        <translation>Est&amp;ilo inicial</translation>
    </message>
    <message>
        <source>The design&apos;s sizes, colours, &quot;Equator&quot; and &quot;Axes&quot;; drawn at the next view button.</source>
        <translation>Los tamaños y colores de origen, «Ecuador» y «Ejes»; se dibujan con el siguiente botón de vista.</translation>
    </message>
    <message>
        <source>&amp;Bckgrnd</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Dis&amp;k</source>
        <translation>Dis&amp;co</translation>
    </message>
    <message>
        <source>&amp;Limb</source>
        <translation>&amp;Limbo</translation>
    </message>
    <message>
        <source>Gri&amp;d</source>
        <translation>&amp;Retícula</translation>
    </message>
    <message>
        <source>E&amp;quator</source>
        <translation>E&amp;cuador</translation>
    </message>
    <message>
        <source>PA &amp;Scale</source>
        <translation>Esc. &amp;ÁP</translation>
    </message>
    <message>
        <source>Arro&amp;ws</source>
        <translation>Fle&amp;chas</translation>
    </message>
    <message>
        <source>S&amp;un axis</source>
        <translation>E&amp;je solar</translation>
    </message>
    <message>
        <source>Equ&amp;ator</source>
        <translation>E&amp;cuador</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>E&amp;jes</translation>
    </message>
    <message>
        <source>Solar diameter, pixels</source>
        <translation>Diámetro solar, píxeles</translation>
    </message>
    <message>
        <source>Grid interval, degrees</source>
        <translation>Paso de la retícula, grados</translation>
    </message>
    <message>
        <source>Angle mark interval</source>
        <translation>Paso de las marcas</translation>
    </message>
    <message>
        <source>Angular interval in position angle scale</source>
        <translation>Intervalo angular en la escala de ángulos de posición</translation>
    </message>
    <message>
        <source>Angle label  interval</source>
        <translation>Paso de las etiquetas</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Acim</translation>
    </message>
    <message>
        <source>Ang from N</source>
        <translation>Áng. desde N</translation>
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
        <translation>Número de rotación de Carrington</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Número de rotación de Carrington: aumenta en uno cada vez que L0 pasa de 0 a 360.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Save I&amp;mage...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres.</source>
        <translation>Solo la vista gráfica: PNG o SVG con un diámetro del disco en píxeles, PDF en milímetros.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank).</source>
        <translation>Imprime la vista gráfica con el disco a un diámetro en milímetros (150 mm dan una plantilla de dibujo).</translation>
    </message>
</context>
<context>
    <name>quorvel::LogDialog</name>
    <message>
        <source>Observations</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Trazas</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Fecha (UT)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observador</translation>
    </message>
    <message>
        <source>Seeing</source>
        <translation>Seeing</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>AAVSO monthly text</source>
        <translation>Texto mensual AAVSO</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>BAA monthly CSV</source>
        <translation>CSV mensual BAA</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Groups CSV (the month, or all when empty)</source>
        <translation>CSV de grupos (el mes, o todo si está vacío)</translation>
    </message>
    <message>
        <source>Daily R of the month (plot)</source>
        <translation>R diario del mes (gráfico)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Butterfly diagram (the month, or all when empty)</source>
        <translation>Diagrama de mariposa (el mes, o todo si está vacío)</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Registro de observación</translation>
    </message>
    <message>
        <source>Other &amp;Log...</source>
        <translation>Otro &amp;registro...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>&amp;Open Measurement</source>
        <translation>&amp;Abrir medición</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>1 observation</source>
        <translation>1 observación</translation>
    </message>
    <message>
        <source>%1 observations</source>
        <translation>%1 observaciones</translation>
    </message>
    <message>
        <source>image</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>by hemisphere</source>
        <translation>por hemisferio</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disco entero</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Abrir registro</translation>
    </message>
    <message>
        <source>Logs (*.sqlite);;All files (*)</source>
        <translation>Registros (*.sqlite);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>M&amp;es</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) the great circle passing through the Sun and the Zenith.</source>
        <translation>Ángulo entre (1) el meridiano que pasa por el Sol y el polo norte celeste y (2) el círculo máximo que pasa por el Sol y el cenit.</translation>
    </message>
    <message>
        <source>E&amp;W drift</source>
        <translation>&amp;Deriva</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dibujar</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Measure Image...</source>
        <translation>&amp;Medir imagen...</translation>
    </message>
    <message>
        <source>Your own image of the Sun: the grid over it, and spots measured by a click.</source>
        <translation>Su propia imagen del Sol: la retícula encima y manchas medidas con un clic.</translation>
    </message>
    <message>
        <source>Sun Position</source>
        <translation>Posición del Sol</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude, degrees</source>
        <translation>Altura del Sol, grados</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth, degrees from north measured through east.</source>
        <translation>Acimut del Sol, grados desde el norte pasando por el este.</translation>
    </message>
    <message>
        <source>N - S meridian tilt</source>
        <translation>Inclinación meridiano N-S</translation>
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
        <translation>Número de rotación de Carrington</translation>
    </message>
    <message>
        <source>Heliographic latitude of centre of sun&apos;s disk, degrees.  N pole is tilted towards Earth if Bo is positive.</source>
        <translation>Latitud heliográfica del centro del disco solar, grados.  El polo N está inclinado hacia la Tierra si B0 es positivo.</translation>
    </message>
    <message>
        <source>Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.</source>
        <translation>Ángulo de posición del extremo norte del eje de rotación, medido hacia el este desde el punto norte del disco.</translation>
    </message>
    <message>
        <source>Heliographic longitude, degrees, of the centre of the Sun&apos;s disk.</source>
        <translation>Longitud heliográfica del centro del disco solar, grados.</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Número de rotación de Carrington: aumenta en uno cada vez que L0 pasa de 0 a 360.</translation>
    </message>
    <message>
        <source>Hr ang</source>
        <translation>Áng. h.</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Acim</translation>
    </message>
    <message>
        <source>Hour angle of sun.  </source>
        <translation>Ángulo horario del Sol.  </translation>
    </message>
</context>
<context>
    <name>quorvel::MeasureWindow</name>
    <message>
        <source>Date, time and place</source>
        <translation>Fecha, hora y lugar</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
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
        <translation>Hora est. menos UT</translation>
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
        <translation>Las longitudes este son negativas</translation>
    </message>
    <message>
        <source>Orientation of the image</source>
        <translation>Orientación de la imagen</translation>
    </message>
    <message>
        <source>As seen in the telescope</source>
        <translation>Como se ve en el telescopio</translation>
    </message>
    <message>
        <source>Celestial north up, east left</source>
        <translation>Norte celeste arriba, este a la izquierda</translation>
    </message>
    <message>
        <source>Solar north up</source>
        <translation>Norte solar arriba</translation>
    </message>
    <message>
        <source>Altaz mount</source>
        <translation>Montura altacimutal</translation>
    </message>
    <message>
        <source>Flip image horizontally</source>
        <translation>Voltear la imagen horizontalmente</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Degrees the image is turned further, counterclockwise (a turned camera)</source>
        <translation>Grados que la imagen está girada además, en sentido antihorario (una cámara girada)</translation>
    </message>
    <message>
        <source>Turned (deg, counterclockwise)</source>
        <translation>Girada (grados, antihorario)</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>Grid every</source>
        <translation>Retícula cada</translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Axis and pole</source>
        <translation>Eje y polo</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Limbo</translation>
    </message>
    <message>
        <source>PA scale</source>
        <translation>Escala ÁP</translation>
    </message>
    <message>
        <source>N and E</source>
        <translation>N y E</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Manchas</translation>
    </message>
    <message>
        <source>Degrees between the grid&apos;s lines, 1 to 90</source>
        <translation>Grados entre las líneas de la retícula, 1 a 90</translation>
    </message>
    <message>
        <source>Grid every (degrees)</source>
        <translation>Retícula cada (grados)</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Abrir imagen...</translation>
    </message>
    <message>
        <source>No limb yet.</source>
        <translation>Aún no hay limbo.</translation>
    </message>
    <message>
        <source>Find Limb</source>
        <translation>Buscar limbo</translation>
    </message>
    <message>
        <source>Limb by 3 Points</source>
        <translation>Limbo por 3 puntos</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Borrar fila</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>Save to Log...</source>
        <translation>Guardar en registro...</translation>
    </message>
    <message>
        <source>Measured Spots</source>
        <translation>Manchas medidas</translation>
    </message>
    <message>
        <source>Count Spots</source>
        <translation>Contar manchas</translation>
    </message>
    <message>
        <source>Click a point on the limb (%1 of 3).</source>
        <translation>Haga clic en un punto del limbo (%1 de 3).</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Medir imagen</translation>
    </message>
    <message>
        <source>Open an image of the Sun, or a drawing of it.</source>
        <translation>Abra una imagen del Sol o un dibujo de él.</translation>
    </message>
    <message>
        <source>The date and time are not yet set for this image: type them, or keep them.</source>
        <translation>La fecha y la hora de esta imagen aún no están fijadas: escríbalas o consérvelas.</translation>
    </message>
    <message>
        <source>The turn of the image is not a number of degrees from -360 to 360.</source>
        <translation>El giro de la imagen no es un número de grados de -360 a 360.</translation>
    </message>
    <message>
        <source>Carrington rotation %1</source>
        <translation>Rotación de Carrington %1</translation>
    </message>
    <message>
        <source>A camera&apos;s JPEG: its clock&apos;s offset to UT, +HH:MM or hours</source>
        <translation>JPEG de una cámara: desfase de su reloj respecto a UT, +HH:MM u horas</translation>
    </message>
    <message>
        <source>Camera clock: UT+hh:mm</source>
        <translation>Reloj de cámara: UT+hh:mm</translation>
    </message>
    <message>
        <source>Seeing &amp;&amp; Equipment...</source>
        <translation>Seeing &amp;&amp; equipo...</translation>
    </message>
    <message>
        <source>The next Save to Log keeps %1</source>
        <translation>El próximo guardado en el registro conserva %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the last row added or deleted, or the last change of the limb (Ctrl+Z)</source>
        <translation>Deshacer la última fila añadida o borrada, o el último cambio del limbo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Rehacer lo deshecho (Ctrl+Mayús+Z o Ctrl+Y)</translation>
    </message>
    <message>
        <source>the limb found again</source>
        <translation>limbo hallado de nuevo</translation>
    </message>
    <message>
        <source>the limb moved</source>
        <translation>limbo movido</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it; to correct the limb, press Move Limb (Ctrl+M) and drag it.</source>
        <translation>Haga clic en una mancha del disco para medirla; para corregir el limbo, pulse Mover limbo (Ctrl+M) y arrástrelo.</translation>
    </message>
    <message>
        <source>the limb set through three points</source>
        <translation>limbo fijado por tres puntos</translation>
    </message>
    <message>
        <source>spot %1 added</source>
        <translation>mancha %1 añadida</translation>
    </message>
    <message>
        <source>Choose the rows to delete in the table first.</source>
        <translation>Elija primero en la tabla las filas que desea borrar.</translation>
    </message>
    <message>
        <source>row %1 deleted</source>
        <translation>fila %1 borrada</translation>
    </message>
    <message>
        <source>%1 rows deleted</source>
        <translation>%1 filas borradas</translation>
    </message>
    <message>
        <source>%1; Ctrl+Z undoes it.</source>
        <translation>%1; Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nada que rehacer.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>Done again: %1.</source>
        <translation>Rehecho: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>Move Limb</source>
        <translation>Mover limbo</translation>
    </message>
    <message>
        <source>While down, a drag inside the disk moves the limb and a drag on its edge resizes it; clicks add no spots (Ctrl+M; Esc leaves)</source>
        <translation>Mientras está pulsado, arrastrar dentro del disco mueve el limbo y arrastrar sobre su borde cambia su tamaño; los clics no añaden manchas (Ctrl+M; Esc sale)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Show the whole image (Ctrl+0)</source>
        <translation>Mostrar la imagen entera (Ctrl+0)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One pixel of the image on one pixel of the screen (Ctrl+1)</source>
        <translation>Un píxel de la imagen en un píxel de la pantalla (Ctrl+1)</translation>
    </message>
    <message>
        <source>The zoom: the wheel over the image, or Ctrl++ and Ctrl+- (twice and half as large)</source>
        <translation>El zoom: la rueda sobre la imagen, o Ctrl++ y Ctrl+- (el doble y la mitad)</translation>
    </message>
    <message>
        <source>The grey level shown as black, 0 to 254</source>
        <translation>El nivel de gris mostrado como negro, 0 a 254</translation>
    </message>
    <message>
        <source>The grey level shown as white, 1 to 255</source>
        <translation>El nivel de gris mostrado como blanco, 1 a 255</translation>
    </message>
    <message>
        <source>Black point</source>
        <translation>Punto negro</translation>
    </message>
    <message>
        <source>White point</source>
        <translation>Punto blanco</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste auto</translation>
    </message>
    <message>
        <source>Stretch the contrast of the part in view from its 0.5 % to its 99.5 % brightness (Ctrl+E)</source>
        <translation>Estirar el contraste de la parte visible desde su brillo del 0,5 % hasta el del 99,5 % (Ctrl+E)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Move Limb: drag inside the disk to move the limb, on its edge to resize it; Ctrl+Z undoes. Press Move Limb again (or Esc) to add spots.</source>
        <translation>Mover limbo: arrastrar dentro del disco mueve el limbo, sobre su borde cambia su tamaño; Ctrl+Z deshace. Pulse de nuevo Mover limbo (o Esc) para añadir manchas.</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it.</source>
        <translation>Haga clic en una mancha del disco para medirla.</translation>
    </message>
    <message>
        <source>No limb.</source>
        <translation>Sin limbo.</translation>
    </message>
    <message>
        <source>, or &lt;a href=&quot;keep&quot;&gt;keep the date and time shown&lt;/a&gt;</source>
        <translation>, o &lt;a href=&quot;keep&quot;&gt;conservar la fecha y la hora mostradas&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Date and time from the camera (%1), as UT: %2.</source>
        <translation>Fecha y hora de la cámara (%1), en UT: %2.</translation>
    </message>
    <message>
        <source>Date and time from the FITS header (%1), as UT: %2.</source>
        <translation>Fecha y hora de la cabecera FITS (%1), en UT: %2.</translation>
    </message>
    <message>
        <source>The day from the FITS header (%1); it gives no time: type the time (UT).</source>
        <translation>El día de la cabecera FITS (%1); no da la hora: escriba la hora (UT).</translation>
    </message>
    <message>
        <source>Not used: %1. Type the date and time%2.</source>
        <translation>No utilizado: %1. Escriba la fecha y la hora%2.</translation>
    </message>
    <message>
        <source>The FITS header gives no date: type the date and time (marked)%1.</source>
        <translation>La cabecera FITS no da fecha: escriba la fecha y la hora (marcadas)%1.</translation>
    </message>
    <message>
        <source>The image holds no date: type the date and time (marked)%1.</source>
        <translation>La imagen no contiene fecha: escriba la fecha y la hora (marcadas)%1.</translation>
    </message>
    <message>
        <source>Place from the FITS header.</source>
        <translation>Lugar de la cabecera FITS.</translation>
    </message>
    <message>
        <source>Orientation from the FITS header: %1.</source>
        <translation>Orientación de la cabecera FITS: %1.</translation>
    </message>
    <message>
        <source>Taken from the camera&apos;s EXIF date</source>
        <translation>Tomado de la fecha EXIF de la cámara</translation>
    </message>
    <message>
        <source>The camera clock&apos;s offset to UT is +HH:MM, -HH:MM or hours, at most 14.</source>
        <translation>El desfase del reloj de la cámara respecto a UT es +HH:MM, -HH:MM u horas, como mucho 14.</translation>
    </message>
    <message>
        <source>: kept</source>
        <translation>: conservadas</translation>
    </message>
    <message>
        <source>Limb found: centre %1, %2, radius %3 px, scatter %4 px (%5 edge points).</source>
        <translation>Limbo encontrado: centro %1, %2, radio %3 px, dispersión %4 px (%5 puntos del borde).</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px.</source>
        <translation>Limbo fijado a mano: centro %1, %2, radio %3 px.</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px, edge scatter %4 px.</source>
        <translation>Limbo fijado a mano: centro %1, %2, radio %3 px, dispersión del borde %4 px.</translation>
    </message>
    <message>
        <source>Spot %1: %2</source>
        <translation>Mancha %1: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::ObservationWindow</name>
    <message>
        <source>Quorvel-G, by the Quorvel developers</source>
        <translation>Quorvel-G, del equipo Quorvel</translation>
    </message>
    <message>
        <source>Quorvel, by the Quorvel developers</source>
        <translation>Quorvel, del equipo Quorvel</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
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
        <translation>Hora est. menos UT</translation>
    </message>
    <message>
        <source>Day of month</source>
        <translation>Día del mes</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year,e.g. 2006</source>
        <translation>Año, p. ej. 2006</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Ahora</translation>
    </message>
    <message>
        <source>Enters current time of PC clock - but see DST checkbox.</source>
        <translation>Introduce la hora actual del reloj del PC; pero vea la casilla de horario de verano.</translation>
    </message>
    <message>
        <source>Latitude - Positive in Northern Hemisphere.</source>
        <translation>Latitud: positiva en el hemisferio norte.</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Las longitudes este son negativas</translation>
    </message>
    <message>
        <source>Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich.</source>
        <translation>Diferencia de la hora estándar respecto a UTC, en horas.  Negativa para longitudes al oeste de Greenwich.</translation>
    </message>
    <message>
        <source>DS&amp;T</source>
        <translation>H&amp;V</translation>
    </message>
    <message>
        <source>Check when daylight saving (summer) time is used.</source>
        <translation>Marque cuando se use el horario de verano.</translation>
    </message>
    <message>
        <source>Alta&amp;z mount</source>
        <translation>Alta&amp;z</translation>
    </message>
    <message>
        <source>&amp;Equat</source>
        <translation>&amp;Ecuat</translation>
    </message>
    <message>
        <source>&amp;Flip image horizontally</source>
        <translation>Vol&amp;tear horizontal</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <source>&amp;Pos Angs</source>
        <translation>Á&amp;ng. pos.</translation>
    </message>
    <message>
        <source>R&amp;otation</source>
        <translation>R&amp;otación</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>Re&amp;tíc.</translation>
    </message>
    <message>
        <source>Measure Image...</source>
        <translation>Medir imagen...</translation>
    </message>
    <message>
        <source>Observer&apos;s Log...</source>
        <translation>Registro de observación...</translation>
    </message>
    <message>
        <source>Parameters have changed</source>
        <translation>Los parámetros han cambiado</translation>
    </message>
    <message>
        <source>The point under the mouse; a click copies it for a spreadsheet.</source>
        <translation>El punto bajo el ratón; un clic lo copia para una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 (settings not saved)</source>
        <translation>%1 (ajustes no guardados)</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveAnswersDialog</name>
    <message>
        <source>projection</source>
        <translation>proyección</translation>
    </message>
    <message>
        <source>visual</source>
        <translation>visual</translation>
    </message>
    <message>
        <source>photographic</source>
        <translation>fotográfico</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Guardar en el registro</translation>
    </message>
    <message>
        <source>E: excellent</source>
        <translation>E: excelente</translation>
    </message>
    <message>
        <source>G: good</source>
        <translation>G: bueno</translation>
    </message>
    <message>
        <source>F: fair</source>
        <translation>F: regular</translation>
    </message>
    <message>
        <source>P: poor</source>
        <translation>P: malo</translation>
    </message>
    <message>
        <source>1: best</source>
        <translation>1: el mejor</translation>
    </message>
    <message>
        <source>5: worst</source>
        <translation>5: el peor</translation>
    </message>
    <message>
        <source>e.g. your AAVSO code</source>
        <translation>p. ej. su código AAVSO</translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation>&amp;Seeing:</translation>
    </message>
    <message>
        <source>&amp;Observer code:</source>
        <translation>Código de &amp;observador:</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>&amp;Equipo:</translation>
    </message>
    <message>
        <source>&amp;Method of new equipment:</source>
        <translation>&amp;Método del nuevo equipo:</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveCounted</name>
    <message>
        <source>the log&apos;s default observer</source>
        <translation>el observador predeterminado del registro</translation>
    </message>
    <message>
        <source>observer %1</source>
        <translation>observador %1</translation>
    </message>
    <message>
        <source>no equipment</source>
        <translation>sin equipo</translation>
    </message>
    <message>
        <source>equipment %1</source>
        <translation>equipo %1</translation>
    </message>
    <message>
        <source>seeing %1, %2, %3</source>
        <translation>seeing %1, %2, %3</translation>
    </message>
    <message>
        <source>observation %1 saved in %2: %3 %4, g %5, f %6, R %7</source>
        <translation>observación %1 guardada en %2: %3 %4, g %5, f %6, R %7</translation>
    </message>
    <message>
        <source>; group %1 track %2 (new)</source>
        <translation>; grupo %1 traza %2 (nueva)</translation>
    </message>
    <message>
        <source>; group %1 track %2</source>
        <translation>; grupo %1 traza %2</translation>
    </message>
</context>
<context>
    <name>quorvel::SpotPanel</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Manchas</translation>
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
        <translation>Extensión</translation>
    </message>
    <message>
        <source>Hem</source>
        <translation>Hem</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zúrich</translation>
    </message>
    <message>
        <source>McIntosh</source>
        <translation>McIntosh</translation>
    </message>
    <message>
        <source>Area MSH</source>
        <translation>Área MSH</translation>
    </message>
    <message>
        <source>Umbra MSH</source>
        <translation>Umbra MSH</translation>
    </message>
    <message>
        <source>A spot region is darker than this fraction of the photosphere</source>
        <translation>Una región de mancha es más oscura que esta fracción de la fotosfera</translation>
    </message>
    <message>
        <source>An umbra is darker than this fraction of the photosphere</source>
        <translation>Una umbra es más oscura que esta fracción de la fotosfera</translation>
    </message>
    <message>
        <source>Spots closer than this on the Sun (degrees) are one group</source>
        <translation>Las manchas más cercanas que esto en el Sol (grados) forman un grupo</translation>
    </message>
    <message>
        <source>Regions smaller across are left out: pixels, or arcseconds such as 3arcsec</source>
        <translation>Se omiten las regiones más pequeñas: píxeles, o segundos de arco como 3arcsec</translation>
    </message>
    <message>
        <source>Regions nearer the limb than this mu are left out</source>
        <translation>Se omiten las regiones más cercanas al limbo que este mu</translation>
    </message>
    <message>
        <source>Find Spots</source>
        <translation>Buscar manchas</translation>
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
        <translation>Distancia de grupo (grados)</translation>
    </message>
    <message>
        <source>Min. size</source>
        <translation>Tamaño mín.</translation>
    </message>
    <message>
        <source>Limb margin (mu)</source>
        <translation>Margen del limbo (mu)</translation>
    </message>
    <message>
        <source>Add Spot by Click</source>
        <translation>Añadir con clic</translation>
    </message>
    <message>
        <source>Merge Groups</source>
        <translation>Unir grupos</translation>
    </message>
    <message>
        <source>Split Off</source>
        <translation>Separar</translation>
    </message>
    <message>
        <source>The number of the group to move the chosen spots to; empty: a new group</source>
        <translation>El número del grupo al que mover las manchas elegidas; vacío: un grupo nuevo</translation>
    </message>
    <message>
        <source>Group to move the chosen spots to</source>
        <translation>Grupo al que mover las manchas elegidas</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>A grupo</translation>
    </message>
    <message>
        <source>Delete Spot</source>
        <translation>Borrar mancha</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>as suggested</source>
        <translation>la sugerida</translation>
    </message>
    <message>
        <source>Group %1: Zurich class %2.</source>
        <translation>Grupo %1: clase de Zúrich %2.</translation>
    </message>
    <message>
        <source>Group %1: McIntosh class %2.</source>
        <translation>Grupo %1: clase de McIntosh %2.</translation>
    </message>
</context>
<context>
    <name>quorvel::TracksPanel</name>
    <message>
        <source>&amp;Show Places</source>
        <translation>&amp;Mostrar posiciones</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Traza</translation>
    </message>
    <message>
        <source>First (UT)</source>
        <translation>Primera (UT)</translation>
    </message>
    <message>
        <source>Last (UT)</source>
        <translation>Última (UT)</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Avistamientos</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Drift lon °/day</source>
        <translation>Deriva long °/día</translation>
    </message>
    <message>
        <source>Drift lat °/day</source>
        <translation>Deriva lat °/día</translation>
    </message>
    <message>
        <source>Return of</source>
        <translation>Retorno de</translation>
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
        <translation>Fecha (UT)</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>&amp;Move Group to Track...</source>
        <translation>Mo&amp;ver grupo a traza...</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer movimiento</translation>
    </message>
    <message>
        <source>&amp;Place on (UT):</source>
        <translation>&amp;Posición el (UT):</translation>
    </message>
    <message>
        <source>Groups of the track:</source>
        <translation>Grupos de la traza:</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Mover grupo</translation>
    </message>
    <message>
        <source>Move the group to which track? A track&apos;s number, or new:</source>
        <translation>¿A qué traza mover el grupo? Número de traza o new:</translation>
    </message>
    <message>
        <source> (behind)</source>
        <translation> (cara oculta)</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to track %5?</source>
        <translation>¿Mover el grupo %1 del %2 (observación %3) de la traza %4 a la traza %5?</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to a new track?</source>
        <translation>¿Mover el grupo %1 del %2 (observación %3) de la traza %4 a una traza nueva?</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 moved from track %3 to track %4; Undo Move puts it back</source>
        <translation>Grupo %1 de la observación %2 movido de la traza %3 a la traza %4; Deshacer movimiento lo devuelve</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 is back on track %3</source>
        <translation>El grupo %1 de la observación %2 ha vuelto a la traza %3</translation>
    </message>
    <message>
        <source>new</source>
        <comment>the answer naming a new track</comment>
        <translation>nueva</translation>
    </message>
</context>
<context>
    <name>quorvel::TrueScale</name>
    <message>
        <source>Local %1 (DST)   zone %2 h   UT %3   JD %4</source>
        <translation>Hora local %1 (horario de verano)   huso %2 h   UT %3   DJ %4</translation>
    </message>
    <message>
        <source>Local %1   zone %2 h   UT %3   JD %4</source>
        <translation>Hora local %1   huso %2 h   UT %3   DJ %4</translation>
    </message>
    <message>
        <source>Lat %1   Long %2 (east negative)   P %3   B0 %4   L0 %5   Rotation %6</source>
        <translation>Lat %1   Long %2 (este negativo)   P %3   B0 %4   L0 %5   Rotación %6</translation>
    </message>
</context>
</TS>
