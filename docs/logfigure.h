// The guide's page of the log's reports: a month of a small log made by the
// log's own functions, as its AAVSO report, its daily R and its butterfly diagram.
#pragma once

#include <QImage>
#include <QString>

#include "figurelabels.h"

/// The AAVSO report of a log of November 2026 written in folder (and
/// removed); a null image when the log could not be written or read.
QImage reportsfigure(const FigureLabels& labels, const QString& folder);

/// The same month's daily R above its butterfly diagram.
QImage plotsfigure(const FigureLabels& labels, const QString& folder);
