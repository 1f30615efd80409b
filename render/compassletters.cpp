#include "compassletters.h"

#include <QCoreApplication>

namespace quorvel {

CompassLetters translatedcompass() {
    // One letter each, or two at most: the letters stand just beyond the disk.
    auto text = [](const QString& s) { return s.toStdString(); };
    return {text(QCoreApplication::translate("quorvel::Compass", "N", "north")),
            text(QCoreApplication::translate("quorvel::Compass", "E", "east")),
            text(QCoreApplication::translate("quorvel::Compass", "S", "south")),
            text(QCoreApplication::translate("quorvel::Compass", "W", "west"))};
}

}  // namespace quorvel
