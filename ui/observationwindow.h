// What the windows of both programs share: the observation inputs, the mount
// and display check boxes, the result labels, the picture box, and the ways
// the settings, the drawing and the labels reach them.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "controls.h"
#include "drawroutine.h"
#include "launcher.h"
#include "picturebox.h"
#include "platform.h"
#include "settingsfiles.h"

namespace quorvel {

class MeasureWindow;

/// What a window reaches beyond itself; tests substitute each.
struct WindowServices {
    MessageBoxes& messages;
    ProgramEnd& end;
    ShellService& shell;
    const Clock& clock;
    Folders folders;     ///< where the settings, the help documents and quorvel_g are
    Clipboard* clipboard = nullptr;  ///< the system clipboard when not given
};

class ObservationWindow : public QWidget, public SettingsForm, public PictureControls, public LabelSink {
    Q_OBJECT
public:
    explicit ObservationWindow(WindowServices services);

    // Event handlers, named after their control and event.
    void chkaltaz_Click();
    void chkequat_Click();
    void Command1_Click();
    void showchanged();
    /// The readout of the point under the mouse, and its copy on a click.
    void pic1_MouseMove(double x, double y);
    void pic1_Click(double x, double y);
    /// Opens a guide of the documents folder, in the desktop's language when
    /// it is there in it (guideforlanguages); a missing one, or one without a
    /// viewer, is reported and the program goes on.
    void openhelp(const std::string& guide);
    /// "Measure Image...": the measuring window, starting from this window's
    /// fields, mount, flip and invert (also on the picture's context menu).
    void openmeasure();
    /// "Observer's Log..." on the picture's context menu: the log dialog; an
    /// observation's image opens in the measuring window at its moment.
    void openlog();
    /// The measuring window on an image (quorvel IMAGE); one that cannot be
    /// opened is said in a message box, over an empty measuring window.
    void measureimage(const std::string& path);

    // SettingsForm
    std::string text(TextBox box) const override;
    void settext(TextBox box, const std::string& text) override;
    int value(CheckBox box) const override;
    void setvalue(CheckBox box, int value) override;
    void processevents() override;
    // PictureControls
    bool checked(CheckBox box) const override { return value(box) == 1; }
    // LabelSink
    void setcaption(ResultLabel label, const std::string& caption) override;
    void showtilt(bool visible) override;
    void setrotation(int32_t rotation) override;

    DrawRoutine routine;      ///< module state of the redraws
    SettingsState settings;   ///< the settings record of this run
    StyleOpts styleopts;      ///< the presentation style (quorvel's record fields pass through)
    int redraws = 0;          ///< redraws run, by any cause
    PictureBox* pic1 = nullptr;

signals:
    /// A redraw has ended (whatever its outcome).
    void redrawn();

protected:
    /// The inputs column: date, time, place, zone, DST, mount, flip, invert,
    /// and the overlay boxes "Pos Angs", "Rotation", "Grid".
    void buildinputs(ControlFactory& f);
    /// The notice "Parameters have changed", where it covers no control.
    void buildnotice(ControlFactory& f, TwipsBox box);
    /// The bottom row: the version, the credit and the readout of the point under the mouse.
    void buildfooter(ControlFactory& f, const char* credit, TwipsBox version, TwipsBox creditbox, TwipsBox readout);
    /// A result label, registered for its captions.
    QLabel* result(ResultLabel label, QLabel* widget);
    /// Shows what went wrong, if anything, in a message box titled title; a
    /// run-time fault is shown under its own title and ends the program. The
    /// one place where this window turns an outcome into a message box.
    void report(const char* title, const Outcome& outcome);
    /// One redraw with picture as its picture step, reported; nothing while a
    /// redraw is under way.
    void redraw(const PictureStep& picture, CaptionStyle captions, Colour background = WHITE);
    /// The start both programs share: the version and credit lines, the
    /// clock, the settings (a file that cannot be read ends the program, one
    /// that was set aside is reported once). False when the program ends.
    bool startup(Program program, const char* credit);
    /// Saves the settings after a redraw. A file that cannot be written is
    /// reported once a run; the window's title says so until a save succeeds.
    void savesettings(Program program);
    /// The events of the inputs: changes show the notice, Enter in a field
    /// presses the default button, the mount pair excludes itself.
    void wireinputs(QPushButton* defaultbutton);
    /// A key of the whole window; Ctrl+Q, which closes every window, is wired by wireinputs.
    void shortcut(const QKeySequence& key, const std::function<void()>& run);
    /// The tilt group follows the mount as loaded, before any redraw.
    void showmount();
    FieldTexts readfields() const;
    void fillclock();
    DrawPlatform platform();
    QLineEdit* textbox(TextBox box) const;
    /// The overlay colours of the measuring window.
    virtual StyleOpts measurecolours() const;
    QCheckBox* checkbox(CheckBox box) const;
    MeasureWindow* newmeasurewindow(const FieldTexts& fields);

    WindowServices services_;
    double tpp_;
    std::map<TextBox, QLineEdit*> texts_;
    std::map<CheckBox, QCheckBox*> boxes_;
    std::map<ResultLabel, QLabel*> results_;
    QLineEdit *txtday_ = nullptr, *txtmonth_ = nullptr, *txtyear_ = nullptr, *txthour_ = nullptr,
              *txtmin_ = nullptr;
    QLabel *lblalter_ = nullptr, *label9_ = nullptr;
    QLabel* lblcarrot_ = nullptr;  ///< the Carrington rotation number beside L0
    QLabel* lblreadout_ = nullptr; ///< what lies under the mouse on the disk
    QtClipboard systemclipboard_;
    Clipboard& clipboard() { return services_.clipboard ? *services_.clipboard : systemclipboard_; }
    QFrame* shape6_ = nullptr;  ///< the tilt's frame, where the window has one
    QLabel *lblver_ = nullptr, *lblauthor_ = nullptr;
    QString title_;             ///< the window's title while its settings save
    bool savefailed_ = false;   ///< a save failed this run and was reported
    QPushButton* command1_ = nullptr;
    int16_t altazbusy_ = 0, equatbusy_ = 0;
    /// One box of the mount pair chosen: the other cleared, unless that one is being chosen.
    void mountclick(CheckBox chosen, CheckBox other, int16_t& busy, int16_t otherbusy);
};

/// The decimal separator of the user's locale, for the result labels.
char localeseparator();

}  // namespace quorvel
