#include "imagepane.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr int BAR_STEPS = 20;  // arrow clicks across the view

/// A bar over an image of content logical pixels seen through a view of
/// view pixels whose edge is at value within the image.
void setbar(QScrollBar& bar, double content, int view, double value) {
    const QSignalBlocker quiet(&bar);
    const int at = static_cast<int>(std::lround(value));
    bar.setRange(std::min(0, at), std::max(static_cast<int>(std::lround(content)) - view, at));
    bar.setPageStep(view);
    bar.setSingleStep(std::max(1, view / BAR_STEPS));
    bar.setValue(at);
    bar.setEnabled(bar.maximum() > bar.minimum());
}

}  // namespace

ImagePane::ImagePane(QWidget* parent)
    : QWidget(parent), view_(new ImageView(this)), hbar_(new QScrollBar(Qt::Horizontal, this)),
      vbar_(new QScrollBar(Qt::Vertical, this)) {
    view_->setObjectName("imageview");
    hbar_->setObjectName("hbarimage");
    vbar_->setObjectName("vbarimage");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(view_, 0, 0);
    grid->addWidget(vbar_, 0, 1);
    grid->addWidget(hbar_, 1, 0);
    connect(view_, &ImageView::placed, this, &ImagePane::placebars);
    connect(hbar_, &QScrollBar::valueChanged, this, &ImagePane::scrolled);
    connect(vbar_, &QScrollBar::valueChanged, this, &ImagePane::scrolled);
}

void ImagePane::placebars() {
    const QRectF c = view_->content();
    setbar(*hbar_, c.width(), view_->width(), -c.left());
    setbar(*vbar_, c.height(), view_->height(), -c.top());
}

void ImagePane::scrolled() { view_->setoffset(-hbar_->value(), -vbar_->value()); }

}  // namespace quorvel
