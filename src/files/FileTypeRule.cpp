#include "FileTypeRule.h"

int fileTypeIndexForName(const QString& fileName) {
    const QString extension = fileName.right(4).toLower();
    if (extension == QStringLiteral(".txt")) return 0;
    if (extension == QStringLiteral(".hex")) return 1;
    return 2;
}
