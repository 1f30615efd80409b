// quorvel_g's links to the desktop beyond those of quorvel: the colour
// dialog, the clipboard and the beep, each replaceable in tests.
#pragma once

#include <QImage>
#include <QWidget>

#include "colours.h"

namespace quorvel {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setimage(const QImage& image) = 0;
    virtual void beep() = 0;
};

/// Qt's colour dialog, with its full custom-colour section.
class QtColourChooser : public ColourChooser {
public:
    explicit QtColourChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setparent(QWidget* parent) { parent_ = parent; }
    std::optional<Colour> choose(Colour current, CustomColours& custom) override;

private:
    QWidget* parent_;
};

/// The system clipboard and the platform's beep.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setimage(const QImage& image) override;
    void beep() override;
};

}  // namespace quorvel
