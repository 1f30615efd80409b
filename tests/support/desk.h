// A program folder with the desktop's stand-ins, for a window of either program.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
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

/// The child control of a window by its name.
template <class T>
T* child(const QWidget& window, const char* name) {
    return window.findChild<T*>(name);
}

}  // namespace quorvel::test
