#include "desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>

#include "qpaintersurface.h"

namespace quorvel {

std::optional<Colour> QtColourChooser::choose(Colour current, CustomColours& custom) {
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, qcolour(custom[static_cast<size_t>(i)]));
    QColorDialog dialog(qcolour(current), parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    for (int i = 0; i < 16; ++i) {
        const QColor c = QColorDialog::customColor(i);
        custom[static_cast<size_t>(i)] = rgb(c.red(), c.green(), c.blue());
    }
    const QColor c = dialog.selectedColor();
    return rgb(c.red(), c.green(), c.blue());
}

}  // namespace quorvel
