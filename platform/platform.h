// The Qt links to the desktop every window takes, each replaceable in tests:
// message boxes, the end of the program, the clipboard, the clock.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QWidget>

#include "formcontrols.h"

namespace quorvel {

/// A dialog's window: the one it is modal to and centred over (none at first).
class DialogParent {
public:
    explicit DialogParent(QWidget* parent = nullptr) : parent_(parent) {}
    void setparent(QWidget* parent) { parent_ = parent; }

protected:
    QWidget* parent_;
};

/// Message boxes with an OK button only, modal to a window, their title
/// and text in the user's language (translatemessage).
class QtMessageBoxes : public MessageBoxes, public DialogParent {
public:
    using DialogParent::DialogParent;
    void showmessage(const std::string& title, const std::string& text) override;
};

/// Ends the program once its event loop runs (at once when it runs already).
class QtProgramEnd : public ProgramEnd {
public:
    void endprogram() override;
    bool ended() const { return ended_; }

private:
    bool ended_ = false;
};

/// The clipboard and the platform's beep.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setimage(const QImage& image) = 0;
    virtual void settext(const std::string& text) { (void)text; }
    virtual void beep() = 0;
};

/// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setimage(const QImage& image) override;
    void settext(const std::string& text) override;
    void beep() override;
};

/// The computer's local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

}  // namespace quorvel
