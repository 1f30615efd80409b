// The measuring window's limb: found on the image, dragged, or set through
// three points clicked on it; the readout of the point under the mouse.
#include <cmath>

#include "language.h"
#include "messagetext.h"
#include "measurewindow.h"
#include "numbertext.h"
#include "spotpanel.h"

namespace quorvel {

void MeasureWindow::findlimbagain() {
    if (image_.gray.empty()) return;
    LimbFit fit;
    const Outcome found = findlimb(image_.gray, fit);
    limb_.reset();
    if (found.done()) {
        limb_ = fit;
        std::string note = header_.disknote;
        const Circle fitted = limb_->circle;
        if (const auto disk = agreeingdisk(header_, *limb_, note)) limb_->circle = *disk;
        const QString text = tr("Limb found: centre %1, %2, radius %3 px, scatter %4 px (%5 edge points).")
                                 .arg(QString::fromStdString(patterntext(fitted.cx, "0.0")),
                                      QString::fromStdString(patterntext(fitted.cy, "0.0")),
                                      QString::fromStdString(patterntext(fitted.r, "0.0")),
                                      QString::fromStdString(patterntext(limb_->scatter, "0.00")))
                                 .arg(limb_->points);
        lbllimb_->setText(text + (note.empty() ? QString() : "\n" + translatemessage(note) + "."));
        status(tr("Click a spot on the disk to measure it; to correct the limb, press Move Limb (Ctrl+M) and drag it.")
                   .toStdString());
    } else {
        lbllimb_->setText(tr("No limb."));
        status(fillin(MESSAGE_TEXT("Message", "%1. Set the limb by 3 points."), {found.message}), true);
    }
    view_->setlimb(limb_ ? std::optional(limb_->circle) : std::nullopt);
    recompute();
}

void MeasureWindow::setlimb(const Circle& c) {
    limb_ = LimbFit{c, limbscatter(image_.gray, c), 0};
    const QString cx = QString::fromStdString(patterntext(c.cx, "0.0")), cy = QString::fromStdString(patterntext(c.cy, "0.0")),
                  r = QString::fromStdString(patterntext(c.r, "0.0"));
    lbllimb_->setText(std::isnan(limb_->scatter)
                          ? tr("Limb set by hand: centre %1, %2, radius %3 px.").arg(cx, cy, r)
                          : tr("Limb set by hand: centre %1, %2, radius %3 px, edge scatter %4 px.")
                                .arg(cx, cy, r, QString::fromStdString(patterntext(limb_->scatter, "0.00"))));
    view_->setlimb(c);
    recompute();
}

void MeasureWindow::pointed(double x, double y) {
    if (threemode_ || !frame_ || cmdmovelimb_->isChecked()) return;  // the status line says what to do
    status(readouttext(measurespot(*frame_, x, y, 0).disk));
}

void MeasureWindow::clicked(double x, double y) {
    if (!threemode_ && spotpanel_->addclick(x, y)) return;  // "Add Spot by Click" is down
    if (!threemode_) {
        addspot(x, y);
        return;
    }
    threepoints_.push_back({x, y});
    if (threepoints_.size() < 3) {
        status(tr("Click a point on the limb (%1 of 3).").arg(threepoints_.size() + 1).toStdString());
        return;
    }
    threemode_ = false;
    const auto c = circlethrough(threepoints_[0], threepoints_[1], threepoints_[2]);
    if (!c) {
        status(MESSAGE_TEXT("Message", "The three points lie on a line: no limb through them."), true);
        return;
    }
    const Measured before = measured();
    setlimb(*c);
    remember(tr("the limb set through three points"), before);
    status(MESSAGE_TEXT("Message", "Limb set through the three points."));
}

}  // namespace quorvel
