#include "recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "settingsfiles.h"

namespace quorvel {
namespace {

QString qpath(const std::string& path) { return QString::fromStdString(path); }

int openfault(const QFile& f) {
    return f.error() == QFileDevice::PermissionsError ? FAULT_PERMISSION_DENIED : FAULT_DEVICE_IO;
}

/// Reads up to limit bytes of a regular file; a fault number or 0.
int readfile(const std::string& path, qint64 limit, QByteArray& data) {
    const QFileInfo info(qpath(path));
    if (!info.exists()) return FAULT_FILE_NOT_FOUND;
    if (!info.isFile()) return FAULT_DEVICE_IO;  // a folder or a device, never read
    QFile f(qpath(path));
    if (!f.open(QIODevice::ReadOnly)) return openfault(f);
    data = f.read(limit);
    return f.error() == QFileDevice::NoError ? 0 : FAULT_DEVICE_IO;
}

}  // namespace

int readrecordfile(const std::string& path, SettingsBytes& bytes) {
    QByteArray data;
    if (const int fault = readfile(path, SETTINGS_RECORD_SIZE, data)) return fault;
    bytes.fill(0);
    std::copy(data.begin(), data.end(), bytes.begin());
    return 0;
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

int copyfile(const std::string& from, const std::string& to) {
    constexpr qint64 COPY_LIMIT = 1 << 20;  // settings files are one record; a larger one is cut
    QByteArray data;
    if (const int fault = readfile(from, COPY_LIMIT, data)) return fault;
    return replacefile(to, data.toStdString()).empty() ? 0 : FAULT_DEVICE_IO;
}

}  // namespace quorvel
