#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// Hexadecimal text as the program reads and writes it: digits of either case are read, upper case
// is written. The image keeps bytes as two-character texts, so the readers run for every cell of
// a file and stay inline.

// The value of one hexadecimal digit of either case, or -1. Only ASCII digits count: a full-width
// "Ａ" is no digit.
constexpr int hexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    const char16_t lower = c | 0x20;
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// The byte two digits stand for, or -1 when either is no hexadecimal digit.
constexpr int hexPairValue(char16_t high, char16_t low) {
    const int h = hexDigitValue(high);
    const int l = hexDigitValue(low);
    return (h | l) < 0 ? -1 : h << 4 | l;
}

// The byte of a cell that is exactly two hexadecimal digits, or -1 for any other text.
inline int cellByte(QStringView cell) {
    return cell.size() == 2 ? hexPairValue(cell[0].unicode(), cell[1].unicode()) : -1;
}
inline int cellByte(QLatin1StringView cell) {
    return cell.size() == 2 ? hexPairValue(cell[0].unicode(), cell[1].unicode()) : -1;
}
inline bool isHexCell(QStringView cell) { return cellByte(cell) >= 0; }

// True for exactly one hexadecimal digit.
bool funHexCheck(const QString& text);

// The number a run of hexadecimal digits stands for, read from the left; nothing when the run is
// empty or holds anything else. Reading stops at the first value above `ceiling` and returns it,
// so a caller can refuse a run of any length and still name the value that overflowed (a
// ceiling far below the 64-bit range).
std::optional<int64_t> hexNumber(QStringView digits, int64_t ceiling);

// Upper-case digits without leading zeros, as addresses and counts are shown ("1FFFF", "0").
QString upperHex(int64_t value);
// Exactly `width` (1 to 8) upper-case digits of the lowest bits of `value`, zero-padded.
QString fixedHex(uint32_t value, int width);
// Two upper-case digits, as the program stores a byte it got from a chip or a binary file.
inline QString hexByte(uint8_t value) { return fixedHex(value, 2); }
// The digits of fixedHex written into a byte buffer, for the file writers; returns their end.
inline char* writeFixedHex(char* out, uint32_t value, int width) {
    for (int shift = 4 * (width - 1); shift >= 0; shift -= 4) {
        *out++ = "0123456789ABCDEF"[(value >> shift) & 0xF];
    }
    return out;
}
