#pragma once

#include <QLatin1StringView>
#include <cstdint>

#include "DataImage.h"
#include "HexText.h"

// What the HEX and binary writers share (not part of the file area's interface).
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

}  // namespace CellBytes
