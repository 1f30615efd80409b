// The window f1 of quorvel: the observation inputs, the options, the picture
// box pic1 and the result labels, with their events.
#pragma once

#include "observationwindow.h"

namespace quorvel {

class MainWindow : public ObservationWindow {
    Q_OBJECT
public:
    explicit MainWindow(WindowServices services);

    // Event handlers, named after their control and event.
    void Form_Load();
    void butdraw_Click();
    void Command2_Click();
    void cmdhelp_Click();
    /// The draw routine: inputs, values, labels and the picture.
    void draw();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildcontrols();
    void wireevents();
    void exposed();

    QPushButton *butdraw_ = nullptr, *command2_ = nullptr, *cmdhelp_ = nullptr, *cmdmeasure_ = nullptr;
    bool watching_ = false;
    bool redrawqueued_ = false;
};

}  // namespace quorvel
