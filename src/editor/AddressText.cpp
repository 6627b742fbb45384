#include "AddressText.h"

QString funDHChange(int32_t dec, AddressForm form, int32_t deviceCapacity, int32_t currentBlock) {
    uint32_t value = static_cast<uint32_t>(dec);
    QString text = QStringLiteral("0x");
    if (deviceCapacity > 0x10000) {
        value %= 0x10000;
        text += currentBlock >= 256 ? u'1' : u'0';
    }
    const auto digit = [value](int position) {
        return QString::number((value >> (4 * position)) & 0xF, 16).toUpper();
    };
    text += digit(3) + digit(2);
    if (form == AddressForm::Full) text += digit(1);
    text += digit(0);
    return text;
}
