#include "ClipboardText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

#include "AddressText.h"
#include "CellMove.h"
#include "HexBytes.h"
#include "HexText.h"
#include "ImageEdit.h"
#include "MessageText.h"
#include "ProgramState.h"

namespace {

constexpr int kBytesPerLine = 16;

ClipboardResult refused(const QString& title, const QString& text) {
    ClipboardResult result;
    result.refusal = EditMessage{title, text};
    return result;
}

}  // namespace

ClipboardResult copyCells(const ProgramState& state, const CellRange& range) {
    const QString title = QCoreApplication::translate("ClipboardText", "コピーエラー");
    const int32_t first = range.first();
    const int32_t last = std::min(range.last(), deviceEnd(state.DeviceCapacity) - 1);
    if (first > last)
        return refused(title, QCoreApplication::translate(
                                  "ClipboardText", "コピーするセルがデバイスの範囲外です。"));
    QByteArray text;
    text.reserve(qsizetype(last - first + 1) * 3);
    for (int32_t a = first; a <= last; ++a) {
        const int byte = cellByte(state.Image.view(a));
        if (byte < 0) {
            return refused(
                title,
                messageLines(
                    {QCoreApplication::translate("ClipboardText",
                                                 "%1 のデーター【%2】は16進数2桁ではありません。")
                         .arg(deviceAddressText(a, state.DeviceCapacity), state.Image.at(a)),
                     QCoreApplication::translate("ClipboardText", "コピーを取り消します。")}));
        }
        if (a != first) text.append((a - first) % kBytesPerLine == 0 ? '\n' : ' ');
        char digits[2];
        writeFixedHex(digits, static_cast<uint32_t>(byte), 2);
        text.append(digits, 2);
    }
    ClipboardResult result;
    result.text = QString::fromLatin1(text);
    result.messageLine = QCoreApplication::translate("ClipboardText", "%1 バイトをコピーしました。")
                             .arg(last - first + 1);
    return result;
}

ClipboardResult pasteText(ProgramState& state, QStringView text, bool mark) {
    if (state.OperationRunning || state.AllDataArmed) return {};
    const QString title = QCoreApplication::translate("ClipboardText", "貼り付けエラー");
    const int32_t first = state.CurrentAddress;
    const qsizetype room = std::max(0, deviceEnd(state.DeviceCapacity) - first);
    const HexBytes read = readHexBytes(
        text, room, QCoreApplication::translate("ClipboardText", "貼り付けるデーター"));
    if (read.fault) {
        return refused(
            title, messageLines({*read.fault, QCoreApplication::translate(
                                                  "ClipboardText", "貼り付けを取り消します。")}));
    }
    if (read.count > room) {
        return refused(
            title,
            messageLines(
                {QCoreApplication::translate("ClipboardText",
                                             "貼り付けるデーターは %1 バイトありますが、%2 "
                                             "からデバイスの最後までに入るのは %3 バイトです。")
                     .arg(QString::number(read.count),
                          deviceAddressText(first, state.DeviceCapacity), QString::number(room)),
                 QCoreApplication::translate("ClipboardText", "貼り付けを取り消します。")}));
    }
    pasteCells(state, first, read.bytes, mark);
    ClipboardResult result;
    const int32_t last = first + static_cast<int32_t>(read.count) - 1;
    result.messageLine =
        QCoreApplication::translate("ClipboardText", "%1 に %2 バイトを貼り付けました。")
            .arg(deviceRangeText(first, last, state.DeviceCapacity), QString::number(read.count));
    return result;
}

void pasteCells(ProgramState& state, int32_t first, QByteArrayView bytes, bool mark) {
    ImageEdit edit(state, first,
                   static_cast<int>(std::min<qsizetype>(bytes.size(), DataImage::Size)));
    const int64_t end = std::min<int64_t>(deviceEnd(state.DeviceCapacity), first + bytes.size());
    char digits[2];
    for (int32_t a = std::max(first, 0); a < end; ++a) {
        writeFixedHex(digits, static_cast<uint8_t>(bytes[a - first]), 2);
        state.Image.set(a, QLatin1StringView(digits, 2));
        if (mark) state.EditMarks[static_cast<std::size_t>(a)] = true;
    }
}
