// The measuring window takes what an image says of itself: a FITS header's
// date, place and orientation go into the fields, each said in the window.
// An image without a full date never keeps the fields' date silently: they
// are marked as not set until the user confirms or changes them.
#include <QRegularExpression>

#include "language.h"
#include "measurewindow.h"
#include "numbertext.h"

namespace quorvel {
namespace {

const char* const UNSET_STYLE = "background: #fff0b0;";
const char* const CAMERA_STYLE = "background: #dcecff;";

void settext(QLineEdit* box, const std::string& text) {
    const QSignalBlocker quiet(box);
    box->setText(QString::fromStdString(text));
}

}  // namespace

void MeasureWindow::takeheader() {
    const FitsHeader& h = header_;
    std::vector<std::string> said;
    const HeaderDate& d = h.date;
    const std::optional<ObsDate> day = d.moment ? d.moment : d.dayonly;
    if (day) {
        FieldTexts f;
        setutfields(*day, f);
        settext(txtday_, f.day), settext(txtmonth_, f.month), settext(txtyear_, f.year);
        if (d.moment) settext(txthour_, f.hour), settext(txtmin_, f.min);
        settext(txttz_, "0");
        const QSignalBlocker quiet(optdst_);
        optdst_->setChecked(false);
    }
    // The offer to keep the date, marked so that keepdate() can replace it in any language.
    const QString keep = "<!--keep-->" + tr(", or <a href=\"keep\">keep the date and time shown</a>") + "<!--/keep-->";
    auto say = [&said](const QString& text) { said.push_back(text.toStdString()); };
    const QString keyword = translatemessage(d.keyword).toHtmlEscaped();
    const QString moment = d.moment ? QString::fromStdString(obsdatetext(*d.moment)).toHtmlEscaped() : QString();
    if (d.camera) say(tr("Date and time from the camera (%1), as UT: %2.").arg(keyword, moment));
    else if (d.moment) say(tr("Date and time from the FITS header (%1), as UT: %2.").arg(keyword, moment));
    else if (d.dayonly) say(tr("The day from the FITS header (%1); it gives no time: type the time (UT).").arg(keyword));
    else if (!d.fault.empty())
        say(tr("Not used: %1. Type the date and time%2.").arg(translatemessage(d.fault).toHtmlEscaped(), keep));
    else if (image_.fits) say(tr("The FITS header gives no date: type the date and time (marked)%1.").arg(keep));
    else say(tr("The image holds no date: type the date and time (marked)%1.").arg(keep));
    if (h.lat) {
        settext(txtlat_, patterntext(*h.lat, "0.0####")), settext(txtlong_, patterntext(*h.lonwest, "0.0####"));
        say(tr("Place from the FITS header."));
    }
    if (h.orientation) {
        const QSignalBlocker q1(cboorient_), q2(chkflip_), q3(chkaltaz_), q4(chkinvert_);
        cboorient_->setCurrentIndex(static_cast<int>(h.orientation->kind));
        chkflip_->setChecked(h.orientation->flip);
        chkaltaz_->setChecked(false), chkinvert_->setChecked(false);
        settext(txtrotate_, patterntext(h.orientation->rotatedeg, "0.00"));
        say(tr("Orientation from the FITS header: %1.").arg(translatemessage(h.orientationnote).toHtmlEscaped()));
    }
    std::string text;
    for (const std::string& s : said) text += (text.empty() ? "" : "<br>") + s;
    lbldate_->setText(QString::fromStdString(text));
    setdateset(d.moment.has_value());
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_}) {
        if (!d.camera) break;
        box->setStyleSheet(CAMERA_STYLE);
        box->setToolTip(tr("Taken from the camera's EXIF date"));
    }
}

void MeasureWindow::takecameradate() {
    txtcamoffset_->setEnabled(image_.camera.has_value());
    if (!image_.camera) return;
    std::optional<double> given;
    if (camoffsetgiven_ && !txtcamoffset_->text().trimmed().isEmpty()) {
        given = clockoffset(txtcamoffset_->text().trimmed().toStdString());
        if (!given) {
            status(tr("The camera clock's offset to UT is +HH:MM, -HH:MM or hours, at most 14.").toStdString(), true);
            return;
        }
    }
    header_.date = cameramoment(*image_.camera, given);
    const std::optional<double> used = given ? given : image_.camera->offsethours;
    settext(txtcamoffset_, used ? clockoffsettext(*used).substr(2) : "");
    takeheader();
    recompute();
}

void MeasureWindow::setdateset(bool set) {
    dateset_ = set;
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_}) {
        box->setStyleSheet(set ? "" : UNSET_STYLE);
        box->setToolTip({});
    }
}

void MeasureWindow::keepdate() {
    setdateset(true);
    QString said = lbldate_->text();
    said.replace(QRegularExpression("<!--keep-->.*<!--/keep-->"), tr(": kept"));
    lbldate_->setText(said);
    recompute();
}

}  // namespace quorvel
