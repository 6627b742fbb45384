#include "FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

QString writeInputFile(const uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/input");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        breach("the harness cannot write its scratch file");
    }
    return path;
}

void breach(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
