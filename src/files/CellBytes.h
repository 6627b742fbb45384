#pragma once

#include <QLatin1StringView>
#include <cstdint>

class DataImage;

// What the HEX and binary writers share (not part of the file area's interface).
namespace CellBytes {

// The byte a writer puts into a file for an image cell: its two digits in either case. A cell
// that was never loaded or read (empty) holds no data and counts as the erased value FF.
// Throws ProgramError for any other text, naming the address and the cell. `cellText` is a
// view of the cell, valid while the image is unchanged.
uint8_t byteForWriting(const DataImage& image, int address, QLatin1StringView& cellText);

}  // namespace CellBytes
