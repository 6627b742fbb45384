#include "GroupBoxFrameImage.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <cstring>

namespace {

// Each byte of the value as two hexadecimal digits, low digit first, lowest byte first: how Qt
// spells numbers in its pixmap cache keys.
template <typename T>
QString keyDigits(T value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    QString digits;
    for (const unsigned char byte : bytes) {
        digits += QLatin1Char("0123456789abcdef"[byte & 0xF]);
        digits += QLatin1Char("0123456789abcdef"[byte >> 4]);
    }
    return digits;
}

}  // namespace

QString loadedPixmapKey(const QString& path) {
    const QFileInfo info(path);
    constexpr unsigned kPixmapNotBitmap = 0;
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           keyDigits(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           keyDigits(static_cast<quint64>(info.size())) + keyDigits(kPixmapNotBitmap);
}

void cacheGroupBoxFrameImage() {
    if (QApplication::style()->name() != QLatin1String("fusion")) return;
    const QString path = QString::fromLatin1(kGroupBoxFrameImage);
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);  // the format is known: ask no plugin about it
    const QImage image = reader.read();
    if (!image.isNull()) QPixmapCache::insert(loadedPixmapKey(path), QPixmap::fromImage(image));
}
