// Stand-ins for the desktop that record what they were asked: the shell, the
// clock and the clipboard, beside those of recorders.h.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "launcher.h"
#include "platform.h"
#include "recorders.h"

namespace quorvel::test {

/// The shell answers `result`; the program start answers `startfault` (done when 0).
struct FakeShell : ShellService {
    int result = 0;      ///< the fault the shell answers with; 0 for done
    int startfault = 0;
    std::vector<std::vector<std::string>> calls;  ///< file, parameters, folder
    std::vector<std::string> started;
    Outcome open(const std::string& file, const std::string& params, const std::string& folder) override {
        calls.push_back({file, params, folder});
        return result ? Outcome::io("not opened", result) : Outcome::ok();
    }
    Outcome startprogram(const std::string& line, const std::string&) override {
        started.push_back(line);
        return startfault ? Outcome::io(line + " not started", startfault) : Outcome::ok();
    }
};

struct FixedClock : Clock {
    QDateTime at{QDate(2006, 6, 21), QTime(12, 0)};
    QDateTime now() const override { return at; }
};

struct RecordingClipboard : Clipboard {
    QStringList calls;
    QImage image;
    std::vector<std::string> texts;
    void clear() override { calls << "clear", image = QImage(); }
    void setimage(const QImage& i) override { calls << "setimage", image = i; }
    void settext(const std::string& text) override { texts.push_back(text); }
    void beep() override { calls << "beep"; }
};

}  // namespace quorvel::test
