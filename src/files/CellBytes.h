#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

class DataImage;

// Helpers shared by the HEX and binary formats (not part of the file area's interface).
namespace CellBytes {

// The value of one hexadecimal digit in either case, or -1.
int hexDigit(QChar c);
// Two digits at `pos` of `text` as a byte, or -1 when they are missing or not hexadecimal.
int hexByte(QStringView text, qsizetype pos);

// The byte a writer puts into a file for an image cell: its two digits in either case. A cell
// that was never loaded or read (empty) holds no data and counts as the erased value FF.
// Throws ProgramError for any other text, naming the address and the cell. `cellText` is a
// view of the cell, valid while the image is unchanged.
uint8_t byteForWriting(const DataImage& image, int address, QLatin1String& cellText);

// Upper-case hexadecimal without leading zeros, as the file area shows addresses.
QString upperHex(qint64 value);

}  // namespace CellBytes
