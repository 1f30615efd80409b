// What the pictures of the programs' windows share: a fixed clock, message
// boxes that fail the run, and the example typed in and drawn.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

#include "desktop.h"
#include "graphicswindow.h"
#include "platform.h"

/// The moment of the pictures, 2006 June 21, 12:00, as the windows' clock.
class PictureClock : public quorvel::Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2006, 6, 21), QTime(12, 0)); }
};

/// A message box would stand in the picture: each message is printed on
/// standard error and fails the run.
class MessagesFail : public quorvel::MessageBoxes {
public:
    explicit MessagesFail(const char* program) : program_(program) {}
    void showmessage(const std::string& title, const std::string& text) override;
    bool failed = false;

private:
    const char* program_;
};

/// What a window reaches on a first start, as on a new account: a fresh
/// folder for its settings, the fixed clock, messages that fail the run.
class FirstStart {
public:
    explicit FirstStart(const char* program) : messages(program) {}
    quorvel::WindowServices services() {
        return {messages, end, shell, clock, quorvel::Folders(folder.path().toStdString())};
    }
    quorvel::GraphicsServices graphics() { return {colours, clipboard}; }
    /// A message was shown or the program asked to end.
    bool failed() const { return messages.failed || end.ended(); }

private:
    QTemporaryDir folder;
    PictureClock clock;
    MessagesFail messages;
    quorvel::QtProgramEnd end;
    quorvel::DesktopShell shell;
    quorvel::QtColourChooser colours;
    quorvel::QtClipboard clipboard;
};

/// Types the example (2006 June 21, 12:00 at 51.5 N, 0) into the window's
/// fields, ticks the overlays and presses the view button; false when the
/// window lacks one of them.
bool drawexample(QWidget& window, const char* button);

/// The window shown, drawn by its view button once laid out; a null image
/// when it could not be drawn.
QImage grabexample(QWidget& window, const char* button);
