#include "HexText.h"

bool funHexCheck(const QString& text) {
    return text.size() == 1 && hexDigitValue(text[0].unicode()) >= 0;
}

std::optional<int64_t> hexNumber(QStringView digits, int64_t ceiling) {
    if (digits.isEmpty()) return std::nullopt;
    for (QChar c : digits) {
        if (hexDigitValue(c.unicode()) < 0) return std::nullopt;
    }
    int64_t value = 0;
    for (QChar c : digits) {
        value = value * 16 + hexDigitValue(c.unicode());
        if (value > ceiling) break;
    }
    return value;
}

QString upperHex(int64_t value) { return QString::number(value, 16).toUpper(); }

QString fixedHex(uint32_t value, int width) {
    char digits[8];
    return QString::fromLatin1(digits, writeFixedHex(digits, value, width) - digits);
}
