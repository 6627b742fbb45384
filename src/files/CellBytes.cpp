#include "CellBytes.h"

#include "DataImage.h"
#include "ProgramError.h"

namespace CellBytes {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

int hexByte(QStringView text, qsizetype pos) {
    if (pos < 0 || pos + 2 > text.size()) return -1;
    const int high = hexDigit(text[pos]);
    const int low = hexDigit(text[pos + 1]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

uint8_t byteForWriting(const DataImage& image, int address, QLatin1String& cellText) {
    cellText = image.view(address);
    if (cellText.isEmpty()) return 0xFF;
    const int high = cellText.size() == 2 ? hexDigit(cellText[0]) : -1;
    const int low = cellText.size() == 2 ? hexDigit(cellText[1]) : -1;
    const int value = high < 0 || low < 0 ? -1 : high * 16 + low;
    if (value < 0) {
        throw ProgramError(QStringLiteral("アドレス 0x%1 のデーター【%2】は16進数ではありません。")
                               .arg(upperHex(address), QString(cellText)));
    }
    return static_cast<uint8_t>(value);
}

QString upperHex(qint64 value) { return QString::number(value, 16).toUpper(); }

}  // namespace CellBytes
