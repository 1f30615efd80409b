// The measuring window's files: the image opened, the CSV and the annotated
// image saved.
#include <QBuffer>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>

#include "language.h"
#include "messagetext.h"
#include "measurewindow.h"
#include "pictureexport.h"
#include "spotoverlay.h"
#include "spotpanel.h"
#include "spottext.h"

namespace quorvel {
namespace {

const char* const IMAGE_FILTER = "Images (*.png *.jpg *.jpeg *.tif *.tiff *.bmp *.fits *.fit *.fts);;All files (*)";

}  // namespace

bool MeasureWindow::mayclear(const std::string& doing, const std::string& action, bool rows) {
    const size_t counted = spotpanel_->unsaved() ? spotpanel_->model().survey().spots.size() : 0;
    const bool unsaved = rows && !undo_.isClean() && !rows_.empty();
    if (!unsaved && !spotpanel_->unsaved()) return true;
    const std::string what = unsaved ? fillin(MESSAGE_TEXT("Message", "%1 spots measured"), {std::to_string(rows_.size())})
                                     : fillin(MESSAGE_TEXT("Message", "count of %1 spots"), {std::to_string(counted)});
    const std::string q =
        fillin(MESSAGE_TEXT("Message", "%1 clears the %2 and not saved. %3 all the same?"), {doing, what, action});
    return services_.confirm ? services_.confirm(q)
                             : QMessageBox::question(this, tr("Measure Image"), translatemessage(q)) == QMessageBox::Yes;
}

void MeasureWindow::closeEvent(QCloseEvent* event) {
    if (mayclear(MESSAGE_TEXT("Message", "Closing the window"), MESSAGE_TEXT("Message", "Close it"))) event->accept();
    else event->ignore();
}

Outcome MeasureWindow::openimage(const std::string& path) {
    if (!mayclear(MESSAGE_TEXT("Message", "Opening another image"), MESSAGE_TEXT("Message", "Open it"))) return Outcome::ok();
    LoadedImage next;
    const Outcome result = withinmemory(path, [&] { return loadimage(path, next); });
    if (!result.done()) {
        status(result.message, true);
        (services_.messages ? *services_.messages : desktopmessages_).showmessage("Measure Image", result.message);
        return result;
    }
    image_ = std::move(next);
    spotpanel_->setframe(nullptr, std::nullopt);  // a new image: no count yet
    imagepath_ = path;
    spots_.clear();
    numbers_.clear();
    undo_.clear();
    lblfile_->setText(QFileInfo(QString::fromStdString(path)).fileName() +
                      QString(" (%1 x %2)").arg(image_.gray.width).arg(image_.gray.height));
    header_ = readheader(image_.cards, image_.gray.width, image_.gray.height);
    takeheader();
    takecameradate();
    view_->setpicture(&image_.picture);
    findlimbagain();
    return result;
}

MeasureRecord MeasureWindow::record() const {
    bool ok = false;
    return MeasureRecord{QFileInfo(QString::fromStdString(imagepath_)).fileName().toStdString(),
                         moment_ ? *moment_ : DiskMoment{}, limb_ ? *limb_ : LimbFit{}, orientation(ok)};
}

std::string MeasureWindow::csvtext() const {
    if (!countingshown()) return measurecsv(record(), rows_);
    return measurepreamble(record()) + surveytext(spotpanel_->model().survey(), moment_ ? moment_->sun.l0 : 0);
}

bool MeasureWindow::countingshown() const {
    const auto* tabs = findChild<QTabWidget*>("tabspots");
    return tabs && tabs->currentWidget() == spotpanel_;
}

Outcome MeasureWindow::savecsv(const std::string& path) {
    if (!frame_) return Outcome::input(limb_ ? lblvalues_->text().toStdString() : MESSAGE_TEXT("Message", "No limb: set it first."));
    const std::string text = csvtext();
    Outcome result = savefile(path, QByteArray::fromStdString(text));
    if (result.done() && countingshown()) spotpanel_->marksaved();
    else if (result.done()) undo_.setClean();
    return result;
}

Outcome MeasureWindow::saveimage(const std::string& path) {
    if (!frame_) return Outcome::input(limb_ ? lblvalues_->text().toStdString() : MESSAGE_TEXT("Message", "No limb: set it first."));
    QByteArray data;
    QImage annotated = annotatedimage(image_.picture, *frame_, overlayopts(), rows_);
    if (!annotated.isNull())
        drawspots(annotated, spotpanel_->model().survey(), frame_->sun.l0, QColor(255, 200, 0), QColor(255, 40, 40));
    if (Outcome made = pngbytes(annotated, data); !made.done()) return made;
    return savefile(path, data);
}

void MeasureWindow::openclick() {
    const std::string path = services_.askopen
                                 ? services_.askopen("Open Image", "", IMAGE_FILTER)
                                 : QFileDialog::getOpenFileName(this, "Open Image", {}, IMAGE_FILTER).toStdString();
    if (!path.empty()) openimage(path);
}

void MeasureWindow::savecsvclick() {
    const std::string suggested = QFileInfo(QString::fromStdString(imagepath_)).completeBaseName().toStdString() + ".csv";
    const char* filter = "CSV files (*.csv)";
    const std::string path = services_.asksave ? services_.asksave("Save CSV", suggested, filter)
                                               : QFileDialog::getSaveFileName(this, "Save CSV", QString::fromStdString(suggested), filter).toStdString();
    if (path.empty()) return;
    const Outcome r = savecsv(path);
    const bool empty = countingshown() ? spotpanel_->model().survey().spots.empty() : rows_.empty();
    status(r.done() ? empty ? "Saved " + path + " (no rows)" : "Saved " + path : r.message, !r.done());
}

void MeasureWindow::saveimageclick() {
    const std::string suggested = QFileInfo(QString::fromStdString(imagepath_)).completeBaseName().toStdString() + "_measured.png";
    const char* filter = "PNG images (*.png)";
    std::string path = services_.asksave ? services_.asksave("Save Image", suggested, filter)
                                         : QFileDialog::getSaveFileName(this, "Save Image", QString::fromStdString(suggested), filter).toStdString();
    if (path.empty()) return;
    if (!hasending(path, ".png")) path += ".png";
    const Outcome r = saveimage(path);
    status(r.done() ? "Saved " + path : r.message, !r.done());
}

}  // namespace quorvel
