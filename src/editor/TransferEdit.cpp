#include "TransferEdit.h"

#include <QCoreApplication>
#include <algorithm>

#include "ImageEdit.h"
#include "MessageText.h"
#include "ProgramState.h"
#include "Selection.h"

namespace {

using Step = TransferPress::Step;

TransferPress plainTransfer(ProgramState& s, const QStringList& bytes, const EditOptions& options) {
    TransferPress press(Step::Written);
    const int32_t start = s.CurrentAddress;
    const int16_t startCell = s.CurrentCell;
    {
        ImageEdit edit(s, start, static_cast<int>(bytes.size()));
        s.CurrentAddress = writePlainTransfer(s.Image, s.EditMarks, start, bytes, s.DeviceCapacity,
                                              options.markEdits);
    }
    if (!options.autoAddress) {  // the selection stays where the transfer began
        s.CurrentAddress = start;
        return press;
    }
    const int cell = s.CurrentCell + static_cast<int>(bytes.size());
    s.CurrentCell = static_cast<int16_t>(cell % 256);
    if (cell > 255) {
        s.CurrentBlock += 1;
        if (s.CurrentBlock < s.BlockCount) {
            press.viewBlock = s.CurrentBlock;
            showBlockAt(s, s.CurrentBlock);
        }
    }
    if (s.CurrentBlock < s.BlockCount) return press;
    // The transfer reached the end of the device: the selection goes back where it began, on the
    // last block (block 0 also for a device smaller than one block).
    s.CurrentBlock = std::max(0, s.CurrentBlock - 1);
    s.CurrentCell = startCell;
    s.CurrentAddress = s.CurrentBlock * 256 + startCell;
    const QString done = messageLines(
        {QCoreApplication::translate("TransferEdit", "データー変更処理が最後まで終了しました。"),
         QCoreApplication::translate("TransferEdit", "当ウィンドウを閉じて、ご確認下さい。")});
    press.message = EditMessage{QCoreApplication::translate("TransferEdit", "データー変更処理終了"),
                                options.hexEntry ? options.fileName + done : done};
    return press;
}

TransferPress armAllData(ProgramState& s, const EditOptions& options) {
    TransferPress press(Step::Armed);
    s.AllDataArmed = true;
    if (options.fromAddressZero) {  // the view keeps its block until the fill ends
        press.editAddress = QStringLiteral("0x0000");
        s.CurrentAddress = 0;
        s.CurrentCell = 0;
    }
    press.messageLine = QCoreApplication::translate("TransferEdit", "【開始】を押すと全領域に転写");
    press.promptColour = true;
    if (options.caution) {
        press.message = EditMessage{
            QCoreApplication::translate("TransferEdit", "ALL DATA変更処理"),
            messageLines(
                {QCoreApplication::translate("TransferEdit", "ALL DATA変更処理が選択されました。"),
                 QCoreApplication::translate("TransferEdit", "(修正は、処理終了まで出来ません）"),
                 QCoreApplication::translate(
                     "TransferEdit",
                     "中止：【取消】 \u3000変更開始：再度【開始】ボタンを押して下さい。")})};
    }
    return press;
}

// What the fill and its withdrawal share; with "0x00000" the view goes back to block 0.
TransferPress endAllData(ProgramState& s, const EditOptions& options, const QString& title,
                         const QString& firstLine) {
    TransferPress press(Step::Ended);
    s.AllDataArmed = false;
    if (options.fromAddressZero && s.BlockCount > 0) {
        press.viewBlock = 0;
        showBlockAt(s, 0);
    }
    press.messageLine = QString();
    if (options.caution) {
        press.message = EditMessage{
            title,
            messageLines({firstLine,
                          QCoreApplication::translate("TransferEdit", "データーの修正が可能です。"),
                          QCoreApplication::translate(
                              "TransferEdit", "【ALL DATA】チェックボックスは、解除しました。")})};
    }
    return press;
}

TransferPress fillAllDataTransfer(ProgramState& s, const QStringList& bytes,
                                  const EditOptions& options) {
    const int32_t start = s.CurrentAddress;
    {
        ImageEdit edit(s, start, s.DeviceCapacity - start);
        fillAllData(s.Image, start, bytes, s.DeviceCapacity);
    }
    TransferPress press = endAllData(
        s, options, QCoreApplication::translate("TransferEdit", "ALL DATA変更完了"),
        options.hexEntry
            ? QCoreApplication::translate("TransferEdit", "ALL DATA変更処理を完了しました")
            : QCoreApplication::translate("TransferEdit", "ALL DATA変更処理を完了しました。"));
    press.promptColour = true;
    return press;
}

}  // namespace

TransferPress pressTransfer(ProgramState& state, const QString& entryText,
                            const EditOptions& options) {
    const TransferData data = readTransferData(entryText, options.hexEntry, state.CodeTable);
    if (data.fault != TransferData::Fault::None) {
        TransferPress press(Step::Refused);
        press.message = EditMessage{QCoreApplication::translate("TransferEdit", "文字ﾃﾞｰﾀｰｴﾗｰ"),
                                    transferFaultMessage(data)};
        return press;
    }
    // An armed fill whose mode was changed meanwhile makes a plain transfer and stays armed.
    if (!options.allDataMode) return plainTransfer(state, data.bytes, options);
    if (state.AllDataArmed) return fillAllDataTransfer(state, data.bytes, options);
    return armAllData(state, options);
}

TransferPress pressClear(ProgramState& state, const EditOptions& options) {
    if (!state.AllDataArmed) return TransferPress(Step::Cleared);
    return endAllData(
        state, options, QCoreApplication::translate("TransferEdit", "ALL DATA変更中止"),
        QCoreApplication::translate("TransferEdit", "ALL DATA変更処理を中止しました。"));
}
