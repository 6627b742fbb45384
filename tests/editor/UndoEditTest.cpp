// Undo and redo of the editor's changes on the state record, without a window.

#include <gtest/gtest.h>

#include <memory>

#include "ClipboardText.h"
#include "DeviceState.h"
#include "ImageEdit.h"
#include "ProgramState.h"
#include "Selection.h"
#include "TransferEdit.h"
#include "UndoEdit.h"

namespace {

EditOptions hexOptions(bool allData, bool mark) {
    EditOptions options;
    options.allDataMode = allData;
    options.markEdits = mark;
    return options;
}

}  // namespace

// A marked transfer and an ALL DATA fill are one step each; undo brings back the cells and marks
// and shows the block the step changed, redo does it again.
TEST(UndoEdit, TransferAndFillAreOneStepEach) {
    const auto s = deviceOf(0x2000, 0x0310);
    pressTransfer(*s, QStringLiteral("A1A2"), hexOptions(false, true));
    pressTransfer(*s, QStringLiteral("55"), hexOptions(true, false));  // arms
    pressTransfer(*s, QStringLiteral("55"), hexOptions(true, false));  // fills to the end
    ASSERT_EQ(s->Image.at(0x1FFF), QStringLiteral("55"));
    EXPECT_EQ(s->History.stepCount(), 2u);

    showBlockAt(*s, 0x1F);
    UndoPress undo = pressUndo(*s);
    EXPECT_EQ(undo.viewBlock, 0x1F);  // the fill covered the block on view: it stays
    EXPECT_EQ(s->Image.at(0x0310), QStringLiteral("A1"));
    EXPECT_TRUE(s->Image.isEmpty(0x1FFF));

    undo = pressUndo(*s);
    EXPECT_EQ(undo.viewBlock, 3);
    EXPECT_EQ(undo.messageLine, QStringLiteral("元に戻しました 0x0310 ～ 0x0311"));
    EXPECT_TRUE(s->Image.isEmpty(0x0310));
    EXPECT_FALSE(s->EditMarks[0x0310]);
    EXPECT_EQ(pressUndo(*s).messageLine, QStringLiteral("元に戻す変更はありません"));

    pressRedo(*s);
    EXPECT_EQ(s->Image.at(0x0311), QStringLiteral("A2"));
    EXPECT_TRUE(s->EditMarks[0x0311]);
}

TEST(UndoEdit, APasteIsOneStepAndARefusedPasteNone) {
    const auto s = deviceOf(0x100, 0xFD);
    EXPECT_EQ(pasteText(*s, QStringLiteral("0x01 02\r\n03"), true).messageLine,
              QStringLiteral("0x00FD ～ 0x00FF に 3 バイトを貼り付けました。"));
    pasteText(*s, QStringLiteral("04 05 06 07"), true);  // would run past the end: refused
    EXPECT_EQ(s->History.stepCount(), 1u);
    // The undo names the range as the paste did.
    EXPECT_EQ(pressUndo(*s).messageLine, QStringLiteral("元に戻しました 0x00FD ～ 0x00FF"));
    EXPECT_TRUE(s->Image.isEmpty(0xFF));
    EXPECT_FALSE(s->EditMarks[0xFD]);
}

TEST(UndoEdit, DoesNothingWhileAnOperationIsArmedOrRunning) {
    const auto s = deviceOf(0x100, 0);
    pressTransfer(*s, QStringLiteral("01"), hexOptions(false, false));
    for (bool* busy : {&s->OperationRunning, &s->AllDataArmed}) {
        *busy = true;
        EXPECT_TRUE(pressUndo(*s).ignored);
        EXPECT_TRUE(pressRedo(*s).ignored);
        EXPECT_EQ(s->Image.at(0), QStringLiteral("01"));
        *busy = false;
    }
}

// A change made on a large device, then a smaller device chosen: undo writes nothing past the new
// device's end, and the view lands on one of its blocks.
TEST(UndoEdit, AfterAChangeToASmallerDevice) {
    struct Row {
        int32_t changedAt;
        int32_t newCapacity;
        int32_t viewBlock;  // -1: the view does not move
        bool restoredInside;
    };
    const Row rows[] = {
        {0x1FF00, 0x100, -1, false},  // wholly beyond: nothing put back
        {0x00F8, 0x100, 0, true},     // straddles the end: the part inside only
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.changedAt);
        const auto s = deviceOf(0x20000, row.changedAt);
        {
            ImageEdit edit(*s, row.changedAt, 16);
            for (int a = row.changedAt; a < row.changedAt + 16; ++a) s->Image.set(a, u"EE");
        }
        s->DeviceCapacity = row.newCapacity;
        s->BlockCount = row.newCapacity / 256;
        showBlockAt(*s, 0);
        const UndoPress undo = pressUndo(*s);
        EXPECT_EQ(undo.viewBlock.value_or(-1), row.viewBlock);
        EXPECT_EQ(s->Image.isEmpty(row.changedAt), row.restoredInside);
        EXPECT_EQ(s->Image.at(row.changedAt + 15), QStringLiteral("EE"));
        EXPECT_LT(s->CurrentBlock, s->BlockCount);
    }
}
