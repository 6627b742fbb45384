#include "SingleByteTable.h"

namespace {

CodeTable built() {
    CodeTable table;
    for (int k = 0x20; k < 0x7F; ++k) table[k] = QString(QChar(k));
    for (int k = 0xA1; k <= 0xDF; ++k) table[k] = QString(QChar(0xFF61 + k - 0xA1));
    return table;
}

}  // namespace

const CodeTable& singleByteTable() {
    static const CodeTable table = built();
    return table;
}
