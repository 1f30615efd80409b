// The measuring window takes what an image says of itself: a FITS header's
// date, place and orientation go into the fields, each said in the window.
// An image without a full date never keeps the fields' date silently: they
// are marked as not set until the user confirms or changes them.
#include <QRegularExpression>

#include "measurewindow.h"
#include "numbertext.h"

namespace quorvel {
namespace {

const char* const UNSET_STYLE = "background: #fff0b0;";
const char* const CAMERA_STYLE = "background: #dcecff;";
const char* const KEEP = "<a href=\"keep\">keep the date and time shown</a>";

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
    if (d.camera) said.push_back("Date and time from the camera (" + d.keyword + "), as UT: " + obsdatetext(*d.moment) + ".");
    else if (d.moment) said.push_back("Date and time from the FITS header (" + d.keyword + "), as UT: " + obsdatetext(*d.moment) + ".");
    else if (d.dayonly) said.push_back("The day from the FITS header (" + d.keyword + "); it gives no time: type the time (UT).");
    else if (!d.fault.empty()) said.push_back("Not used: " + d.fault + ". Type the date and time, or " + KEEP + ".");
    else said.push_back(std::string(image_.fits ? "The FITS header gives no date" : "The image holds no date") +
                        ": type the date and time (marked), or " + KEEP + ".");
    if (h.lat) {
        settext(txtlat_, patterntext(*h.lat, "0.0####")), settext(txtlong_, patterntext(*h.lonwest, "0.0####"));
        said.push_back("Place from the FITS header.");
    }
    if (h.orientation) {
        const QSignalBlocker q1(cboorient_), q2(chkflip_), q3(chkaltaz_), q4(chkinvert_);
        cboorient_->setCurrentIndex(static_cast<int>(h.orientation->kind));
        chkflip_->setChecked(h.orientation->flip);
        chkaltaz_->setChecked(false), chkinvert_->setChecked(false);
        settext(txtrotate_, patterntext(h.orientation->rotatedeg, "0.00"));
        said.push_back("Orientation from the FITS header: " + h.orientationnote + ".");
    }
    std::string text;
    for (const std::string& s : said) text += (text.empty() ? "" : "<br>") + s;
    lbldate_->setText(QString::fromStdString(text));
    setdateset(d.moment.has_value());
    for (QLineEdit* box : {txtday_, txtmonth_, txtyear_, txthour_, txtmin_}) {
        if (!d.camera) break;
        box->setStyleSheet(CAMERA_STYLE);
        box->setToolTip("Taken from the camera's EXIF date");
    }
}

void MeasureWindow::takecameradate() {
    txtcamoffset_->setEnabled(image_.camera.has_value());
    if (!image_.camera) return;
    std::optional<double> given;
    if (camoffsetgiven_ && !txtcamoffset_->text().trimmed().isEmpty()) {
        given = clockoffset(txtcamoffset_->text().trimmed().toStdString());
        if (!given) {
            status("The camera clock's offset to UT is +HH:MM, -HH:MM or hours, at most 14.", true);
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
    said.replace(QRegularExpression(",? or <a href=\"keep\">[^<]*</a>"), ": kept");
    lbldate_->setText(said);
    recompute();
}

}  // namespace quorvel
