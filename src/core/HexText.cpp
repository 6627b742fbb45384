#include "HexText.h"

namespace {
bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}
}  // namespace

bool funHexCheck(const QString& text) { return text.size() == 1 && isHexDigit(text[0]); }

bool isHexCell(QStringView cell) {
    return cell.size() == 2 && isHexDigit(cell[0]) && isHexDigit(cell[1]);
}
