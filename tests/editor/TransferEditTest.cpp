// The transfer buttons and the reverse copy on the state record, without a window.

#include <gtest/gtest.h>

#include <memory>

#include "DeviceState.h"
#include "EntryBox.h"
#include "ProgramState.h"
#include "Selection.h"
#include "TransferEdit.h"

namespace {

EditOptions autoAddressHex() {
    EditOptions options;
    options.autoAddress = true;
    options.fileName = QStringLiteral("sample.txt");
    return options;
}

}  // namespace

TEST(TransferEdit, TransferAtTheEndOfTheDeviceDropsTheRestAndReturns) {
    struct Row {
        int32_t size;
        int32_t start;
        const char* entry;
        int written;  // bytes
    };
    const Row rows[] = {
        {256, 0xFE, "01020304", 2},
        // Smaller than one block: every transfer ends at the end of the device, on block 0.
        {128, 0x7E, "05060708", 2},
        {128, 0x10, "09", 1},
        {128, 0xC0, "0A", 0},  // a cell beyond the device takes nothing
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry);
        const auto s = deviceOf(row.size, row.start);
        s->Image.set(row.start + row.written, u"77");
        const QString entry = QString::fromLatin1(row.entry);
        const TransferPress press = pressTransfer(*s, entry, autoAddressHex());
        EXPECT_EQ(press.step, TransferPress::Step::Written);
        for (int i = 0; i < row.written; ++i) {
            EXPECT_EQ(s->Image.at(row.start + i), entry.mid(2 * i, 2));
        }
        EXPECT_EQ(s->Image.at(row.start + row.written), QStringLiteral("77"));
        ASSERT_TRUE(press.message);
        EXPECT_EQ(press.message->title, QStringLiteral("データー変更処理終了"));
        EXPECT_EQ(press.message->text,
                  QStringLiteral("sample.txtデーター変更処理が最後まで終了しました。\r\n"
                                 "当ウィンドウを閉じて、ご確認下さい。"));
        EXPECT_FALSE(press.viewBlock);
        EXPECT_EQ(s->CurrentAddress, row.start);
        EXPECT_EQ(s->CurrentCell, row.start % 256);
        EXPECT_EQ(s->CurrentBlock, 0);
    }
}

TEST(TransferEdit, ArmedFillWhoseModeChangedMeanwhileMakesAPlainTransferAndStaysArmed) {
    const auto s = deviceOf(512, 0x101);
    s->Image.set(0x103, u"77");
    EditOptions options = autoAddressHex();
    options.allDataMode = true;
    EXPECT_EQ(pressTransfer(*s, QStringLiteral("55AA"), options).step, TransferPress::Step::Armed);

    options.allDataMode = false;
    EXPECT_EQ(pressTransfer(*s, QStringLiteral("55AA"), options).step,
              TransferPress::Step::Written);
    EXPECT_TRUE(s->AllDataArmed);
    EXPECT_EQ(s->Image.at(0x101) + s->Image.at(0x102) + s->Image.at(0x103),
              QStringLiteral("55AA77"));
    EXPECT_EQ(s->CurrentAddress, 0x103);

    options.allDataMode = true;
    EXPECT_EQ(pressTransfer(*s, QStringLiteral("55AA"), options).step, TransferPress::Step::Ended);
    EXPECT_FALSE(s->AllDataArmed);
    EXPECT_EQ(s->Image.at(0x103) + s->Image.at(0x104) + s->Image.at(0x1FF),
              QStringLiteral("55AA55"));
}

TEST(EntryBox, ReverseTransferStopsAtTheEndOfTheImage) {
    const auto s = deviceOf(131072, 0x1FF80);
    EXPECT_EQ(reverseTransferCells(*s).size(), 128);
}
