// The measuring window: its state, the moment and orientation read from its
// fields, and the image's frame on the sky recomputed after each change.
#include "measurewindow.h"

#include <cmath>

#include "language.h"
#include "reachable.h"
#include "numbertext.h"
#include "spotpanel.h"
#include "textvalue.h"

namespace quorvel {
namespace {

std::string degreesign(double v, const char* pattern) { return patterntext(v, pattern) + "\u00b0"; }

}  // namespace

MeasureWindow::MeasureWindow(const MeasureStart& start, MeasureServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(std::move(services)), desktopmessages_(this), colours_(start.colours) {
    setObjectName("measurewindow");
    setWindowTitle(tr("Measure Image"));
    buildcontrols(start);
    makereachable(*this);
    wireevents();
    recompute();
    status(tr("Open an image of the Sun, or a drawing of it.").toStdString());
}

void MeasureWindow::status(const std::string& text, bool fault) {
    lblstatus_->setText(fault ? translatedsentence(text) : translatemessage(text));
    lblstatus_->setStyleSheet(fault ? "color: #b00000;" : "");
}

FieldTexts MeasureWindow::fields() const {
    auto t = [](const QLineEdit* e) { return e->text().toStdString(); };
    return FieldTexts{t(txtday_), t(txtmonth_), t(txtyear_), t(txthour_), t(txtmin_),
                      t(txttz_),  optdst_->isChecked(), t(txtlat_), t(txtlong_)};
}

Orientation MeasureWindow::orientation(bool& ok) const {
    Orientation o;
    o.kind = static_cast<OrientKind>(cboorient_->currentIndex());
    o.altaz = chkaltaz_->isChecked();
    o.flip = chkflip_->isChecked();
    o.invert = chkinvert_->isChecked();
    const auto turn = strictnumber(txtrotate_->text().toStdString());
    ok = turn && std::fabs(*turn) <= 360;
    o.rotatedeg = ok ? *turn : 0;
    return o;
}

OverlayOpts MeasureWindow::overlayopts() const {
    OverlayOpts o;
    o.colours = colours_;
    o.lettertexts = translatedcompass();
    for (const auto& [box, member] : overlayboxes_) o.*member = box->isChecked();
    const auto gap = strictnumber(txtgspace_->text().toStdString());
    if (gap && *gap >= 1 && *gap <= 90) o.gridinterval = static_cast<float>(*gap);
    else o.grid = false;
    return o;
}

void MeasureWindow::recompute() {
    const bool telescope = cboorient_->currentIndex() == 0;
    for (QCheckBox* box : {chkaltaz_, chkinvert_}) box->setEnabled(telescope);
    DiskMoment m;
    const Outcome fault = diskmoment(fields(), DiskModel::classic, m);
    bool turnok = false;
    const Orientation o = orientation(turnok);
    moment_.reset();
    frame_.reset();
    if (!dateset_) {
        lblvalues_->setText(tr("The date and time are not yet set for this image: type them, or keep them."));
    } else if (!fault.done()) {
        lblvalues_->setText(translatemessage(fault.message));
    } else if (!turnok) {
        lblvalues_->setText(tr("The turn of the image is not a number of degrees from -360 to 360."));
    } else {
        moment_ = m;
        lblvalues_->setText(QString::fromStdString("UT " + utstamp(m.sun.jd, m.sun.jdfrac) + "   P " +
                                                   degreesign(m.sun.p, "0.00") + "   B0 " + degreesign(m.sun.b0, "0.00") +
                                                   "\nL0 " + degreesign(m.sun.l0, "0.00") + "   ") +
                            tr("Carrington rotation %1").arg(m.rotation));
        if (limb_) frame_ = imageframe(m.sun, o, limb_->circle);
        if (frame_ && header_.sunradiusdeg) frame_->sunradiusdeg = *header_.sunradiusdeg;
    }
    lblvalues_->setStyleSheet(moment_ ? "" : "color: #b00000;");
    spotpanel_->setframe(image_.gray.empty() ? nullptr : &image_.gray, frame_);
    filltable();
    view_->refresh();
}

}  // namespace quorvel
