#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstdint>

#include "DataImage.h"
#include "HexText.h"

// What the HEX, S-record and binary writers share (not part of the file area's interface).
namespace CellBytes {

[[noreturn]] void notHexadecimal(int address, QLatin1StringView cellText);

// The byte a writer puts into a file for an image cell: its two digits in either case. A cell
// that was never loaded or read (empty) holds no data and counts as the erased value FF.
// Throws ProgramError for any other text, naming the address and the cell. `cellText` is a
// view of the cell, valid while the image is unchanged. Inline: it runs for every cell.
inline uint8_t byteForWriting(const DataImage& image, int address, QLatin1StringView& cellText) {
    cellText = image.view(address);
    if (cellText.isEmpty()) return 0xFF;
    const int value = cellByte(cellText);
    if (value < 0) notHexadecimal(address, cellText);
    return static_cast<uint8_t>(value);
}

// The record writers' groups: 16 addresses from a multiple of 16.
constexpr int kGroup = 16;
using GroupCells = std::array<QLatin1StringView, kGroup>;
using GroupBytes = std::array<uint8_t, kGroup>;

// Calls span(base, first, last, cells, values) for every group of the image holding a byte other
// than FF, in address order; first and last are the indices of its first and last such byte.
// Throws as byteForWriting does.
template <typename Span>
void forEachDataSpan(const DataImage& image, Span span) {
    GroupCells cells;
    GroupBytes values{};
    for (int base = 0; base < DataImage::Size; base += kGroup) {
        int first = kGroup;
        int last = -1;
        for (int i = 0; i < kGroup; ++i) {
            values[i] = byteForWriting(image, base + i, cells[i]);
            if (values[i] == 0xFF) continue;
            if (first == kGroup) first = i;
            last = i;
        }
        if (last >= 0) span(base, first, last, cells, values);
    }
}

}  // namespace CellBytes
