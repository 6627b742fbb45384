#include "AddressText.h"

#include <QCoreApplication>

#include "HexText.h"

QString funDHChange(int32_t dec, AddressForm form, int32_t deviceCapacity, int32_t currentBlock) {
    uint32_t value = static_cast<uint32_t>(dec);
    QString text = QStringLiteral("0x");
    if (deviceCapacity > 0x10000) {
        value %= 0x10000;
        text += currentBlock >= 256 ? u'1' : u'0';
    }
    return text + (form == AddressForm::Full ? fixedHex(value, 4)
                                             : fixedHex(value >> 8, 2) + fixedHex(value, 1));
}

QString deviceAddressText(int32_t address, int32_t deviceCapacity) {
    return QStringLiteral("0x") +
           fixedHex(static_cast<uint32_t>(address), deviceCapacity > 0x10000 ? 5 : 4);
}

QString deviceRangeText(int32_t first, int32_t last, int32_t deviceCapacity) {
    return QCoreApplication::translate("AddressText", "%1 ～ %2")
        .arg(deviceAddressText(first, deviceCapacity), deviceAddressText(last, deviceCapacity));
}
