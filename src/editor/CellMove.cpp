#include "CellMove.h"

#include <QCoreApplication>
#include <algorithm>

#include "AddressText.h"
#include "HexText.h"
#include "MessageText.h"

int32_t movedAddress(int32_t address, CellMoveKey key, int32_t deviceCapacity) {
    const int32_t last = deviceEnd(deviceCapacity) - 1;
    if (last < 0) return address;
    const auto stepOrStay = [&](int32_t step) {
        const int32_t target = address + step;
        return target < 0 || target > last ? address : target;
    };
    int32_t target = address;
    switch (key) {
        case CellMoveKey::Left:
            target = address - 1;
            break;
        case CellMoveKey::Right:
            target = address + 1;
            break;
        case CellMoveKey::Up:
            target = stepOrStay(-16);
            break;
        case CellMoveKey::Down:
            target = stepOrStay(16);
            break;
        case CellMoveKey::RowStart:
            target = address & ~0xF;
            break;
        case CellMoveKey::RowEnd:
            target = address | 0xF;
            break;
        case CellMoveKey::DeviceStart:
            target = 0;
            break;
        case CellMoveKey::DeviceEnd:
            target = last;
            break;
        case CellMoveKey::BlockUp:
            target = stepOrStay(-256);
            break;
        case CellMoveKey::BlockDown:
            target = stepOrStay(256);
            break;
    }
    return std::clamp(target, 0, last);
}

GoToAddress readGoToAddress(QStringView text, int32_t deviceCapacity) {
    QStringView digits = text.trimmed();
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) digits = digits.mid(2);
    if (digits.isEmpty())
        return {std::nullopt,
                QCoreApplication::translate("CellMove", "アドレスを入力してください。")};
    for (const QChar c : digits) {
        if (hexDigitValue(c.unicode()) < 0) {
            return {
                std::nullopt,
                messageLines(
                    {QCoreApplication::translate("CellMove", "【%1】は16進数の文字ではありません。")
                         .arg(c),
                     QCoreApplication::translate(
                         "CellMove", "アドレスは16進数(半角0～9,A～F)で入力してください。")})};
        }
    }
    const int32_t end = deviceEnd(deviceCapacity);
    const int64_t value = hexNumber(digits, end).value_or(end);
    if (value >= end) {
        return {
            std::nullopt,
            messageLines({QCoreApplication::translate("CellMove",
                                                      "入力したアドレスはデバイスの範囲外です。"),
                          QCoreApplication::translate("CellMove", "%1 の範囲で入力してください。")
                              .arg(deviceRangeText(0, end - 1, deviceCapacity))})};
    }
    return {static_cast<int32_t>(value), {}};
}

QString goToRefusalTitle() { return QCoreApplication::translate("CellMove", "アドレス指定エラー"); }
