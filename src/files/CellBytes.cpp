#include "CellBytes.h"

#include <QCoreApplication>

#include "ProgramError.h"

namespace CellBytes {

void notHexadecimal(int address, QLatin1StringView cellText) {
    throw ProgramError(QCoreApplication::translate(
                           "CellBytes", "アドレス 0x%1 のデーター【%2】は16進数ではありません。")
                           .arg(upperHex(address), QString(cellText)));
}

}  // namespace CellBytes
