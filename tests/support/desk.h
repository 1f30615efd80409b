// A program folder with the desktop's stand-ins, for a window of either program.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

#include "fakes.h"
#include "observationwindow.h"
#include "settingsrec.h"

namespace quorvel::test {

/// A record's 168 bytes.
inline QByteArray recordbytes(const SettingsRec& rec) {
    const SettingsBytes b = encoderecord(rec);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

struct Desk {
    QTemporaryDir dir;
    RecordingMessages messages;
    RecordingEnd end;
    FakeShell shell;
    FixedClock clock;
    RecordingClipboard clipboard;

    WindowServices services() { return {messages, end, shell, clock, dir.path().toStdString(), &clipboard}; }
    QByteArray file(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writefile(const char* name, const QByteArray& bytes) const {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
};

/// The lines of a user's session with a window: each step with the redraws,
/// the notice, the messages, the launches and the saves it brought.
struct Transcript {
    Transcript(Desk& d, ObservationWindow& w, const char* file) : desk(d), window(&w), name(file), saved(d.file(file)) {}
    void step(const QString& what) {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        QString line = what + ": " + QString::number(window->redraws - redraws) + " redraws";
        if (auto* notice = window->findChild<QWidget*>("lblalter"); notice && !notice->isHidden()) line += ", notice shown";
        redraws = window->redraws;
        for (; messages < desk.messages.shown.size(); ++messages)
            line += QString("\n  message \"%1\" \"%2\"").arg(QString::fromStdString(desk.messages.shown[messages].first),
                                                              QString::fromStdString(desk.messages.shown[messages].second));
        for (; calls < desk.shell.calls.size(); ++calls)
            line += "\n  shell " + QString::fromStdString(desk.shell.calls[calls][0] + " in " + desk.shell.calls[calls][2]);
        for (; started < desk.shell.started.size(); ++started)
            line += "\n  program start " + QString::fromStdString(desk.shell.started[started]);
        if (desk.file(name) != saved) line += "\n  saved " + QString::fromLatin1((saved = desk.file(name)).toHex(' '));
        lines << line.replace(desk.dir.path(), "FOLDER");
    }
    /// Follows a new window of the same program.
    void follow(ObservationWindow& w) { window = &w, redraws = w.redraws; }

    Desk& desk;
    ObservationWindow* window;
    const char* name;
    QByteArray saved;
    QStringList lines;
    int redraws = 0;
    size_t messages = 0, calls = 0, started = 0;
};

/// The child control of a window by its name.
template <class T>
T* child(const QWidget& window, const char* name) {
    return window.findChild<T*>(name);
}

}  // namespace quorvel::test
