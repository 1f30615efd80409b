#include "settingsfolder.h"

#include <QDir>
#include <QFileInfo>

namespace quorvel {

std::string settingsfolder(const std::string& program, const char* file, const std::string& config) {
    const QFileInfo folder(QString::fromStdString(program));
    const QFileInfo settings(QDir(folder.filePath()), QString::fromUtf8(file));
    const bool portable = folder.isDir() && (settings.exists() ? settings.isWritable() : folder.isWritable());
    return portable ? program : config;
}

}  // namespace quorvel
