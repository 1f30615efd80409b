// The window f1 of quorvel: the observation inputs, the options, the picture
// box pic1 and the result labels, with their events.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <map>
#include <string>

#include "drawroutine.h"
#include "launcher.h"
#include "picturebox.h"
#include "platform.h"
#include "settingsfiles.h"

namespace quorvel {

/// What the window reaches beyond itself; tests substitute each.
struct WindowServices {
    MessageBoxes& messages;
    ProgramEnd& end;
    ShellService& shell;
    const Clock& clock;
    std::string folder;  ///< the program folder, where the settings and help files are
};

class F1 : public QWidget, public SettingsForm, public PictureControls, public LabelSink {
    Q_OBJECT
public:
    explicit F1(WindowServices services);

    // Event handlers, named after their control and event.
    void Form_Load();
    void butdraw_Click();
    void chkaltaz_Click();
    void chkequat_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdhelp_Click();
    void showchanged();
    /// The draw routine: inputs, values, labels and the picture.
    void draw();

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

    DrawRoutine routine;      ///< module state of the redraws
    SettingsState settings;   ///< the settings record of this run
    int redraws = 0;          ///< redraws run, by any cause
    PictureBox* pic1 = nullptr;

signals:
    /// A redraw has ended (whatever its outcome).
    void redrawn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildcontrols();
    void wireevents();
    void fillclock();
    void exposed();
    QLineEdit* textbox(TextBox box) const;
    QCheckBox* checkbox(CheckBox box) const;

    WindowServices services_;
    double tpp_;
    std::map<TextBox, QLineEdit*> texts_;
    std::map<CheckBox, QCheckBox*> boxes_;
    std::map<ResultLabel, QLabel*> results_;
    QLineEdit *txtday_ = nullptr, *txtmonth_ = nullptr, *txtyear_ = nullptr, *txthour_ = nullptr,
              *txtmin_ = nullptr;
    QLabel *lblalter_ = nullptr, *lblver_ = nullptr, *lblauthor_ = nullptr, *label9_ = nullptr;
    QFrame* shape6_ = nullptr;
    QPushButton *butdraw_ = nullptr, *command1_ = nullptr, *command2_ = nullptr, *cmdhelp_ = nullptr;
    StyleOpts style_;  // quorvel has no presentation style; its record fields pass through
    int16_t altazbusy_ = 0, equatbusy_ = 0;
    bool watching_ = false;
    bool redrawqueued_ = false;
};

}  // namespace quorvel
