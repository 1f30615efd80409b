// The image view with its scroll bars, which follow the zoom and the pan and
// move the image when dragged.
#pragma once

#include <QScrollBar>
#include <QWidget>

#include "imageview.h"

namespace quorvel {

class ImagePane : public QWidget {
public:
    explicit ImagePane(QWidget* parent = nullptr);
    ImageView* view() const { return view_; }

private:
    /// The bars' ranges and values from the view: a value is how far the
    /// view's edge lies within the image, logical pixels.
    void placebars();
    void scrolled();

    ImageView* view_;
    QScrollBar *hbar_, *vbar_;
};

}  // namespace quorvel
