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
#include "runtimefault.h"

namespace quorvel::test {

/// The shell answers `result`; the program start throws `startfault` when not 0.
struct FakeShell : ShellService {
    int32_t result = 42;
    int startfault = 0;
    std::vector<std::vector<std::string>> calls;  ///< file, parameters, folder, show
    std::vector<std::string> started;
    int32_t open(const std::string& file, const std::string& params, const std::string& folder,
                         int32_t show) override {
        calls.push_back({file, params, folder, std::to_string(show)});
        return result;
    }
    void startprogram(const std::string& line, const std::string&, int32_t) override {
        started.push_back(line);
        if (startfault != 0) throw RuntimeFault(startfault, line + " not started");
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
