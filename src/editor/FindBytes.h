#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "EntryData.h"

class DataImage;

// Find: bytes given in hexadecimal or as text through the code table, searched for within the
// device from the selected cell on, wrapping round once.

enum class FindKind { Hex, Text };

struct FindPattern {
    QByteArray bytes;
    std::optional<EditMessage> refusal;  // why there is nothing to look for
};
// Text gives one byte a character: the first byte whose code-table entry is that character.
FindPattern readFindPattern(QStringView text, FindKind kind, const CodeTable& codeTable,
                            int32_t deviceCapacity);

enum class FindDirection { Forward, Backward };

struct FindHit {
    int32_t address;  // of the match's first byte
    bool wrapped;     // found only after passing the device's end (or start, going back)
};
// A match starting at `from` or after it (before it, going back), else the first one met from
// the other end of the device. Cells that hold no byte match nothing.
std::optional<FindHit> findBytes(const DataImage& image, int32_t deviceCapacity,
                                 QByteArrayView pattern, int32_t from, FindDirection direction);

// The message line's texts of a search.
QString findNotFoundText();
QString findWrappedText(FindDirection direction);
