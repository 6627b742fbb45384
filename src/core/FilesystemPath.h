#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

// A Qt path as the standard library's file calls take it: in the file system's own encoding, so
// a Japanese name reaches the same file that QFile opens.
inline std::filesystem::path filesystemPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}
