#include "figurelabels.h"

#include <map>

namespace {

// Each row: one language, in the order of the fields of FigureLabels.
const std::map<QString, FigureLabels>& table() {
    static const std::map<QString, FigureLabels> labels{
        {"en",
         {"rotation axis (turned by P)", "pole mark: the pole tilted towards us", "solar equator (bowed by B0)",
          "heliographic grid, 10° apart", "position-angle scale", "east-west drift: the sky moves west",
          "rotation arrows: the Sun turns east to west", "N, E, S, W: the sky's directions",
          "N - S meridian tilt", "Equatorial mount: north up", "Alt-azimuth mount: turned by the tilt",
          "Flip image horizontally: east and west swap", "Invert: turned by 180°",
          "two umbrae in one\npenumbra: 2 spots", "one umbra:\n1 spot", "a pore:\n1 spot",
          "fainter than 0.92:\nnot a spot", "%1 groups, %2 spots: R = 10 x %1 + %2 = %3",
          "The AAVSO report of the month", "The month's daily R", "Butterfly diagram: latitude against time"}},
        {"de",
         {"Rotationsachse (um P gedreht)", "Polmarke: der uns zugeneigte Pol", "Sonnenäquator (um B0 gewölbt)",
          "heliographisches Gradnetz, 10° Abstand", "Positionswinkelskala", "Ost-West-Drift: der Himmel wandert nach Westen",
          "Rotationspfeile: die Sonne dreht sich von Ost nach West", "N, O, S, W: die Himmelsrichtungen",
          "N-S-Meridianneigung", "Äquatoriale Montierung: Norden oben",
          "Azimutale Montierung: um die Neigung gedreht", "Bild horizontal spiegeln: Ost und West vertauscht",
          "Umkehren: um 180° gedreht",
          "zwei Umbren in einer\nPenumbra: 2 Flecken", "eine Umbra:\n1 Fleck", "eine Pore:\n1 Fleck",
          "heller als 0.92:\nkein Fleck", "%1 Gruppen, %2 Flecken: R = 10 x %1 + %2 = %3",
          "Der AAVSO-Monatsbericht", "Die täglichen R des Monats", "Schmetterlingsdiagramm: Breite gegen Zeit"}},
        {"fr",
         {"axe de rotation (tourné de P)", "marque du pôle : le pôle incliné vers nous", "équateur solaire (courbé par B0)",
          "grille héliographique tous les 10°", "échelle des angles de position", "dérive est-ouest : le ciel file vers l'ouest",
          "flèches de rotation : le Soleil tourne d'est en ouest", "N, E, S, O : les directions du ciel",
          "inclinaison du méridien N - S", "Monture équatoriale : le nord en haut",
          "Monture azimutale : tournée de l'inclinaison", "Retourner l'image : est et ouest échangés",
          "Inverser : tournée de 180°",
          "deux ombres dans une\npénombre : 2 taches", "une ombre :\n1 tache", "un pore :\n1 tache",
          "plus clair que 0.92 :\nnon compté", "%1 groupes, %2 taches : R = 10 x %1 + %2 = %3",
          "Le rapport AAVSO du mois", "Le R quotidien du mois", "Diagramme papillon : latitude en fonction du temps"}},
        {"es",
         {"eje de rotación (girado P)", "marca del polo: el polo inclinado hacia nosotros", "ecuador solar (curvado por B0)",
          "retícula heliográfica cada 10°", "escala de ángulos de posición", "deriva este-oeste: el cielo se mueve al oeste",
          "flechas de rotación: el Sol gira de este a oeste", "N, E, S, O: las direcciones del cielo",
          "inclinación del meridiano N - S", "Montura ecuatorial: el norte arriba",
          "Montura altacimutal: girada por la inclinación", "Voltear la imagen: este y oeste se intercambian",
          "Invertir: girada 180°",
          "dos umbras en una\npenumbra: 2 manchas", "una umbra:\n1 mancha", "un poro:\n1 mancha",
          "más claro que 0.92:\nno cuenta", "%1 grupos, %2 manchas: R = 10 x %1 + %2 = %3",
          "El informe AAVSO del mes", "El R diario del mes", "Diagrama de mariposa: latitud frente al tiempo"}},
        {"it",
         {"asse di rotazione (ruotato di P)", "segno del polo: il polo inclinato verso di noi", "equatore solare (incurvato da B0)",
          "reticolo eliografico ogni 10°", "scala degli angoli di posizione", "deriva est-ovest: il cielo si sposta a ovest",
          "frecce di rotazione: il Sole ruota da est a ovest", "N, E, S, O: le direzioni del cielo",
          "inclinazione del meridiano N - S", "Montatura equatoriale: nord in alto",
          "Montatura altazimutale: ruotata dell'inclinazione", "Ribalta l'immagine: est e ovest scambiati",
          "Inverti: ruotata di 180°",
          "due ombre in una\npenombra: 2 macchie", "un'ombra:\n1 macchia", "un poro:\n1 macchia",
          "più chiaro di 0.92:\nnon contato", "%1 gruppi, %2 macchie: R = 10 x %1 + %2 = %3",
          "Il rapporto AAVSO del mese", "L'R giornaliero del mese", "Diagramma a farfalla: latitudine nel tempo"}},
    };
    return labels;
}

}  // namespace

QStringList figurelanguages() { return {"en", "de", "fr", "es", "it"}; }

const FigureLabels& figurelabels(const QString& language) {
    const auto it = table().find(language);
    return it == table().end() ? table().at("en") : it->second;
}
