#include "recordfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "filewrite.h"
#include "messagetext.h"

namespace quorvel {
namespace {

QString qpath(const std::string& path) { return QString::fromStdString(path); }

/// Reads up to limit bytes of a regular file.
Outcome readfile(const std::string& path, qint64 limit, QByteArray& data) {
    const QFileInfo info(qpath(path));
    if (!info.exists())
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "%1 does not exist"), {path}), FAULT_FILE_NOT_FOUND);
    struct stat link {};  // a link planted by another user would copy a file of ours into the backup
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && link.st_uid != ::geteuid())
        return Outcome::io(
                fillin(MESSAGE_TEXT("Message", "'%1' is a link another user made to another file; it is not followed"),
                       {path}));
    if (info.isDir())
        return Outcome::io(fillin(MESSAGE_TEXT("Message", "'%1' is a folder, not a settings file"), {path}));
    if (!info.isFile())
        return Outcome::io(
                fillin(MESSAGE_TEXT("Message", "'%1' is not a settings file"), {path}));  // a device, never read
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

Outcome replacefile(const std::string& path, const std::string& data) {
    return writefile(path, data, WriteTarget::fileonly);
}

Outcome copyfile(const std::string& from, const std::string& to) {
    constexpr qint64 COPY_LIMIT = 1 << 20;  // settings files are one record; a larger one is cut
    QByteArray data;
    if (Outcome read = readfile(from, COPY_LIMIT, data); !read.done()) return read;
    const Outcome written = replacefile(to, data.toStdString());
    return written.done() ? written
                          : Outcome::io(fillin(MESSAGE_TEXT("Message", "cannot write %1: %2"), {to, written.message}));
}

}  // namespace quorvel
