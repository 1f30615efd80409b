// The measuring window: the observer's own image with the disk's grid over
// it, and a table of the spots clicked on it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "messagetext.h"
#include "diskmoment.h"
#include "imageload.h"
#include "imageview.h"
#include "limbfind.h"
#include "measurecsv.h"
#include "overlay.h"
#include "platform.h"
#include "save.h"

namespace quorvel {

class SpotPanel;
class MeasureStep;

/// What an undo step of the measuring window puts back: the rows and the limb.
struct Measured {
    std::vector<QPointF> spots;    ///< image pixels, in the order measured
    std::vector<int32_t> numbers;  ///< their numbers
    std::optional<LimbFit> limb;
    QString limbtext;  ///< the limb's description
};

/// The starting values: the calling window's fields and choices.
struct MeasureStart {
    FieldTexts fields;
    bool altaz = false, flip = false, invert = false;
    StyleOpts colours = overlaycolours();
};

/// What the window reaches beyond itself; the desktop's dialogs when not given.
struct MeasureServices {
    /// A file to open or to save to ("" when cancelled): caption, suggested name, filter.
    std::function<std::string(const std::string&, const std::string&, const std::string&)> askopen, asksave;
    /// A question with Yes and No.
    std::function<bool(const std::string&)> confirm;
    MessageBoxes* messages = nullptr;
    Clipboard* clipboard = nullptr;
    /// Save to Log's questions: the seeing, the observer's code (empty: the
    /// log's default) and the equipment, offered as given, among the log's
    /// equipment profiles; false when cancelled.
    std::function<bool(log::SaveAnswers& answers, const std::vector<std::string>& profiles)> asklog;
    std::string logpath;  ///< the log Save to Log writes; empty: the default log
    /// F1: opens the guide of the window that opened this one; no guide when empty.
    std::function<void()> help;
};

class MeasureWindow : public QWidget {
    Q_OBJECT
public:
    explicit MeasureWindow(const MeasureStart& start, MeasureServices services = {}, QWidget* parent = nullptr);

    /// Opens an image and finds its limb; on failure the image and the rows
    /// measured so far stay.
    Outcome openimage(const std::string& path);
    /// The limb found again, or set by hand.
    void findlimbagain();
    void setlimb(const Circle& limb);
    /// A click on the image: a new row, or false with the reason in the status line.
    bool addspot(double x, double y);
    /// The date and time in the fields taken as the image's (the link "keep
    /// them" of an image without a full date).
    void keepdate();
    /// Deletes the selected rows.
    void deleterows();
    /// Undoes (again: redoes) the last step of the tab shown: on Measured
    /// Spots a row added or deleted or a change of the limb, on Count Spots
    /// a correction of the count.
    void undoclick(bool again);
    void copyrows();
    Outcome savecsv(const std::string& path);
    Outcome saveimage(const std::string& path);
    /// Saves the count of Find Spots as the day's observation in the log,
    /// its groups matched to their tracks; the summary goes to the status line.
    /// `remember` keeps the seeing and the equipment in the log for the next save.
    Outcome savetolog(const log::SaveAnswers& answers, bool remember);
    /// The "Save to Log..." button: asks the seeing, observer and equipment
    /// when the log keeps none (a first save), else saves with what it keeps.
    void savelogclick();
    /// The "Seeing && Equipment..." button: the answers asked again, kept by the next save.
    void changelogclick();

    const std::vector<SpotRow>& rows() const { return rows_; }
    const std::optional<LimbFit>& limb() const { return limb_; }
    std::string statustext() const { return lblstatus_->text().toStdString(); }
    /// The CSV file's text: preamble, header and rows; with the Count Spots
    /// tab shown, the preamble and the counted spots, groups and counts.
    std::string csvtext() const;
    ImageView* view() const { return view_; }
    const QUndoStack& undostack() const { return undo_; }
    SpotPanel* spotpanel() const { return spotpanel_; }

protected:
    /// Asks before rows or a count not saved are lost.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MeasureStep;
    /// The rows and the limb as they are, and put back.
    Measured measured() const;
    void restore(const Measured& m);
    /// An undo step from before to the rows and limb as they are now.
    void remember(const QString& what, const Measured& before);
    QWidget* viewbar();
    void wireview();
    void movelimbtoggled(bool on);
    /// Whether what is measured (unless not rows) or counted and not saved may
    /// go: true when nothing is unsaved, else the user's answer to "DOING
    /// clears ... ACTION all the same?".
    bool mayclear(const std::string& doing, const std::string& action, bool rows = true);
    /// Whether the limb may change: a new limb clears the count.
    bool maymovelimb() {
        return mayclear(MESSAGE_TEXT("Message", "Moving the limb"), MESSAGE_TEXT("Message", "Move it"), false);
    }
    void buildcontrols(const MeasureStart& start);
    void wireevents();
    QWidget* fieldsgroup(const MeasureStart& start);
    QWidget* orientationgroup(const MeasureStart& start);
    QWidget* overlaygroup();
    void recompute();
    void filltable();
    void status(const std::string& text, bool fault = false);
    void pointed(double x, double y);
    void clicked(double x, double y);
    FieldTexts fields() const;
    Orientation orientation(bool& ok) const;
    OverlayOpts overlayopts() const;
    MeasureRecord record() const;
    void savecsvclick();
    void saveimageclick();
    /// The answers asked, among the profiles of the log; false when cancelled.
    bool asklog(log::SaveAnswers& answers);
    void openclick();
    bool countingshown() const;  ///< the Count Spots tab is the one shown
    /// The FITS header's date, place and orientation into the fields.
    void takeheader();
    /// Marks the date fields as set for this image, or as not yet set.
    void setdateset(bool set);
    /// A camera's date, at the clock's offset in its field, into the fields.
    void takecameradate();

    MeasureServices services_;
    QtMessageBoxes desktopmessages_;
    QtClipboard systemclipboard_;
    StyleOpts colours_;
    LoadedImage image_;
    std::string imagepath_;
    FitsHeader header_;
    bool dateset_ = true;  ///< the date fields hold the image's date (given, confirmed or typed)
    bool camoffsetgiven_ = false;  ///< the camera clock's offset was typed, not taken from an image
    std::optional<LimbFit> limb_;
    std::optional<DiskMoment> moment_;
    std::optional<ImageFrame> frame_;
    std::vector<QPointF> spots_;   // image pixels, in the order measured
    std::vector<int32_t> numbers_; // their numbers
    std::vector<SpotRow> rows_;    // against the current frame
    std::vector<PixelXY> threepoints_;
    bool threemode_ = false;
    QUndoStack undo_;  ///< rows added and deleted, limb changes; clean when saved
    std::optional<Measured> dragbefore_;  ///< before the limb drag under way

    ImageView* view_ = nullptr;
    QLineEdit *txtday_, *txtmonth_, *txtyear_, *txthour_, *txtmin_, *txttz_, *txtlat_, *txtlong_, *txtrotate_,
        *txtgspace_, *txtcamoffset_;
    QCheckBox *optdst_, *chkaltaz_, *chkflip_, *chkinvert_;
    QComboBox* cboorient_;
    std::vector<std::pair<QCheckBox*, bool OverlayOpts::*>> overlayboxes_;
    QLabel *lblfile_, *lbldate_, *lblvalues_, *lbllimb_, *lblstatus_;
    QPushButton *cmdopen_, *cmdfindlimb_, *cmdthree_, *cmddelete_, *cmdcopy_, *cmdsavecsv_, *cmdsaveimage_, *cmdsavelog_,
        *cmdlogdetails_, *cmdundorow_, *cmdredorow_;
    std::optional<log::SaveAnswers> loganswers_;  ///< Save to Log's answers for this window's saves
    QToolButton *cmdmovelimb_, *cmdfit_, *cmdactual_, *cmdauto_;
    QSpinBox *spnblack_, *spnwhite_;
    QLabel* lblzoom_;
    QTableWidget* tblspots_;
    SpotPanel* spotpanel_ = nullptr;  ///< Find Spots, the groups and the counts
};

}  // namespace quorvel
