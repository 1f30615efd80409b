// The guide's pictures of the windows: quorvel_g's graphics-ready view with
// its style panel, and the measuring window at work.
#pragma once

#include <QImage>
#include <QString>

/// quorvel_g on a first start, the example drawn by "Graphics Ready View";
/// a null image when it could not be drawn.
QImage graphicswindowfigure();

/// The measuring window on figuresun() with its limb found and its spots
/// measured, for the guide's worked example; the image is written to folder
/// as "sun.png" (the name the window shows) while it is open. A null image when it could not be done.
QImage measurewindowfigure(const QString& folder);
