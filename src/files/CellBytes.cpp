#include "CellBytes.h"

#include "DataImage.h"
#include "HexText.h"
#include "ProgramError.h"

namespace CellBytes {

uint8_t byteForWriting(const DataImage& image, int address, QLatin1StringView& cellText) {
    cellText = image.view(address);
    if (cellText.isEmpty()) return 0xFF;
    const int value = cellByte(cellText);
    if (value < 0) {
        throw ProgramError(QStringLiteral("アドレス 0x%1 のデーター【%2】は16進数ではありません。")
                               .arg(upperHex(address), QString(cellText)));
    }
    return static_cast<uint8_t>(value);
}

}  // namespace CellBytes
