// The words the guide's figures write on the pictures, in the guide's language.
#pragma once

#include <QString>
#include <QStringList>

/// The labels of the figures in one language.
struct FigureLabels {
    // The parts of the oriented disk.
    QString axis, pole, equator, grid, scale, drift, rotation, directions, tilt;
    // The captions of the views side by side.
    QString equatorial, altaz, flipped, inverted;
    // The counting figure: what each feature counts as, and the count line
    // ("%1 groups, %2 spots: R = 10 x %1 + %2 = %3").
    QString twoumbrae, oneumbra, pore, faint, countline;
    // The page of reports.
    QString aavso, daily, butterfly;
};

/// The languages the figures are labelled in: "en" first, then the translations.
QStringList figurelanguages();

/// The labels in language (a code of figurelanguages()); English for another.
const FigureLabels& figurelabels(const QString& language);
