#include "recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


namespace quorvel {
namespace {

QString qpath(const std::string& path) { return QString::fromStdString(path); }

/// Reads up to limit bytes of a regular file.
Outcome readfile(const std::string& path, qint64 limit, QByteArray& data) {
    const QFileInfo info(qpath(path));
    if (!info.exists()) return Outcome::io(path + " does not exist", FAULT_FILE_NOT_FOUND);
    if (info.isDir()) return Outcome::io("'" + path + "' is a folder, not a settings file");
    if (!info.isFile()) return Outcome::io("'" + path + "' is not a settings file");  // a device, never read
    QFile f(qpath(path));
    auto unreadable = [&] { return "The settings file '" + path + "' cannot be read: " + f.errorString().toStdString(); };
    if (!f.open(QIODevice::ReadOnly))
        return Outcome::io(unreadable(),
                           f.error() == QFileDevice::PermissionsError ? FAULT_PERMISSION_DENIED : FAULT_DEVICE_IO);
    data = f.read(limit);
    if (f.error() != QFileDevice::NoError) return Outcome::io(unreadable());
    return Outcome::ok();
}

}  // namespace

Outcome readrecordfile(const std::string& path, SettingsBytes& bytes) {
    QByteArray data;
    if (Outcome read = readfile(path, SETTINGS_RECORD_SIZE, data); !read.done()) return read;
    bytes.fill(0);
    std::copy(data.begin(), data.end(), bytes.begin());
    return Outcome::ok();
}

std::string replacefile(const std::string& path, const std::string& data) {
    QSaveFile f(qpath(path));
    if (!f.open(QIODevice::WriteOnly)) return f.errorString().toStdString();
    // The write is buffered: a full disk shows only when the data is flushed.
    if (f.write(data.data(), static_cast<qint64>(data.size())) != static_cast<qint64>(data.size()) ||
        !f.flush()) {
        const std::string reason = f.errorString().toStdString();
        f.cancelWriting();
        return reason.empty() ? "the file could not be written" : reason;
    }
    if (!f.commit()) {
        const std::string reason = f.errorString().toStdString();
        return reason.empty() ? "the file could not be replaced" : reason;
    }
    return "";
}

Outcome copyfile(const std::string& from, const std::string& to) {
    constexpr qint64 COPY_LIMIT = 1 << 20;  // settings files are one record; a larger one is cut
    QByteArray data;
    if (Outcome read = readfile(from, COPY_LIMIT, data); !read.done()) return read;
    const std::string failure = replacefile(to, data.toStdString());
    return failure.empty() ? Outcome::ok() : Outcome::io("cannot write " + to + ": " + failure);
}

}  // namespace quorvel
