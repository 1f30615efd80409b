<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Déc</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>The image was not saved: %1</source>
        <translation>L&apos;image n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>Rien n&apos;a été imprimé : %1</translation>
    </message>
    <message>
        <source>Please check the date entered.</source>
        <translation>Veuillez vérifier la date saisie.</translation>
    </message>
    <message>
        <source>Please check the time entered.</source>
        <translation>Veuillez vérifier l&apos;heure saisie.</translation>
    </message>
    <message>
        <source>Please check time difference value. This is the difference in hours between your Standard Time (not Daylight Saving Time) and Universal Time (Greenwich Mean Time).   Time differences for zones west of Greenwich are entered as negative.</source>
        <translation>Veuillez vérifier le décalage horaire. C&apos;est la différence en heures entre votre heure normale (pas l&apos;heure d&apos;été) et le temps universel (temps moyen de Greenwich).   Les décalages des fuseaux à l&apos;ouest de Greenwich se saisissent en négatif.</translation>
    </message>
    <message>
        <source>Please check the latitude and longitude entered.</source>
        <translation>Veuillez vérifier la latitude et la longitude saisies.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used. It is kept as &apos;%1.bad&apos;.</source>
        <translation>Le fichier de réglages « %1 » contient des valeurs hors limites (%2) ; les valeurs par défaut sont utilisées. Il est conservé sous « %1.bad ».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; holds values out of range (the %2); the defaults are used.</source>
        <translation>Le fichier de réglages « %1 » contient des valeurs hors limites (%2) ; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large to keep: it must lie between %3 and %4. The settings were not saved; &apos;%5&apos; keeps the previous ones.</source>
        <translation>Valeur trop grande pour %1 : %2 doit être entre %3 et %4. Les réglages n&apos;ont pas été enregistrés ; « %5 » garde les précédents.</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>time difference</source>
        <translation>décalage horaire</translation>
    </message>
    <message>
        <source>angle label interval</source>
        <translation>intervalle des étiquettes d&apos;angle</translation>
    </message>
    <message>
        <source>angle mark interval</source>
        <translation>intervalle des graduations d&apos;angle</translation>
    </message>
    <message>
        <source>label font size</source>
        <translation>taille de police des étiquettes</translation>
    </message>
    <message>
        <source>grid interval</source>
        <translation>intervalle de la grille</translation>
    </message>
    <message>
        <source>solar diameter</source>
        <translation>diamètre solaire</translation>
    </message>
    <message>
        <source>The settings could not be saved to &apos;%1&apos;: %2. The previous settings file is unchanged.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans « %1 » : %2. L&apos;ancien fichier de réglages est inchangé.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>The %1 %2 is not a whole number of %3 from 1 to %4.</source>
        <translation>%1 : %2 n&apos;est pas un nombre entier de %3 de 1 à %4.</translation>
    </message>
    <message>
        <source>Help Error</source>
        <translation>Erreur d&apos;aide</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>The graphics program quorvel_g could not be started from %1: %2.</source>
        <translation>Le programme graphique quorvel_g n&apos;a pas pu être lancé depuis %1 : %2.</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Mesurer l&apos;image</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; is missing from %2.   Help cannot open.</source>
        <translation>Le fichier « %1 » manque dans %2.   L&apos;aide ne peut pas s&apos;ouvrir.</translation>
    </message>
    <message>
        <source>No document viewer could open &apos;%1&apos;. Install xdg-utils and a PDF viewer (for example: sudo apt install xdg-utils evince), or open the file yourself: %2/%1</source>
        <translation>Aucune visionneuse de documents n&apos;a pu ouvrir « %1 ». Installez xdg-utils et une visionneuse PDF (par exemple : sudo apt install xdg-utils evince), ou ouvrez le fichier vous-même : %2/%1</translation>
    </message>
    <message>
        <source>No limb: set it first.</source>
        <translation>Pas de limbe : fixez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>The three points lie on a line: no limb through them.</source>
        <translation>Les trois points sont alignés : aucun limbe ne passe par eux.</translation>
    </message>
    <message>
        <source>Limb set through the three points.</source>
        <translation>Limbe fixé par les trois points.</translation>
    </message>
    <message>
        <source>Off the disk.</source>
        <translation>Hors du disque.</translation>
    </message>
    <message>
        <source>The counts and the groups copied.</source>
        <translation>Comptages et groupes copiés.</translation>
    </message>
    <message>
        <source>Groups merged.</source>
        <translation>Groupes fusionnés.</translation>
    </message>
    <message>
        <source>The spots chosen make a group of their own.</source>
        <translation>Les taches choisies forment un groupe à part.</translation>
    </message>
    <message>
        <source>Spots deleted.</source>
        <translation>Taches supprimées.</translation>
    </message>
    <message>
        <source>The thresholds need 0 &lt; umbra &lt; penumbra &lt; 1, such as 0.92 and 0.75.</source>
        <translation>Les seuils demandent 0 &lt; ombre &lt; pénombre &lt; 1, par exemple 0.92 et 0.75.</translation>
    </message>
    <message>
        <source>The group distance is a number of degrees from 0 to 180.</source>
        <translation>La distance de groupe est un nombre de degrés de 0 à 180.</translation>
    </message>
    <message>
        <source>The minimum size is a number of pixels from 0 to 10000, or of arcseconds such as 3arcsec.</source>
        <translation>La taille minimale est un nombre de pixels de 0 à 10000, ou de secondes d&apos;arc comme 3arcsec.</translation>
    </message>
    <message>
        <source>The limb margin is a mu from 0 up to 1.</source>
        <translation>La marge au limbe est un mu de 0 à moins de 1.</translation>
    </message>
    <message>
        <source>Open an image, find its limb and give its date, time and place first.</source>
        <translation>Ouvrez d&apos;abord une image, trouvez son limbe et donnez sa date, son heure et son lieu.</translation>
    </message>
    <message>
        <source>Spot added.</source>
        <translation>Tache ajoutée.</translation>
    </message>
    <message>
        <source>Spots moved.</source>
        <translation>Taches déplacées.</translation>
    </message>
    <message>
        <source>%1 spots measured</source>
        <translation>%1 taches mesurées</translation>
    </message>
    <message>
        <source>count of %1 spots</source>
        <translation>comptage de %1 taches</translation>
    </message>
    <message>
        <source>%1 clears the %2 and not saved. %3 all the same?</source>
        <translation>%1 efface : %2, non enregistré. %3 quand même ?</translation>
    </message>
    <message>
        <source>Closing the window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Close it</source>
        <translation>La fermer</translation>
    </message>
    <message>
        <source>Opening another image</source>
        <translation>Ouvrir une autre image</translation>
    </message>
    <message>
        <source>Open it</source>
        <translation>L&apos;ouvrir</translation>
    </message>
    <message>
        <source>Moving the limb</source>
        <translation>Déplacer le limbe</translation>
    </message>
    <message>
        <source>Move it</source>
        <translation>Le déplacer</translation>
    </message>
    <message>
        <source>%1 group</source>
        <translation>%1 groupe</translation>
    </message>
    <message>
        <source>%1 groups</source>
        <translation>%1 groupes</translation>
    </message>
    <message>
        <source>%1 spot</source>
        <translation>%1 tache</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 taches</translation>
    </message>
    <message>
        <source>g %1  f %2  R %3  north %4, %5  south %6, %7  area %8 MSH</source>
        <translation>g %1  f %2  R %3  nord %4, %5  sud %6, %7  aire %8 MSH</translation>
    </message>
    <message>
        <source>the point %1,%2 lies off the disk</source>
        <translation>le point %1,%2 est hors du disque</translation>
    </message>
    <message>
        <source>there is no spot %1</source>
        <translation>il n&apos;y a pas de tache %1</translation>
    </message>
    <message>
        <source>there is no group %1</source>
        <translation>il n&apos;y a pas de groupe %1</translation>
    </message>
    <message>
        <source>no spots were chosen to move</source>
        <translation>aucune tache n&apos;a été choisie à déplacer</translation>
    </message>
    <message>
        <source>choose two groups or more to merge</source>
        <translation>choisissez au moins deux groupes à fusionner</translation>
    </message>
    <message>
        <source>the spots to split off lie in different groups</source>
        <translation>les taches à séparer sont dans des groupes différents</translation>
    </message>
    <message>
        <source>no spots were chosen to split off</source>
        <translation>aucune tache n&apos;a été choisie à séparer</translation>
    </message>
    <message>
        <source>a group split must keep a spot in each part</source>
        <translation>un groupe scindé doit garder une tache dans chaque partie</translation>
    </message>
    <message>
        <source>no spots were chosen to delete</source>
        <translation>aucune tache n&apos;a été choisie à supprimer</translation>
    </message>
    <message>
        <source>a Zurich class is one of A, B, C, D, E, F, G, H and J</source>
        <translation>une classe de Zurich est l&apos;une de A, B, C, D, E, F, G, H et J</translation>
    </message>
    <message>
        <source>a McIntosh class is three letters Zpc, such as Dkc</source>
        <translation>une classe de McIntosh s&apos;écrit en trois lettres Zpc, par exemple Dkc</translation>
    </message>
    <message>
        <source>%1 region within the limb margin (mu &lt; %2)</source>
        <translation>%1 région dans la marge du limbe (mu &lt; %2)</translation>
    </message>
    <message>
        <source>%1 regions within the limb margin (mu &lt; %2)</source>
        <translation>%1 régions dans la marge du limbe (mu &lt; %2)</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>non retenu : %1</translation>
    </message>
    <message>
        <source>left out: %1, %2 smaller than %3 px</source>
        <translation>non retenu : %1, %2 plus petites que %3 px</translation>
    </message>
    <message>
        <source>left out: %1 region smaller than %2 px</source>
        <translation>non retenu : %1 région plus petite que %2 px</translation>
    </message>
    <message>
        <source>left out: %1 regions smaller than %2 px</source>
        <translation>non retenu : %1 régions plus petites que %2 px</translation>
    </message>
    <message>
        <source>cannot write the backup copy %1 before migrating the log: %2; the log is left as it is</source>
        <translation>impossible d&apos;écrire la copie de sauvegarde %1 avant de migrer le journal : %2 ; le journal reste tel quel</translation>
    </message>
    <message>
        <source>there is no log at %1 (log add starts one)</source>
        <translation>il n&apos;y a pas de journal à %1 (log add en crée un)</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is not an SQLite database; it is left as it is</source>
        <translation>%1 n&apos;est pas un journal de Quorvel : ce n&apos;est pas une base SQLite ; il reste tel quel</translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation>impossible d&apos;ouvrir le journal %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: %2; it is left as it is</source>
        <translation>%1 n&apos;est pas un journal de Quorvel : %2 ; il reste tel quel</translation>
    </message>
    <message>
        <source>the log %1 is empty</source>
        <translation>le journal %1 est vide</translation>
    </message>
    <message>
        <source>cannot make the log: %1</source>
        <translation>impossible de créer le journal : %1</translation>
    </message>
    <message>
        <source>%1 is not a log of Quorvel: it is another program&apos;s database; it is left as it is</source>
        <translation>%1 n&apos;est pas un journal de Quorvel : c&apos;est la base d&apos;un autre programme ; il reste tel quel</translation>
    </message>
    <message>
        <source>the log %1 has schema version %2, newer than this program&apos;s %3: use a newer Quorvel; it is left as it is</source>
        <translation>le journal %1 a la version de schéma %2, plus récente que la version %3 de ce programme : utilisez un Quorvel plus récent ; il reste tel quel</translation>
    </message>
    <message>
        <source>the log %1 fails its integrity check (%2); it is left as it is: restore a backup or export what can be read</source>
        <translation>le journal %1 échoue à son contrôle d&apos;intégrité (%2) ; il reste tel quel : restaurez une sauvegarde ou exportez ce qui peut être lu</translation>
    </message>
    <message>
        <source>the log %1 has the older schema version %2: the next log add migrates it</source>
        <translation>le journal %1 a l&apos;ancienne version de schéma %2 : le prochain log add le migre</translation>
    </message>
    <message>
        <source>cannot migrate the log %1 from schema version %2: %3; it is left as it was (a copy is in %4)</source>
        <translation>impossible de migrer le journal %1 depuis la version de schéma %2 : %3 ; il reste tel qu&apos;il était (une copie est dans %4)</translation>
    </message>
    <message>
        <source>the log %1 is busy: another program has been saving for %2 s; nothing was written</source>
        <translation>le journal %1 est occupé : un autre programme y enregistre depuis %2 s ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>impossible d&apos;écrire le journal %1 : %2</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2; nothing was written</source>
        <translation>impossible d&apos;écrire le journal %1 : %2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot read the log %1: %2</source>
        <translation>impossible de lire le journal %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written</source>
        <translation>%1 : %2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM</source>
        <translation>%1 « %2 » illisible : écrivez YYYY-MM</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DDTHH:MMZ in Universal Time</source>
        <translation>%1 « %2 » illisible : écrivez YYYY-MM-DDTHH:MMZ en temps universel</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; lies before 1600</source>
        <translation>%1 « %2 » est antérieur à 1600</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; has no month %3</source>
        <translation>%1 « %2 » n&apos;a pas de mois %3</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a date: %3 %4 has %5 days</source>
        <translation>%1 « %2 » n&apos;est pas une date : %3 %4 a %5 jours</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 « %2 » n&apos;est pas une heure du jour</translation>
    </message>
    <message>
        <source>cannot read the %1 &apos;%2&apos;: write it as YYYY-MM-DD</source>
        <translation>%1 « %2 » illisible : écrivez YYYY-MM-DD</translation>
    </message>
    <message>
        <source>a count cannot be negative (%1: %2 groups, %3 spots)</source>
        <translation>un compte ne peut pas être négatif (%1 : %2 groupes, %3 taches)</translation>
    </message>
    <message>
        <source>%1 has %2 groups but %3 spots: every group has at least one spot (g cannot exceed f)</source>
        <translation>%1 a %2 groupes mais %3 taches : chaque groupe a au moins une tache (g ne peut pas dépasser f)</translation>
    </message>
    <message>
        <source>%1 has %2 spots in no group: a single spot is a group of one</source>
        <translation>%1 a %2 taches hors de tout groupe : une tache seule forme un groupe</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>groupe %1</translation>
    </message>
    <message>
        <source>%1 has no spots: a group has at least one</source>
        <translation>%1 n&apos;a pas de taches : un groupe en a au moins une</translation>
    </message>
    <message>
        <source>%1: the latitude lies outside -90..90 degrees</source>
        <translation>%1 : la latitude est hors de -90..90 degrés</translation>
    </message>
    <message>
        <source>%1: the central-meridian distance lies outside -180..180 degrees</source>
        <translation>%1 : la distance au méridien central est hors de -180..180 degrés</translation>
    </message>
    <message>
        <source>%1: the Carrington longitude lies outside [0, 360) degrees</source>
        <translation>%1 : la longitude de Carrington est hors de [0, 360) degrés</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a Zurich class (A, B, C, D, E, F, G, H, J)</source>
        <translation>%1 : « %2 » n&apos;est pas une classe de Zurich (A, B, C, D, E, F, G, H, J)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a McIntosh class such as Dkc</source>
        <translation>%1 : « %2 » n&apos;est pas une classe de McIntosh comme Dkc</translation>
    </message>
    <message>
        <source>%1: a NOAA region number is positive</source>
        <translation>%1 : un numéro de région NOAA est positif</translation>
    </message>
    <message>
        <source>%1: an extent or area is negative, or the umbra exceeds the whole</source>
        <translation>%1 : une étendue ou une aire est négative, ou l&apos;ombre dépasse le tout</translation>
    </message>
    <message>
        <source>the observer code &apos;%1&apos; is not 1 to 16 letters, digits, &apos;-&apos; or &apos;_&apos;</source>
        <translation>le code d&apos;observateur « %1 » ne compte pas 1 à 16 lettres, chiffres, « - » ou « _ »</translation>
    </message>
    <message>
        <source>the northern hemisphere</source>
        <translation>l&apos;hémisphère nord</translation>
    </message>
    <message>
        <source>the southern hemisphere</source>
        <translation>l&apos;hémisphère sud</translation>
    </message>
    <message>
        <source>the whole disk</source>
        <translation>le disque entier</translation>
    </message>
    <message>
        <source>the hemispheres&apos; counts do not add up to the whole disk&apos;s</source>
        <translation>les comptes des hémisphères ne donnent pas celui du disque entier</translation>
    </message>
    <message>
        <source>the seeing &apos;%1&apos; is not one of E, G, F, P (excellent, good, fair, poor) or 1 to 5</source>
        <translation>le seeing « %1 » n&apos;est ni E, G, F, P (excellent, bon, moyen, mauvais) ni 1 à 5</translation>
    </message>
    <message>
        <source>the counts given differ from those of the groups (%1 groups, %2 spots)</source>
        <translation>les comptes donnés diffèrent de ceux des groupes (%1 groupes, %2 taches)</translation>
    </message>
    <message>
        <source>the image&apos;s SHA-256 is not 64 hexadecimal digits</source>
        <translation>le SHA-256 de l&apos;image n&apos;est pas fait de 64 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the image&apos;s limb has no radius</source>
        <translation>le limbe de l&apos;image n&apos;a pas de rayon</translation>
    </message>
    <message>
        <source>an equipment profile needs a name</source>
        <translation>un profil d&apos;équipement demande un nom</translation>
    </message>
    <message>
        <source>the method &apos;%1&apos; is not projection, visual or photographic</source>
        <translation>la méthode « %1 » n&apos;est ni projection, ni visuelle, ni photographique</translation>
    </message>
    <message>
        <source>an aperture, focal length or magnification is positive</source>
        <translation>une ouverture, une focale ou un grossissement est positif</translation>
    </message>
    <message>
        <source>cannot read the log</source>
        <translation>impossible de lire le journal</translation>
    </message>
    <message>
        <source>there is no observation %1</source>
        <translation>il n&apos;y a pas d&apos;observation %1</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log %2</source>
        <translation>il n&apos;y a pas d&apos;observateur %1 dans le journal %2</translation>
    </message>
    <message>
        <source>track %1 does not exist in the log %2</source>
        <translation>la trace %1 n&apos;existe pas dans le journal %2</translation>
    </message>
    <message>
        <source>cannot read the tracks</source>
        <translation>impossible de lire les traces</translation>
    </message>
    <message>
        <source>observation %1 has no group %2; nothing was written</source>
        <translation>l&apos;observation %1 n&apos;a pas de groupe %2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot make a new track</source>
        <translation>impossible de créer une nouvelle trace</translation>
    </message>
    <message>
        <source>track %1 does not exist; nothing was written</source>
        <translation>la trace %1 n&apos;existe pas ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>track %1 already holds group %2 of that observation; nothing was written</source>
        <translation>la trace %1 contient déjà le groupe %2 de cette observation ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot move the group</source>
        <translation>impossible de déplacer le groupe</translation>
    </message>
    <message>
        <source>cannot save the observer %1</source>
        <translation>impossible d&apos;enregistrer l&apos;observateur %1</translation>
    </message>
    <message>
        <source>cannot save the default observer</source>
        <translation>impossible d&apos;enregistrer l&apos;observateur par défaut</translation>
    </message>
    <message>
        <source>cannot save the equipment profile %1</source>
        <translation>impossible d&apos;enregistrer le profil d&apos;équipement %1</translation>
    </message>
    <message>
        <source>there is no equipment profile &apos;%1&apos;: give its --method to make one</source>
        <translation>il n&apos;y a pas de profil d&apos;équipement « %1 » : donnez sa --method pour le créer</translation>
    </message>
    <message>
        <source>cannot save the observation</source>
        <translation>impossible d&apos;enregistrer l&apos;observation</translation>
    </message>
    <message>
        <source>cannot save the image of the observation</source>
        <translation>impossible d&apos;enregistrer l&apos;image de l&apos;observation</translation>
    </message>
    <message>
        <source>cannot save a spot</source>
        <translation>impossible d&apos;enregistrer une tache</translation>
    </message>
    <message>
        <source>cannot save group %1</source>
        <translation>impossible d&apos;enregistrer le groupe %1</translation>
    </message>
    <message>
        <source>cannot save a new track</source>
        <translation>impossible d&apos;enregistrer une nouvelle trace</translation>
    </message>
    <message>
        <source>the log already holds an observation by %1 at %2; nothing was written</source>
        <translation>le journal contient déjà une observation de %1 à %2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>cannot keep the seeing and the equipment</source>
        <translation>impossible de garder le seeing et l&apos;équipement</translation>
    </message>
    <message>
        <source>cannot save k</source>
        <translation>impossible d&apos;enregistrer k</translation>
    </message>
    <message>
        <source>there is no observer %1 in the log</source>
        <translation>il n&apos;y a pas d&apos;observateur %1 dans le journal</translation>
    </message>
    <message>
        <source>track %1 holds no group any more</source>
        <translation>la trace %1 ne contient plus aucun groupe</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Journal d&apos;observation</translation>
    </message>
    <message>
        <source>give the log&apos;s file: neither XDG_DATA_HOME nor HOME names a folder for it</source>
        <translation>indiquez le fichier du journal : ni XDG_DATA_HOME ni HOME ne désignent un dossier pour lui</translation>
    </message>
    <message>
        <source>cannot read %1 again for its SHA-256</source>
        <translation>impossible de relire %1 pour son SHA-256</translation>
    </message>
    <message>
        <source>the log has no observer yet: give your observer code</source>
        <translation>le journal n&apos;a pas encore d&apos;observateur : donnez votre code d&apos;observateur</translation>
    </message>
    <message>
        <source>date to place the tracks on</source>
        <translation>date où placer les traces</translation>
    </message>
    <message>
        <source>Choose a group of a track first</source>
        <translation>Choisissez d&apos;abord un groupe d&apos;une trace</translation>
    </message>
    <message>
        <source>There is no move to undo</source>
        <translation>Il n&apos;y a aucun déplacement à annuler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a track&apos;s number nor new</source>
        <translation>« %1 » n&apos;est ni un numéro de trace ni new</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 as given</source>
        <translation>EXIF DateTimeOriginal, horloge de l&apos;appareil %1 comme indiqué</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock %1 (OffsetTimeOriginal)</source>
        <translation>EXIF DateTimeOriginal, horloge de l&apos;appareil %1 (OffsetTimeOriginal)</translation>
    </message>
    <message>
        <source>EXIF DateTimeOriginal, camera clock taken as UT (no offset given)</source>
        <translation>EXIF DateTimeOriginal, horloge de l&apos;appareil prise pour TU (aucun décalage donné)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>nord solaire tourné de %1° dans le sens antihoraire, en miroir (%2, %3, %4)</translation>
    </message>
    <message>
        <source>solar north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>nord solaire tourné de %1° dans le sens antihoraire (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise, mirrored (%2, %3, %4)</source>
        <translation>nord céleste tourné de %1° dans le sens antihoraire, en miroir (%2, %3, %4)</translation>
    </message>
    <message>
        <source>celestial north turned %1° counterclockwise (%2, %3, %4)</source>
        <translation>nord céleste tourné de %1° dans le sens antihoraire (%2, %3, %4)</translation>
    </message>
    <message>
        <source>centre %1, %2, radius %3 px (%4)</source>
        <translation>centre %1, %2, rayon %3 px (%4)</translation>
    </message>
    <message>
        <source>the header&apos;s disk (%1) is set aside: it does not fit the %2 x %3 image</source>
        <translation>le disque de l&apos;en-tête (%1) est écarté : il ne tient pas dans l&apos;image de %2 x %3</translation>
    </message>
    <message>
        <source>the header&apos;s disk: %1</source>
        <translation>le disque de l&apos;en-tête : %1</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a date</source>
        <translation>%1 « %2 » de l&apos;en-tête FITS n&apos;est pas une date</translation>
    </message>
    <message>
        <source>%1 and the time of %2</source>
        <translation>%1 et l&apos;heure de %2</translation>
    </message>
    <message>
        <source>the FITS header&apos;s %1 &apos;%2&apos; is not a time of day</source>
        <translation>%1 « %2 » de l&apos;en-tête FITS n&apos;est pas une heure du jour</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>le bord trouvé est la montée d&apos;un anneau brillant au limbe (EUV, Ca-K), à environ 1 % près de la photosphère</translation>
    </message>
    <message>
        <source>%1; the edge found is where a limb-brightened ring rises (EUV, Ca-K), within about 1 % of the photosphere</source>
        <translation>%1 ; le bord trouvé est la montée d&apos;un anneau brillant au limbe (EUV, Ca-K), à environ 1 % près de la photosphère</translation>
    </message>
    <message>
        <source>the header&apos;s disk (radius %1 px) is set aside: the limb found on the image (radius %2 px) does not agree with it</source>
        <translation>le disque de l&apos;en-tête (rayon %1 px) est écarté : le limbe trouvé sur l&apos;image (rayon %2 px) ne concorde pas avec lui</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % outside the header&apos;s photosphere, whose radius is used</source>
        <translation>limbe ajusté %1 px, en-tête %2 px : le bord ajusté est %3 % à l&apos;extérieur de la photosphère de l&apos;en-tête, dont le rayon est utilisé</translation>
    </message>
    <message>
        <source>limb fit %1 px, header %2 px: the fitted edge lies %3 % inside the header&apos;s photosphere, whose radius is used</source>
        <translation>limbe ajusté %1 px, en-tête %2 px : le bord ajusté est %3 % à l&apos;intérieur de la photosphère de l&apos;en-tête, dont le rayon est utilisé</translation>
    </message>
    <message>
        <source>The image %1 cannot be read; it may be damaged or cut short (%2).</source>
        <translation>L&apos;image %1 ne peut pas être lue ; elle est peut-être endommagée ou tronquée (%2).</translation>
    </message>
    <message>
        <source>%1 is not an image Quorvel can open: by its content it is none of PNG, JPEG, TIFF, BMP and FITS.</source>
        <translation>%1 n&apos;est pas une image que Quorvel sait ouvrir : d&apos;après son contenu, ce n&apos;est ni PNG, ni JPEG, ni TIFF, ni BMP, ni FITS.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is too small to hold a solar disk.</source>
        <translation>L&apos;image %1 (%2 x %3 pixels) est trop petite pour contenir un disque solaire.</translation>
    </message>
    <message>
        <source>The image %1 (%2 x %3 pixels) is larger than Quorvel measures: at most %4 pixels, %5 on a side.</source>
        <translation>L&apos;image %1 (%2 x %3 pixels) dépasse ce que Quorvel mesure : au plus %4 pixels, %5 par côté.</translation>
    </message>
    <message>
        <source>%1: not enough memory for this image</source>
        <translation>%1 : pas assez de mémoire pour cette image</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Found %1 spots.</source>
        <translation>%1 taches trouvées.</translation>
    </message>
    <message>
        <source>Found %1 spots; %2.</source>
        <translation>%1 taches trouvées ; %2.</translation>
    </message>
    <message>
        <source>There is no group %1.</source>
        <translation>Il n&apos;y a pas de groupe %1.</translation>
    </message>
    <message>
        <source>cannot read %1: there is no such file</source>
        <translation>impossible de lire %1 : ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe or a device)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un tube nommé ou un périphérique)</translation>
    </message>
    <message>
        <source>Find the spots first: Save to Log keeps the count of an image</source>
        <translation>Trouvez d&apos;abord les taches : Enregistrer au journal garde le compte d&apos;une image</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Enregistrer au journal</translation>
    </message>
    <message>
        <source>The annotated image could not be made: not enough memory for this image.</source>
        <translation>L&apos;image annotée n&apos;a pas pu être créée : pas assez de mémoire pour cette image.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>Undone.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Rien à rétablir.</translation>
    </message>
    <message>
        <source>Done again.</source>
        <translation>Rétabli.</translation>
    </message>
    <message>
        <source>Off the disk  %1</source>
        <translation>Hors du disque  %1</translation>
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
        <translation>La visionneuse de documents n&apos;a pas pu ouvrir « %1 » (%2 s&apos;est terminé avec le statut %3). Installez une visionneuse PDF, ou ouvrez le fichier vous-même : %4</translation>
    </message>
    <message>
        <source>it changed while it was opened</source>
        <translation>il a changé pendant son ouverture</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>le nom désigne un dossier</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>could not make an image of %1 x %2 pixels: not enough memory</source>
        <translation>impossible de créer une image de %1 x %2 pixels : pas assez de mémoire</translation>
    </message>
    <message>
        <source>could not encode the PNG image for %1</source>
        <translation>impossible d&apos;encoder l&apos;image PNG pour %1</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg or .log</source>
        <translation>le fichier de sortie doit finir par .png, .svg ou .log</translation>
    </message>
    <message>
        <source>The disk diameter of %1 mm is not from %2 to %3 mm.</source>
        <translation>Le diamètre du disque de %1 mm n&apos;est pas compris entre %2 et %3 mm.</translation>
    </message>
    <message>
        <source>The disk diameter of %1 pixels is not from 1 to %2 pixels.</source>
        <translation>Le diamètre du disque de %1 pixels n&apos;est pas compris entre 1 et %2 pixels.</translation>
    </message>
    <message>
        <source>A disk of %1 pixels makes an image of about %2 million pixels, more than the %3 million this program makes: choose a smaller diameter, or SVG or PDF.</source>
        <translation>Un disque de %1 pixels donne une image d&apos;environ %2 millions de pixels, plus que les %3 millions que ce programme crée : choisissez un diamètre plus petit, ou SVG ou PDF.</translation>
    </message>
    <message>
        <source>A disk of %1 mm with its scale and caption needs %2 x %3 mm; the printable area is %4 x %5 mm. Choose a smaller diameter or a larger paper.</source>
        <translation>Un disque de %1 mm avec son échelle et sa légende demande %2 x %3 mm ; la zone imprimable fait %4 x %5 mm. Choisissez un diamètre plus petit ou un papier plus grand.</translation>
    </message>
    <message>
        <source>the output file must end in .png, .svg, .pdf or .log</source>
        <translation>le fichier de sortie doit finir par .png, .svg, .pdf ou .log</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a link another user made to another file; it is not followed</source>
        <translation>« %1 » est un lien qu&apos;un autre utilisateur a fait vers un autre fichier ; il n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a settings file</source>
        <translation>« %1 » est un dossier, pas un fichier de réglages</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a settings file</source>
        <translation>« %1 » n&apos;est pas un fichier de réglages</translation>
    </message>
    <message>
        <source>the precise model covers the years -1999 to 3000</source>
        <translation>le modèle précis couvre les années -1999 à 3000</translation>
    </message>
    <message>
        <source>no solar disk was found</source>
        <translation>aucun disque solaire n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>no solar disk was found: the circle found is no brighter inside than outside (a bright ring, or a coronagraph&apos;s occulter)</source>
        <translation>aucun disque solaire n&apos;a été trouvé : le cercle trouvé n&apos;est pas plus clair dedans que dehors (un anneau brillant, ou l&apos;occulteur d&apos;un coronographe)</translation>
    </message>
    <message>
        <source>%1. Set the limb by 3 points.</source>
        <translation>%1. Placez le limbe par 3 points.</translation>
    </message>
    <message>
        <source>The FITS file %1 is cut short: its header declares %2 x %3 pixels, %4 bytes in all, but the file holds %5.</source>
        <translation>Le fichier FITS %1 est tronqué : son en-tête déclare %2 x %3 pixels, %4 octets en tout, mais le fichier n&apos;en contient que %5.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: %2.</source>
        <translation>Le fichier FITS %1 est endommagé ou tronqué : %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 cannot be read: %2.</source>
        <translation>Le fichier FITS %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged: %2.</source>
        <translation>Le fichier FITS %1 est endommagé : %2.</translation>
    </message>
    <message>
        <source>The FITS file %1 holds no image.</source>
        <translation>Le fichier FITS %1 ne contient aucune image.</translation>
    </message>
    <message>
        <source>The FITS file %1 is damaged or cut short: its compressed tile %2 cannot be read.</source>
        <translation>Le fichier FITS %1 est endommagé ou tronqué : sa tuile compressée %2 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The FITS file %1 is tile-compressed in a way Quorvel does not read: its tiles span several planes, hold 64-bit values, or use a code or a mask it does not know.</source>
        <translation>Le fichier FITS %1 est compressé en tuiles d&apos;une manière que Quorvel ne lit pas : ses tuiles couvrent plusieurs plans, contiennent des valeurs de 64 bits, ou utilisent un code ou un masque qu&apos;il ne connaît pas.</translation>
    </message>
</context>
<context>
    <name>TrueScaleDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Date, time, place, P, B0, L0 and rotation below the disk</source>
        <translation>Date, heure, lieu, P, B0, L0 et rotation sous le disque</translation>
    </message>
    <message>
        <source>Disk diameter, pixels (PNG, SVG)</source>
        <translation>Diamètre du disque, pixels (PNG, SVG)</translation>
    </message>
    <message>
        <source>Disk diameter, mm</source>
        <translation>Diamètre du disque, mm</translation>
    </message>
    <message>
        <source>Disk diameter, mm (PDF)</source>
        <translation>Diamètre du disque, mm (PDF)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</translation>
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
        <translation>Quorvel-G       Version graphique de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Position angles</source>
        <translation>&amp;Angles de position</translation>
    </message>
    <message>
        <source>Check for a position angle scale</source>
        <translation>Cocher pour une échelle d&apos;angles de position</translation>
    </message>
    <message>
        <source>S&amp;olar rotation arrows</source>
        <translation>Flèches de r&amp;otation</translation>
    </message>
    <message>
        <source>Check to show axes and NS meridian</source>
        <translation>Cocher pour montrer les axes et le méridien NS</translation>
    </message>
    <message>
        <source>Quorvel Normal &amp;View</source>
        <translation>Vue &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Graphics Ready View</source>
        <translation>Vue &amp;graphique finale</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier (presse-papiers)</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Default st&amp;yle</source>
        <translation>St&amp;yle initial</translation>
    </message>
    <message>
        <source>The design&apos;s sizes, colours, &quot;Equator&quot; and &quot;Axes&quot;; drawn at the next view button.</source>
        <translation>Les tailles et couleurs d&apos;origine, « Équateur » et « Axes » ; dessinés au prochain bouton de vue.</translation>
    </message>
    <message>
        <source>&amp;Bckgrnd</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>Dis&amp;k</source>
        <translation>Dis&amp;que</translation>
    </message>
    <message>
        <source>&amp;Limb</source>
        <translation>&amp;Limbe</translation>
    </message>
    <message>
        <source>Gri&amp;d</source>
        <translation>G&amp;rille</translation>
    </message>
    <message>
        <source>E&amp;quator</source>
        <translation>É&amp;quateur</translation>
    </message>
    <message>
        <source>PA &amp;Scale</source>
        <translation>Éc&amp;helle AP</translation>
    </message>
    <message>
        <source>Arro&amp;ws</source>
        <translation>Flèc&amp;hes</translation>
    </message>
    <message>
        <source>S&amp;un axis</source>
        <translation>A&amp;xe solaire</translation>
    </message>
    <message>
        <source>Equ&amp;ator</source>
        <translation>É&amp;quat.</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;xes</translation>
    </message>
    <message>
        <source>Solar diameter, pixels</source>
        <translation>Diamètre solaire, pixels</translation>
    </message>
    <message>
        <source>Grid interval, degrees</source>
        <translation>Pas de la grille, degrés</translation>
    </message>
    <message>
        <source>Angle mark interval</source>
        <translation>Pas des graduations</translation>
    </message>
    <message>
        <source>Angular interval in position angle scale</source>
        <translation>Intervalle angulaire de l&apos;échelle d&apos;angles de position</translation>
    </message>
    <message>
        <source>Angle label  interval</source>
        <translation>Pas des étiquettes</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Haut.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Ang from N</source>
        <translation>Angle dep. N</translation>
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
        <translation>Numéro de rotation de Carrington</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Numéro de rotation de Carrington : il augmente de un chaque fois que L0 passe de 0 à 360.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Save I&amp;mage...</source>
        <translation>Enregis&amp;trer...</translation>
    </message>
    <message>
        <source>The graphics-ready view alone: PNG or SVG at a disk diameter in pixels, PDF in millimetres.</source>
        <translation>La vue graphique seule : PNG ou SVG à un diamètre de disque en pixels, PDF en millimètres.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Prints the graphics-ready view with the disk at a diameter in millimetres (150 mm makes a drawing blank).</source>
        <translation>Imprime la vue graphique avec le disque à un diamètre en millimètres (150 mm donnent un canevas de dessin).</translation>
    </message>
</context>
<context>
    <name>quorvel::LogDialog</name>
    <message>
        <source>Observations</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>Date (UT)</source>
        <translation>Date (TU)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observateur</translation>
    </message>
    <message>
        <source>Seeing</source>
        <translation>Seeing</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Compté</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>AAVSO monthly text</source>
        <translation>Texte mensuel AAVSO</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>BAA monthly CSV</source>
        <translation>CSV mensuel BAA</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Groups CSV (the month, or all when empty)</source>
        <translation>CSV des groupes (le mois, ou tout si vide)</translation>
    </message>
    <message>
        <source>Daily R of the month (plot)</source>
        <translation>R quotidien du mois (graphique)</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Butterfly diagram (the month, or all when empty)</source>
        <translation>Diagramme papillon (le mois, ou tout si vide)</translation>
    </message>
    <message>
        <source>Observer&apos;s Log</source>
        <translation>Journal d&apos;observation</translation>
    </message>
    <message>
        <source>Other &amp;Log...</source>
        <translation>Autre &amp;journal...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Enregistrer le &amp;rapport...</translation>
    </message>
    <message>
        <source>&amp;Open Measurement</source>
        <translation>&amp;Ouvrir la mesure</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Journal : %1</translation>
    </message>
    <message>
        <source>1 observation</source>
        <translation>1 observation</translation>
    </message>
    <message>
        <source>%1 observations</source>
        <translation>%1 observations</translation>
    </message>
    <message>
        <source>image</source>
        <translation>image</translation>
    </message>
    <message>
        <source>by hemisphere</source>
        <translation>par hémisphère</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>disque entier</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Open Log</source>
        <translation>Ouvrir un journal</translation>
    </message>
    <message>
        <source>Logs (*.sqlite);;All files (*)</source>
        <translation>Journaux (*.sqlite);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>&amp;Mois</translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Angle between (1) the meridian passing through the Sun and the North Celestial Pole and (2) the great circle passing through the Sun and the Zenith.</source>
        <translation>Angle entre (1) le méridien passant par le Soleil et le pôle nord céleste et (2) le grand cercle passant par le Soleil et le zénith.</translation>
    </message>
    <message>
        <source>E&amp;W drift</source>
        <translation>&amp;Dérive</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dessiner</translation>
    </message>
    <message>
        <source>&amp;Graphics</source>
        <translation>&amp;Graph.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Measure Image...</source>
        <translation>&amp;Mesurer l&apos;image...</translation>
    </message>
    <message>
        <source>Your own image of the Sun: the grid over it, and spots measured by a click.</source>
        <translation>Votre propre image du Soleil : la grille par-dessus, et des taches mesurées par un clic.</translation>
    </message>
    <message>
        <source>Sun Position</source>
        <translation>Position du Soleil</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude, degrees</source>
        <translation>Hauteur du Soleil, degrés</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth, degrees from north measured through east.</source>
        <translation>Azimut du Soleil, degrés depuis le nord en passant par l&apos;est.</translation>
    </message>
    <message>
        <source>N - S meridian tilt</source>
        <translation>Inclinaison méridien N-S</translation>
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
        <translation>Numéro de rotation de Carrington</translation>
    </message>
    <message>
        <source>Heliographic latitude of centre of sun&apos;s disk, degrees.  N pole is tilted towards Earth if Bo is positive.</source>
        <translation>Latitude héliographique du centre du disque solaire, degrés.  Le pôle N est incliné vers la Terre si B0 est positif.</translation>
    </message>
    <message>
        <source>Position angle of the northern extremity of the axis of rotation measured eastwards from the North point of the disk.</source>
        <translation>Angle de position de l&apos;extrémité nord de l&apos;axe de rotation, compté vers l&apos;est depuis le point nord du disque.</translation>
    </message>
    <message>
        <source>Heliographic longitude, degrees, of the centre of the Sun&apos;s disk.</source>
        <translation>Longitude héliographique du centre du disque solaire, degrés.</translation>
    </message>
    <message>
        <source>Carrington rotation number: it grows by one each time Lo passes from 0 to 360.</source>
        <translation>Numéro de rotation de Carrington : il augmente de un chaque fois que L0 passe de 0 à 360.</translation>
    </message>
    <message>
        <source>Hr ang</source>
        <translation>Angle h.</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Haut.</translation>
    </message>
    <message>
        <source>Azim</source>
        <translation>Azim</translation>
    </message>
    <message>
        <source>Hour angle of sun.  </source>
        <translation>Angle horaire du Soleil.  </translation>
    </message>
</context>
<context>
    <name>quorvel::MeasureWindow</name>
    <message>
        <source>Date, time and place</source>
        <translation>Date, heure et lieu</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>D</source>
        <translation>J</translation>
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
        <translation>Heure std moins TU</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat</translation>
    </message>
    <message>
        <source>Long (E neg.)</source>
        <translation>Long (E nég.)</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Les longitudes est sont négatives</translation>
    </message>
    <message>
        <source>Orientation of the image</source>
        <translation>Orientation de l&apos;image</translation>
    </message>
    <message>
        <source>As seen in the telescope</source>
        <translation>Comme vu dans le télescope</translation>
    </message>
    <message>
        <source>Celestial north up, east left</source>
        <translation>Nord céleste en haut, est à gauche</translation>
    </message>
    <message>
        <source>Solar north up</source>
        <translation>Nord solaire en haut</translation>
    </message>
    <message>
        <source>Altaz mount</source>
        <translation>Monture azimutale</translation>
    </message>
    <message>
        <source>Flip image horizontally</source>
        <translation>Retourner l&apos;image horizontalement</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Degrees the image is turned further, counterclockwise (a turned camera)</source>
        <translation>Degrés dont l&apos;image est tournée en plus, dans le sens antihoraire (une caméra tournée)</translation>
    </message>
    <message>
        <source>Turned (deg, counterclockwise)</source>
        <translation>Tournée (degrés, sens antihoraire)</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Grid every</source>
        <translation>Grille tous les</translation>
    </message>
    <message>
        <source>Equator</source>
        <translation>Équateur</translation>
    </message>
    <message>
        <source>Axis and pole</source>
        <translation>Axe et pôle</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>Limbe</translation>
    </message>
    <message>
        <source>PA scale</source>
        <translation>Échelle AP</translation>
    </message>
    <message>
        <source>N and E</source>
        <translation>N et E</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Taches</translation>
    </message>
    <message>
        <source>Degrees between the grid&apos;s lines, 1 to 90</source>
        <translation>Degrés entre les lignes de la grille, 1 à 90</translation>
    </message>
    <message>
        <source>Grid every (degrees)</source>
        <translation>Grille tous les (degrés)</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Ouvrir une image...</translation>
    </message>
    <message>
        <source>No limb yet.</source>
        <translation>Pas encore de limbe.</translation>
    </message>
    <message>
        <source>Find Limb</source>
        <translation>Trouver le limbe</translation>
    </message>
    <message>
        <source>Limb by 3 Points</source>
        <translation>Limbe par 3 points</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Save to Log...</source>
        <translation>Dans le journal...</translation>
    </message>
    <message>
        <source>Measured Spots</source>
        <translation>Taches mesurées</translation>
    </message>
    <message>
        <source>Count Spots</source>
        <translation>Compter les taches</translation>
    </message>
    <message>
        <source>Click a point on the limb (%1 of 3).</source>
        <translation>Cliquez un point du limbe (%1 sur 3).</translation>
    </message>
    <message>
        <source>Measure Image</source>
        <translation>Mesurer l&apos;image</translation>
    </message>
    <message>
        <source>Open an image of the Sun, or a drawing of it.</source>
        <translation>Ouvrez une image du Soleil, ou un dessin de celui-ci.</translation>
    </message>
    <message>
        <source>The date and time are not yet set for this image: type them, or keep them.</source>
        <translation>La date et l&apos;heure de cette image ne sont pas encore fixées : saisissez-les, ou gardez-les.</translation>
    </message>
    <message>
        <source>The turn of the image is not a number of degrees from -360 to 360.</source>
        <translation>La rotation de l&apos;image n&apos;est pas un nombre de degrés de -360 à 360.</translation>
    </message>
    <message>
        <source>Carrington rotation %1</source>
        <translation>Rotation de Carrington %1</translation>
    </message>
    <message>
        <source>A camera&apos;s JPEG: its clock&apos;s offset to UT, +HH:MM or hours</source>
        <translation>JPEG d&apos;un appareil photo : décalage de son horloge sur TU, +HH:MM ou heures</translation>
    </message>
    <message>
        <source>Camera clock: UT+hh:mm</source>
        <translation>Horloge appareil : TU+hh:mm</translation>
    </message>
    <message>
        <source>Seeing &amp;&amp; Equipment...</source>
        <translation>Seeing &amp;&amp; équipement...</translation>
    </message>
    <message>
        <source>The next Save to Log keeps %1</source>
        <translation>Le prochain enregistrement au journal garde %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last row added or deleted, or the last change of the limb (Ctrl+Z)</source>
        <translation>Annuler la dernière ligne ajoutée ou supprimée, ou le dernier changement du limbe (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Do again what was undone (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Refaire ce qui a été annulé (Ctrl+Maj+Z ou Ctrl+Y)</translation>
    </message>
    <message>
        <source>the limb found again</source>
        <translation>limbe retrouvé</translation>
    </message>
    <message>
        <source>the limb moved</source>
        <translation>limbe déplacé</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it; to correct the limb, press Move Limb (Ctrl+M) and drag it.</source>
        <translation>Cliquez une tache sur le disque pour la mesurer ; pour corriger le limbe, appuyez sur Déplacer le limbe (Ctrl+M) et faites-le glisser.</translation>
    </message>
    <message>
        <source>the limb set through three points</source>
        <translation>limbe fixé par trois points</translation>
    </message>
    <message>
        <source>spot %1 added</source>
        <translation>tache %1 ajoutée</translation>
    </message>
    <message>
        <source>Choose the rows to delete in the table first.</source>
        <translation>Choisissez d&apos;abord les lignes à supprimer dans le tableau.</translation>
    </message>
    <message>
        <source>row %1 deleted</source>
        <translation>ligne %1 supprimée</translation>
    </message>
    <message>
        <source>%1 rows deleted</source>
        <translation>%1 lignes supprimées</translation>
    </message>
    <message>
        <source>%1; Ctrl+Z undoes it.</source>
        <translation>%1 ; Ctrl+Z l&apos;annule.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Rien à refaire.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>Done again: %1.</source>
        <translation>Refait : %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annulé : %1.</translation>
    </message>
    <message>
        <source>Move Limb</source>
        <translation>Déplacer le limbe</translation>
    </message>
    <message>
        <source>While down, a drag inside the disk moves the limb and a drag on its edge resizes it; clicks add no spots (Ctrl+M; Esc leaves)</source>
        <translation>Tant qu&apos;il est enfoncé, glisser dans le disque déplace le limbe et glisser sur son bord le redimensionne ; les clics n&apos;ajoutent pas de taches (Ctrl+M ; Échap pour sortir)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Show the whole image (Ctrl+0)</source>
        <translation>Montrer toute l&apos;image (Ctrl+0)</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One pixel of the image on one pixel of the screen (Ctrl+1)</source>
        <translation>Un pixel de l&apos;image sur un pixel de l&apos;écran (Ctrl+1)</translation>
    </message>
    <message>
        <source>The zoom: the wheel over the image, or Ctrl++ and Ctrl+- (twice and half as large)</source>
        <translation>Le zoom : la molette sur l&apos;image, ou Ctrl++ et Ctrl+- (deux fois plus grand et moitié)</translation>
    </message>
    <message>
        <source>The grey level shown as black, 0 to 254</source>
        <translation>Le niveau de gris montré en noir, 0 à 254</translation>
    </message>
    <message>
        <source>The grey level shown as white, 1 to 255</source>
        <translation>Le niveau de gris montré en blanc, 1 à 255</translation>
    </message>
    <message>
        <source>Black point</source>
        <translation>Point noir</translation>
    </message>
    <message>
        <source>White point</source>
        <translation>Point blanc</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste auto</translation>
    </message>
    <message>
        <source>Stretch the contrast of the part in view from its 0.5 % to its 99.5 % brightness (Ctrl+E)</source>
        <translation>Étirer le contraste de la partie visible de sa luminosité à 0,5 % à celle à 99,5 % (Ctrl+E)</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Move Limb: drag inside the disk to move the limb, on its edge to resize it; Ctrl+Z undoes. Press Move Limb again (or Esc) to add spots.</source>
        <translation>Déplacer le limbe : glisser dans le disque déplace le limbe, sur son bord le redimensionne ; Ctrl+Z annule. Appuyez de nouveau sur Déplacer le limbe (ou Échap) pour ajouter des taches.</translation>
    </message>
    <message>
        <source>Click a spot on the disk to measure it.</source>
        <translation>Cliquez une tache sur le disque pour la mesurer.</translation>
    </message>
    <message>
        <source>No limb.</source>
        <translation>Pas de limbe.</translation>
    </message>
    <message>
        <source>, or &lt;a href=&quot;keep&quot;&gt;keep the date and time shown&lt;/a&gt;</source>
        <translation>, ou &lt;a href=&quot;keep&quot;&gt;garder la date et l&apos;heure affichées&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Date and time from the camera (%1), as UT: %2.</source>
        <translation>Date et heure de l&apos;appareil photo (%1), en TU : %2.</translation>
    </message>
    <message>
        <source>Date and time from the FITS header (%1), as UT: %2.</source>
        <translation>Date et heure de l&apos;en-tête FITS (%1), en TU : %2.</translation>
    </message>
    <message>
        <source>The day from the FITS header (%1); it gives no time: type the time (UT).</source>
        <translation>Le jour vient de l&apos;en-tête FITS (%1) ; il ne donne pas l&apos;heure : saisissez l&apos;heure (TU).</translation>
    </message>
    <message>
        <source>Not used: %1. Type the date and time%2.</source>
        <translation>Non utilisé : %1. Saisissez la date et l&apos;heure%2.</translation>
    </message>
    <message>
        <source>The FITS header gives no date: type the date and time (marked)%1.</source>
        <translation>L&apos;en-tête FITS ne donne pas de date : saisissez la date et l&apos;heure (marquées)%1.</translation>
    </message>
    <message>
        <source>The image holds no date: type the date and time (marked)%1.</source>
        <translation>L&apos;image ne contient pas de date : saisissez la date et l&apos;heure (marquées)%1.</translation>
    </message>
    <message>
        <source>Place from the FITS header.</source>
        <translation>Lieu tiré de l&apos;en-tête FITS.</translation>
    </message>
    <message>
        <source>Orientation from the FITS header: %1.</source>
        <translation>Orientation tirée de l&apos;en-tête FITS : %1.</translation>
    </message>
    <message>
        <source>Taken from the camera&apos;s EXIF date</source>
        <translation>Tiré de la date EXIF de l&apos;appareil photo</translation>
    </message>
    <message>
        <source>The camera clock&apos;s offset to UT is +HH:MM, -HH:MM or hours, at most 14.</source>
        <translation>Le décalage de l&apos;horloge de l&apos;appareil sur le TU s&apos;écrit +HH:MM, -HH:MM ou en heures, 14 au plus.</translation>
    </message>
    <message>
        <source>: kept</source>
        <translation> : conservées</translation>
    </message>
    <message>
        <source>Limb found: centre %1, %2, radius %3 px, scatter %4 px (%5 edge points).</source>
        <translation>Limbe trouvé : centre %1, %2, rayon %3 px, dispersion %4 px (%5 points du bord).</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px.</source>
        <translation>Limbe placé à la main : centre %1, %2, rayon %3 px.</translation>
    </message>
    <message>
        <source>Limb set by hand: centre %1, %2, radius %3 px, edge scatter %4 px.</source>
        <translation>Limbe placé à la main : centre %1, %2, rayon %3 px, dispersion du bord %4 px.</translation>
    </message>
    <message>
        <source>Spot %1: %2</source>
        <translation>Tache %1 : %2</translation>
    </message>
</context>
<context>
    <name>quorvel::ObservationWindow</name>
    <message>
        <source>Quorvel-G, by the Quorvel developers</source>
        <translation>Quorvel-G, par l&apos;équipe Quorvel</translation>
    </message>
    <message>
        <source>Quorvel, by the Quorvel developers</source>
        <translation>Quorvel, par l&apos;équipe Quorvel</translation>
    </message>
    <message>
        <source>D</source>
        <translation>J</translation>
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
        <translation>Heure std moins TU</translation>
    </message>
    <message>
        <source>Day of month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year,e.g. 2006</source>
        <translation>Année, par ex. 2006</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maint.</translation>
    </message>
    <message>
        <source>Enters current time of PC clock - but see DST checkbox.</source>
        <translation>Saisit l&apos;heure actuelle de l&apos;horloge du PC – mais voyez la case heure d&apos;été.</translation>
    </message>
    <message>
        <source>Latitude - Positive in Northern Hemisphere.</source>
        <translation>Latitude – positive dans l&apos;hémisphère nord.</translation>
    </message>
    <message>
        <source>Longitudes East are Negative</source>
        <translation>Les longitudes est sont négatives</translation>
    </message>
    <message>
        <source>Standard time difference from UTC in hours.  Negative for longitudes West of Greenwich.</source>
        <translation>Écart de l&apos;heure normale à UTC, en heures.  Négatif pour les longitudes à l&apos;ouest de Greenwich.</translation>
    </message>
    <message>
        <source>DS&amp;T</source>
        <translation>H&amp;E</translation>
    </message>
    <message>
        <source>Check when daylight saving (summer) time is used.</source>
        <translation>Cocher quand l&apos;heure d&apos;été est en vigueur.</translation>
    </message>
    <message>
        <source>Alta&amp;z mount</source>
        <translation>Alta&amp;z</translation>
    </message>
    <message>
        <source>&amp;Equat</source>
        <translation>É&amp;quat</translation>
    </message>
    <message>
        <source>&amp;Flip image horizontally</source>
        <translation>&amp;Miroir horizontal</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>&amp;Pos Angs</source>
        <translation>&amp;Angles P</translation>
    </message>
    <message>
        <source>R&amp;otation</source>
        <translation>R&amp;otation</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>G&amp;rille</translation>
    </message>
    <message>
        <source>Measure Image...</source>
        <translation>Mesurer l&apos;image...</translation>
    </message>
    <message>
        <source>Observer&apos;s Log...</source>
        <translation>Journal d&apos;observation...</translation>
    </message>
    <message>
        <source>Parameters have changed</source>
        <translation>Les paramètres ont changé</translation>
    </message>
    <message>
        <source>The point under the mouse; a click copies it for a spreadsheet.</source>
        <translation>Le point sous la souris ; un clic le copie pour un tableur.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 (settings not saved)</source>
        <translation>%1 (réglages non enregistrés)</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveAnswersDialog</name>
    <message>
        <source>projection</source>
        <translation>projection</translation>
    </message>
    <message>
        <source>visual</source>
        <translation>visuel</translation>
    </message>
    <message>
        <source>photographic</source>
        <translation>photographique</translation>
    </message>
    <message>
        <source>Save to Log</source>
        <translation>Enregistrer au journal</translation>
    </message>
    <message>
        <source>E: excellent</source>
        <translation>E : excellent</translation>
    </message>
    <message>
        <source>G: good</source>
        <translation>G : bon</translation>
    </message>
    <message>
        <source>F: fair</source>
        <translation>F : passable</translation>
    </message>
    <message>
        <source>P: poor</source>
        <translation>P : mauvais</translation>
    </message>
    <message>
        <source>1: best</source>
        <translation>1 : le meilleur</translation>
    </message>
    <message>
        <source>5: worst</source>
        <translation>5 : le pire</translation>
    </message>
    <message>
        <source>e.g. your AAVSO code</source>
        <translation>par ex. votre code AAVSO</translation>
    </message>
    <message>
        <source>&amp;Seeing:</source>
        <translation>&amp;Seeing :</translation>
    </message>
    <message>
        <source>&amp;Observer code:</source>
        <translation>Code d&apos;&amp;observateur :</translation>
    </message>
    <message>
        <source>&amp;Equipment:</source>
        <translation>&amp;Équipement :</translation>
    </message>
    <message>
        <source>&amp;Method of new equipment:</source>
        <translation>&amp;Méthode du nouvel équipement :</translation>
    </message>
</context>
<context>
    <name>quorvel::SaveCounted</name>
    <message>
        <source>the log&apos;s default observer</source>
        <translation>l&apos;observateur par défaut du journal</translation>
    </message>
    <message>
        <source>observer %1</source>
        <translation>observateur %1</translation>
    </message>
    <message>
        <source>no equipment</source>
        <translation>aucun équipement</translation>
    </message>
    <message>
        <source>equipment %1</source>
        <translation>équipement %1</translation>
    </message>
    <message>
        <source>seeing %1, %2, %3</source>
        <translation>seeing %1, %2, %3</translation>
    </message>
    <message>
        <source>observation %1 saved in %2: %3 %4, g %5, f %6, R %7</source>
        <translation>observation %1 enregistrée dans %2 : %3 %4, g %5, f %6, R %7</translation>
    </message>
    <message>
        <source>; group %1 track %2 (new)</source>
        <translation> ; groupe %1 trace %2 (nouvelle)</translation>
    </message>
    <message>
        <source>; group %1 track %2</source>
        <translation> ; groupe %1 trace %2</translation>
    </message>
</context>
<context>
    <name>quorvel::SpotPanel</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Spots</source>
        <translation>Taches</translation>
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
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Hem</source>
        <translation>Hém</translation>
    </message>
    <message>
        <source>Zurich</source>
        <translation>Zurich</translation>
    </message>
    <message>
        <source>McIntosh</source>
        <translation>McIntosh</translation>
    </message>
    <message>
        <source>Area MSH</source>
        <translation>Aire MSH</translation>
    </message>
    <message>
        <source>Umbra MSH</source>
        <translation>Ombre MSH</translation>
    </message>
    <message>
        <source>A spot region is darker than this fraction of the photosphere</source>
        <translation>Une région de tache est plus sombre que cette fraction de la photosphère</translation>
    </message>
    <message>
        <source>An umbra is darker than this fraction of the photosphere</source>
        <translation>Une ombre est plus sombre que cette fraction de la photosphère</translation>
    </message>
    <message>
        <source>Spots closer than this on the Sun (degrees) are one group</source>
        <translation>Les taches plus proches que cela sur le Soleil (degrés) forment un groupe</translation>
    </message>
    <message>
        <source>Regions smaller across are left out: pixels, or arcseconds such as 3arcsec</source>
        <translation>Les régions plus petites sont écartées : pixels, ou secondes d&apos;arc comme 3arcsec</translation>
    </message>
    <message>
        <source>Regions nearer the limb than this mu are left out</source>
        <translation>Les régions plus proches du limbe que ce mu sont écartées</translation>
    </message>
    <message>
        <source>Find Spots</source>
        <translation>Trouver les taches</translation>
    </message>
    <message>
        <source>Penumbra</source>
        <translation>Pénombre</translation>
    </message>
    <message>
        <source>Umbra</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Group distance (deg)</source>
        <translation>Distance de groupe (degrés)</translation>
    </message>
    <message>
        <source>Min. size</source>
        <translation>Taille min.</translation>
    </message>
    <message>
        <source>Limb margin (mu)</source>
        <translation>Marge au limbe (mu)</translation>
    </message>
    <message>
        <source>Add Spot by Click</source>
        <translation>Ajouter par clic</translation>
    </message>
    <message>
        <source>Merge Groups</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Split Off</source>
        <translation>Séparer</translation>
    </message>
    <message>
        <source>The number of the group to move the chosen spots to; empty: a new group</source>
        <translation>Le numéro du groupe où déplacer les taches choisies ; vide : un nouveau groupe</translation>
    </message>
    <message>
        <source>Group to move the chosen spots to</source>
        <translation>Groupe où déplacer les taches choisies</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>Vers groupe</translation>
    </message>
    <message>
        <source>Delete Spot</source>
        <translation>Supprimer la tache</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>as suggested</source>
        <translation>comme proposé</translation>
    </message>
    <message>
        <source>Group %1: Zurich class %2.</source>
        <translation>Groupe %1 : classe de Zurich %2.</translation>
    </message>
    <message>
        <source>Group %1: McIntosh class %2.</source>
        <translation>Groupe %1 : classe de McIntosh %2.</translation>
    </message>
</context>
<context>
    <name>quorvel::TracksPanel</name>
    <message>
        <source>&amp;Show Places</source>
        <translation>&amp;Afficher les positions</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>First (UT)</source>
        <translation>Première (TU)</translation>
    </message>
    <message>
        <source>Last (UT)</source>
        <translation>Dernière (TU)</translation>
    </message>
    <message>
        <source>Sightings</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Drift lon °/day</source>
        <translation>Dérive long °/jour</translation>
    </message>
    <message>
        <source>Drift lat °/day</source>
        <translation>Dérive lat °/jour</translation>
    </message>
    <message>
        <source>Return of</source>
        <translation>Retour de</translation>
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
        <translation>Date (TU)</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>&amp;Move Group to Track...</source>
        <translation>Dé&amp;placer le groupe vers une trace...</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>A&amp;nnuler le déplacement</translation>
    </message>
    <message>
        <source>&amp;Place on (UT):</source>
        <translation>Posi&amp;tion le (TU) :</translation>
    </message>
    <message>
        <source>Groups of the track:</source>
        <translation>Groupes de la trace :</translation>
    </message>
    <message>
        <source>Move Group</source>
        <translation>Déplacer le groupe</translation>
    </message>
    <message>
        <source>Move the group to which track? A track&apos;s number, or new:</source>
        <translation>Déplacer le groupe vers quelle trace ? Numéro de trace, ou new :</translation>
    </message>
    <message>
        <source> (behind)</source>
        <translation> (face cachée)</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to track %5?</source>
        <translation>Déplacer le groupe %1 du %2 (observation %3) de la trace %4 vers la trace %5 ?</translation>
    </message>
    <message>
        <source>Move group %1 of %2 (observation %3) from track %4 to a new track?</source>
        <translation>Déplacer le groupe %1 du %2 (observation %3) de la trace %4 vers une nouvelle trace ?</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 moved from track %3 to track %4; Undo Move puts it back</source>
        <translation>Groupe %1 de l&apos;observation %2 déplacé de la trace %3 vers la trace %4 ; Annuler le déplacement le remet</translation>
    </message>
    <message>
        <source>Group %1 of observation %2 is back on track %3</source>
        <translation>Le groupe %1 de l&apos;observation %2 est de retour sur la trace %3</translation>
    </message>
    <message>
        <source>new</source>
        <comment>the answer naming a new track</comment>
        <translation>nouvelle</translation>
    </message>
</context>
<context>
    <name>quorvel::TrueScale</name>
    <message>
        <source>Local %1 (DST)   zone %2 h   UT %3   JD %4</source>
        <translation>Heure locale %1 (heure d&apos;été)   fuseau %2 h   TU %3   JJ %4</translation>
    </message>
    <message>
        <source>Local %1   zone %2 h   UT %3   JD %4</source>
        <translation>Heure locale %1   fuseau %2 h   TU %3   JJ %4</translation>
    </message>
    <message>
        <source>Lat %1   Long %2 (east negative)   P %3   B0 %4   L0 %5   Rotation %6</source>
        <translation>Lat %1   Long %2 (est négatif)   P %3   B0 %4   L0 %5   Rotation %6</translation>
    </message>
</context>
</TS>
