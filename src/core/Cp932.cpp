#include "Cp932.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <utility>

#include "ProgramError.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

// Bytes that decode to nothing are carried as lone low surrogates U+DC80 to U+DCFF. No keyboard,
// input method or clipboard produces a lone surrogate, so such a character only ever stands for
// a byte read from a file.
constexpr char16_t kRawByte = 0xDC00;

// Single bytes that Windows decodes outside ASCII and the half-width katakana.
constexpr std::array<std::pair<uint8_t, char16_t>, 5> kWindowsSingles{
    {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}}};

// Characters of the JIS mapping to Unicode that Windows writes as the code page's own variant.
constexpr std::array<std::pair<char16_t, uint16_t>, 7> kJisVariants{{{0x2014, 0x815C},
                                                                      {0x301C, 0x8160},
                                                                      {0x2016, 0x8161},
                                                                      {0x2212, 0x817C},
                                                                      {0x00A2, 0x8191},
                                                                      {0x00A3, 0x8192},
                                                                      {0x00AC, 0x81CA}}};

bool isLeadByte(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(int b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
// The NEC selection of IBM extensions repeats characters the IBM extensions hold.
bool isNecSelection(int code) { return (code >> 8) == 0xED || (code >> 8) == 0xEE; }

// The platform's converter, asked one double byte at a time: Windows' own code page 932, or
// elsewhere Qt's (ICU's) "windows-31j", which Qt has only where it is built with ICU.
class PlatformConverter {
public:
#ifdef Q_OS_WIN
    bool isValid() const { return true; }
#else
    bool isValid() const { return decoder_.isValid(); }
#endif

    // The character of a double byte; 0 when the code page holds none. Every character of a
    // double byte lies beyond ASCII; a U+FFFD is a converter's stand-in for a pair it does not
    // know, with or without its error flag.
    char16_t charOfPair(int lead, int trail) {
        const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
#ifdef Q_OS_WIN
        wchar_t decoded[2];
        const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, decoded, 2);
        const char16_t c = length == 1 ? static_cast<char16_t>(decoded[0]) : 0;
#else
        const QString decoded = decoder_.decode(QByteArrayView(pair, 2));
        const bool one = !decoder_.hasError() && decoded.size() == 1;
        if (!one) decoder_ = QStringDecoder(kConverterName);  // resetState() keeps the error flag
        const char16_t c = one ? decoded[0].unicode() : 0;
#endif
        return c >= 0x80 && c != QChar::ReplacementCharacter ? c : 0;
    }

private:
#ifndef Q_OS_WIN
    static constexpr const char* kConverterName = "windows-31j";
    QStringDecoder decoder_{kConverterName};
#endif
};

// The double-byte table is taken from the platform's converter, pair by pair, so that the
// converter's own handling of bad sequences and control bytes never reaches a file. Without a
// converter every double byte is carried as raw bytes, which still writes back unchanged.
// Each lead byte's row is asked of the converter on its first use: a settings file needs one or
// two rows, and the whole table costs a start of the program several milliseconds.
struct PairTable {
    std::array<char16_t, 0x10000> charOfPair{};  // by lead << 8 | trail; 0 for none
    std::array<std::once_flag, 0x100> rowReady;
};

void fillRow(std::array<char16_t, 0x10000>& charOfPair, int lead) {
    PlatformConverter converter;
    for (int trail = 0x40; converter.isValid() && trail <= 0xFC; ++trail) {
        if (isTrailByte(trail)) charOfPair[lead << 8 | trail] = converter.charOfPair(lead, trail);
    }
}

// The character of a lead and a trail byte, or 0 when the code page has none.
char16_t pairChar(int lead, int trail) {
    static PairTable table;
    std::call_once(table.rowReady[lead], [lead] { fillRow(table.charOfPair, lead); });
    return table.charOfPair[lead << 8 | trail];
}

using CodeTable = std::array<uint16_t, 0x10000>;  // double-byte code by character; 0 for none

// A character with several codes is written as Windows writes it: the first code, except that
// the NEC selection gives way to the IBM extensions.
std::unique_ptr<const CodeTable> buildCodes() {
    auto codes = std::make_unique<CodeTable>();
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t c = isTrailByte(trail) ? pairChar(lead, trail) : 0;
            if (c == 0) continue;
            const int code = lead << 8 | trail;
            uint16_t& chosen = (*codes)[c];
            if (chosen == 0 || (isNecSelection(chosen) && !isNecSelection(code))) chosen = code;
        }
    }
    for (const auto& [c, code] : kJisVariants) (*codes)[c] = code;
    return codes;
}

// Built on the first write of a character beyond ASCII and the half-width katakana.
const CodeTable& codes() {
    static const std::unique_ptr<const CodeTable> table = buildCodes();
    return *table;
}

char16_t singleByteChar(int b) {
    if (b < 0x80) return static_cast<char16_t>(b);
    if (b >= 0xA1 && b <= 0xDF) return static_cast<char16_t>(0xFF61 + b - 0xA1);
    for (const auto& [byte, c] : kWindowsSingles) {
        if (byte == b) return c;
    }
    return static_cast<char16_t>(kRawByte | b);
}

// The code of one UTF-16 unit, or -1 when the code page does not hold it.
int codeOf(char16_t c) {
    if (c < 0x80) return c;
    if (c >= 0xFF61 && c <= 0xFF9F) return c - 0xFF61 + 0xA1;
    if (c >= (kRawByte | 0x80) && c <= (kRawByte | 0xFF)) return c & 0xFF;
    for (const auto& [byte, single] : kWindowsSingles) {
        if (single == c) return byte;
    }
    const int code = codes()[c];
    return code != 0 ? code : -1;
}

}  // namespace

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0; });
}

QString decodeCp932(QByteArrayView bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int b = static_cast<uint8_t>(bytes[i]);
        if (isLeadByte(b) && i + 1 < bytes.size()) {
            const char16_t c = pairChar(b, static_cast<uint8_t>(bytes[i + 1]));
            if (c != 0) {
                out[n++] = c;
                ++i;
                continue;
            }
        }
        out[n++] = singleByteChar(b);
    }
    text.truncate(n);
    return text;
}

QByteArray encodeCp932(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int code = c.isHighSurrogate() ? -1 : codeOf(c.unicode());
        if (code < 0) {
            const qsizetype width = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            throw ProgramError::unencodable(text.sliced(i, width).toString());
        }
        if (code > 0xFF) bytes += static_cast<char>(code >> 8);
        bytes += static_cast<char>(code & 0xFF);
    }
    return bytes;
}

QByteArray latin1ToCp932(QByteArray text) {
    return isAscii(text) ? text : encodeCp932(QString::fromLatin1(text));
}
