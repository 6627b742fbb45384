#include "Numbers.h"

#include <limits>

#include "ProgramError.h"

namespace {

template <typename Int>
Int toInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-')) {
        negative = trimmed[i] == u'-';
        ++i;
    }
    if (i == trimmed.size()) throw ProgramError::typeMismatch(text);
    // Accumulate as a magnitude with an early stop, so that a line of a thousand digits is an
    // overflow rather than a wrap-around.
    constexpr int64_t limit = int64_t{std::numeric_limits<Int>::max()} + 1;
    int64_t magnitude = 0;
    bool overflowed = false;
    for (; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c < u'0' || c > u'9') throw ProgramError::typeMismatch(text);
        if (!overflowed) {
            magnitude = magnitude * 10 + (c - u'0');
            overflowed = magnitude > limit;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (overflowed || value < std::numeric_limits<Int>::min() ||
        value > std::numeric_limits<Int>::max()) {
        throw ProgramError::overflow(text);
    }
    return static_cast<Int>(value);
}

}  // namespace

int16_t toInteger16(const QString& text) { return toInteger<int16_t>(text); }

int32_t toInteger32(const QString& text) { return toInteger<int32_t>(text); }

uint8_t toByte(const QString& text) { return toInteger<uint8_t>(text); }
