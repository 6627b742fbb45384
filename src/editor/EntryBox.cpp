#include "EntryBox.h"

#include <QCoreApplication>
#include <algorithm>

#include "HexText.h"
#include "MessageText.h"
#include "ProgramState.h"

namespace {

constexpr int kSingleLimit = 32;  // one grid row of hexadecimal digits
constexpr int kMultiLimit = 512;  // one block

}  // namespace

int entryLimit(bool multiLayout, bool hexEntry) {
    const int limit = multiLayout ? kMultiLimit : kSingleLimit;
    return hexEntry ? limit : limit / 2;
}

EntryCheck checkEntry(const QString& text, bool hexEntry, bool directMode,
                      const CodeTable& codeTable) {
    EntryCheck check;
    if (!text.isEmpty()) {
        const QString last = text.right(1);
        const bool known = hexEntry ? funHexCheck(last)
                                    : funCodehexChange(last, codeTable) != QStringLiteral("fff");
        if (!known) {
            check.refusal = EditMessage{
                QCoreApplication::translate("EntryBox", "文字ﾃﾞｰﾀｰｴﾗｰ"),
                messageLines(
                    {(hexEntry ? QCoreApplication::translate(
                                     "EntryBox", "入力した文字にエラーが有ります：【%1】")
                               : QCoreApplication::translate(
                                     "EntryBox", "転写データーに、設定外の文字があります：【%1】"))
                         .arg(last),
                     hexEntry
                         ? QCoreApplication::translate(
                               "EntryBox", "16進コード(半角0～9,A,B,C,D,E,F)で入力してください。")
                         : QCoreApplication::translate("EntryBox",
                                                       "code.txtに設定した文字を使って下さい。"),
                     QCoreApplication::translate("EntryBox", "入力を取り消します。")})};
            return check;
        }
    }
    check.title = entryTitle(text.size(), hexEntry);
    check.entryModesEnabled = text.isEmpty();
    check.transferNow = directMode && text.size() >= (hexEntry ? 2 : 1);
    return check;
}

QString switchEntryLayout(ProgramState& state) {
    state.MultiLayout = !state.MultiLayout;
    return state.MultiLayout
               ? QCoreApplication::translate("EntryBox", "【Single】を押すと元に戻ります。")
               : QString();
}

QStringList reverseTransferCells(const ProgramState& state) {
    const int32_t last = std::min<int32_t>(state.CurrentAddress + 255, DataImage::Size - 1);
    QStringList cells;
    for (int32_t address = state.CurrentAddress; address <= last; ++address) {
        cells << state.Image.at(address);
    }
    return cells;
}
