#include "FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

QString scratchFolder() {
    static const QTemporaryDir folder;
    return folder.path();
}

}  // namespace

QString savedFilePath() { return scratchFolder() + QStringLiteral("/saved"); }

QString writeInputFile(const uint8_t* data, std::size_t size) {
    const QString path = scratchFolder() + QStringLiteral("/input");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        breach("the harness cannot write its scratch file");
    }
    return path;
}

bool holdsRawByte(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate())) return true;
    }
    return false;
}

void breach(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
