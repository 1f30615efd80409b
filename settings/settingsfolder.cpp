#include "settingsfolder.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

bool maywrite(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isWritable(); }

std::string settingsfolder(const std::string& program, const char* file, const std::string& config,
                           const WritableCheck& writable) {
    const QFileInfo folder(QString::fromStdString(program));
    const QFileInfo settings(QDir(folder.filePath()), QString::fromUtf8(file));
    const bool portable = folder.isDir() && writable(program) &&
                          (!settings.exists() || writable(settings.filePath().toStdString()));
    return portable ? program : config;
}

}  // namespace quorvel
