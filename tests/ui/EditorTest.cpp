// Cell entry, transfers into the image and the two edit layouts, through the main window.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include "Colours.h"
#include "ProgramFolder.h"

namespace {

using namespace SampleDevice;

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        fx.start();
        entry = fx.control<QPlainTextEdit>("txtSetData");
    }

    void selectDevice(int index) { fx.selectDevice(index); }
    void showBlock(int block) { fx.showBlock(block); }
    void clickCell(int cell) {
        QTest::mouseClick(fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(cell)),
                          Qt::LeftButton);
    }
    void select(int32_t address) {
        showBlock(address / 256);
        clickCell(address % 256);
    }
    void type(const QString& keys) { QTest::keyClicks(entry, keys); }
    void click(const char* name) { fx.control<QAbstractButton>(name)->click(); }
    QString cell(int32_t address) const { return fx.state->Image.at(address); }
    QString editAddress() const { return fx.control<QLineEdit>("txtEditAddress")->text(); }
    QStringList boxTexts() const {
        QStringList texts;
        for (const auto& shown : fx.dialogs.shown) texts << shown.text;
        return texts;
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    QPlainTextEdit* entry = nullptr;
};

}  // namespace

TEST_F(Editor, HexEntryKeepsCaseRefusesWrongCharactersAndStopsAtOneRow) {
    type(QStringLiteral("a"));
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("a"));
    EXPECT_EQ(fx.control<QLabel>("lblEdit(0)")->text(), QStringLiteral("転写データー 0.5 Byte"));
    type(QStringLiteral("G"));
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("a"));
    ASSERT_TRUE(fx.showedOnly(QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"),
                              QStringLiteral("入力した文字にエラーが有ります：【G】")));

    type(QString(40, u'0'));
    EXPECT_EQ(entry->toPlainText().size(), 32);
    EXPECT_FALSE(fx.control<QRadioButton>("optEdit(0)")->isEnabled());
    click("cmdEdit(1)");
    EXPECT_TRUE(entry->toPlainText().isEmpty());
    EXPECT_EQ(fx.control<QLabel>("lblEdit(0)")->text(), QStringLiteral("データー入力ボックス"));
    EXPECT_TRUE(fx.control<QRadioButton>("optEdit(0)")->isEnabled());
}

TEST_F(Editor, FullBoxKeepsOnlyWhatFitsOfAnEditWhereverTheCursorIs) {
    struct Row {
        const char* before;
        int cursor;
        const char* input;
        bool paste;
        const char* after;
        int cursorAfter;
    };
    const Row rows[] = {
        {"0123456789ABCDEF0123456789ABCDEF", 4, "F", false, "0123456789ABCDEF0123456789ABCDEF", 4},
        {"0123456789ABCDEF0123456789AB", 2, "CDEF55", true, "01CDEF23456789ABCDEF0123456789AB", 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        entry->setPlainText(QString::fromLatin1(row.before));
        QTextCursor cursor = entry->textCursor();
        cursor.setPosition(row.cursor);
        entry->setTextCursor(cursor);
        if (row.paste) {
            entry->insertPlainText(QString::fromLatin1(row.input));
        } else {
            type(QString::fromLatin1(row.input));
        }
        EXPECT_EQ(entry->toPlainText(), QString::fromLatin1(row.after));
        EXPECT_EQ(entry->textCursor().position(), row.cursorAfter);
    }
    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
}

TEST_F(Editor, TextEntryStopsAtSixteenCharactersAndWritesTableIndices) {
    click("cmdEdit(1)");  // the options come back once the box is empty
    fx.control<QRadioButton>("optEdit(1)")->click();
    type(QStringLiteral("ABCDEFGHIJKLMNOPQRS"));
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(fx.control<QLabel>("lblEdit(0)")->text(), QStringLiteral("転写データー 16 Byte"));
    select(0x20);
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0x20), QStringLiteral("41"));
    EXPECT_EQ(cell(0x2F), QStringLiteral("50"));
}

TEST_F(Editor, PlainTransferWithAndWithoutAutoAddress) {
    select(0x10);
    type(QStringLiteral("1A2B3C"));
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0x10) + cell(0x11) + cell(0x12), QStringLiteral("1A2B3C"));
    EXPECT_EQ(fx.state->CurrentAddress, 0x13);
    EXPECT_EQ(editAddress(), QStringLiteral("0x0013"));
    EXPECT_TRUE(fx.state->EditMarks[0x11]);
    EXPECT_EQ(textColour(fx.control<QLineEdit>("txtData(17)")), toQColor(fx.state->ColorTable[4]));
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("1A2B3C"));  // the box keeps its text

    click("chkEdit(0)");  // Autoアドレス off
    click("chkChange");   // no marks
    select(0x40);
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0x42), QStringLiteral("3C"));
    EXPECT_EQ(fx.state->CurrentAddress, 0x40);
    EXPECT_FALSE(fx.state->EditMarks[0x41]);
}

TEST_F(Editor, BadTransferDataIsRefusedAndChangesNothing) {
    select(0x10);
    const QString before = cell(0x10);
    type(QStringLiteral("1A2"));
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0x10), before);
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(fx.dialogs.shown[0].text.contains(
        QStringLiteral("文字数が偶数（１バイト）になっていません。")));
    EXPECT_EQ(fx.state->CurrentAddress, 0x10);
}

TEST_F(Editor, TransferAcrossABlockMovesTheView) {
    select(3 * 256 + 0xFF);
    type(QStringLiteral("AABB"));
    click("cmdEdit(0)");
    EXPECT_EQ(fx.state->CurrentBlock, 4);
    EXPECT_EQ(fx.state->CurrentAddress, 4 * 256 + 1);
    EXPECT_EQ(fx.control<QLineEdit>("txtData(0)")->text(), QStringLiteral("BB"));
    EXPECT_EQ(editAddress(), QStringLiteral("0x0401"));
}

TEST_F(Editor, DirectModeWritesEachCompleteByte) {
    select(0x30);
    fx.control<QRadioButton>("optMode(1)")->click();
    type(QStringLiteral("4"));
    EXPECT_EQ(fx.control<QLabel>("lblEdit(0)")->text(), QStringLiteral("転写データー 0.5 Byte"));
    type(QStringLiteral("1"));
    EXPECT_EQ(cell(0x30), QStringLiteral("41"));
    EXPECT_TRUE(entry->toPlainText().isEmpty());
    EXPECT_EQ(fx.state->CurrentAddress, 0x31);
}

TEST_F(Editor, ClickSetAppendsTheCellAndInDirectModeWritesBeforeMoving) {
    fx.state->Image.set(0x05, u"3A");
    fx.state->Image.set(0x06, u"00");
    showBlock(1);
    select(0x07);  // redraws block 0
    click("chkEdit(1)");
    click("chkEdit(0)");  // keep the selection where it is
    clickCell(5);
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("3A"));
    fx.control<QRadioButton>("optMode(1)")->click();  // empties the box
    clickCell(5);  // 3A goes to the previous selection, 0x05, which then is selected again
    EXPECT_EQ(cell(0x05), QStringLiteral("3A"));
    clickCell(6);
    EXPECT_EQ(cell(0x05), QStringLiteral("00"));
    EXPECT_EQ(fx.state->CurrentAddress, 0x06);
}

TEST_F(Editor, AllDataFillsToTheEndAfterASecondPress) {
    selectDevice(k24C04);
    const QString below = cell(0x100);
    const QString armedCell = cell(0x102);
    select(0x101);
    type(QStringLiteral("55AA"));
    fx.control<QRadioButton>("optMode(2)")->click();
    click("cmdEdit(0)");
    EXPECT_TRUE(fx.state->AllDataArmed);
    EXPECT_EQ(fx.control<QPushButton>("cmdEdit(0)")->text(), QStringLiteral("開始"));
    EXPECT_EQ(fx.control<QLabel>("lblMessage")->text(),
              QStringLiteral("【開始】を押すと全領域に転写"));
    EXPECT_FALSE(fx.control<QLineEdit>("txtData(0)")->isEnabled());
    EXPECT_FALSE(fx.control<QPushButton>("cmdComm(1)")->isEnabled());
    EXPECT_EQ(cell(0x102), armedCell);      // nothing written yet
    ASSERT_EQ(fx.dialogs.shown.size(), 1);  // the sample ticks 警告表示
    EXPECT_EQ(fx.dialogs.shown[0].title, QStringLiteral("ALL DATA変更処理"));
    EXPECT_TRUE(fx.dialogs.shown[0].text.contains(QStringLiteral("中止：【取消】 \u3000変更開始")));

    click("cmdEdit(0)");
    EXPECT_FALSE(fx.state->AllDataArmed);
    EXPECT_EQ(cell(0x100), below);
    EXPECT_EQ(cell(0x101) + cell(0x102) + cell(0x1FF), QStringLiteral("55AA55"));
    EXPECT_FALSE(fx.state->EditMarks[0x150]);
    EXPECT_TRUE(fx.control<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_TRUE(fx.control<QLineEdit>("txtData(0)")->isEnabled());
    EXPECT_EQ(fx.control<QPushButton>("cmdEdit(0)")->text(), QStringLiteral("転写"));
    EXPECT_EQ(fx.dialogs.shown.last().title, QStringLiteral("ALL DATA変更完了"));
    EXPECT_EQ(fx.dialogs.shown.last().text,
              QStringLiteral("ALL DATA変更処理を完了しました\r\nデーターの修正が可能です。\r\n"
                             "【ALL DATA】チェックボックスは、解除しました。"));
}

TEST_F(Editor, AllDataFromZeroEndsOnBlockZeroAndCancelWritesNothing) {
    selectDevice(k24C04);
    select(0x150);
    type(QStringLiteral("00"));
    fx.control<QRadioButton>("optMode(2)")->click();
    click("chkEdit(3)");
    click("cmdEdit(0)");
    EXPECT_EQ(fx.state->CurrentAddress, 0);
    click("cmdEdit(1)");
    EXPECT_FALSE(fx.state->AllDataArmed);
    EXPECT_NE(cell(0x150), QStringLiteral("00"));
    EXPECT_EQ(fx.dialogs.shown.last().title, QStringLiteral("ALL DATA変更中止"));

    fx.control<QRadioButton>("optMode(2)")->click();
    click("cmdEdit(0)");
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0) + cell(0x1FF), QStringLiteral("0000"));
    EXPECT_EQ(fx.state->CurrentBlock, 0);
}

TEST_F(Editor, MultiLayoutAndTheReverseTransfer) {
    click("cmdLineChange");
    EXPECT_EQ(fx.control<QPushButton>("cmdLineChange")->text(), QStringLiteral("Single"));
    EXPECT_FALSE(fx.control<QWidget>("fraComm")->isVisible());
    EXPECT_TRUE(fx.control<QWidget>("cmdEditReverse")->isVisible());
    EXPECT_EQ(fx.control<QLabel>("lblMessage")->text(),
              QStringLiteral("【Single】を押すと元に戻ります。"));

    select(0x100);
    click("cmdEditReverse");
    EXPECT_EQ(entry->toPlainText().size(), 512);
    EXPECT_EQ(fx.control<QLabel>("lblEdit(0)")->text(), QStringLiteral("転写データー 256.0 Byte"));
    QString block;
    for (int a = 0x100; a < 0x200; ++a) block += cell(a);
    EXPECT_EQ(entry->toPlainText(), block);
    click("chkEdit(0)");
    fx.state->Image.set(0x180, u"00");
    click("cmdEdit(0)");
    EXPECT_EQ(cell(0x180), block.mid(0x80 * 2, 2));  // written back as it was copied

    click("cmdLineChange");
    EXPECT_TRUE(entry->toPlainText().isEmpty());
    EXPECT_TRUE(fx.control<QWidget>("fraComm")->isVisible());
    type(QString(33, u'1'));
    EXPECT_EQ(entry->toPlainText().size(), 32);
}

// Ctrl+Z and Ctrl+Y in the grid take a transfer back and do it again, showing its block; in the
// entry box Ctrl+Z stays the box's own.
TEST_F(Editor, UndoAndRedoKeysTakeATransferBackAndDoItAgain) {
    select(0x1FF);
    const QString before = cell(0x1FF);
    type(QStringLiteral("A1B2"));
    click("cmdEdit(0)");
    ASSERT_EQ(cell(0x200), QStringLiteral("B2"));
    showBlock(5);
    fx.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fx.window.get()));
    auto* grid = fx.control<QLineEdit>("txtData(0)");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(0x1FF), before);
    EXPECT_EQ(fx.control<QLineEdit>("txtBlock")->text(), QStringLiteral("1"));
    EXPECT_EQ(fx.control<QLineEdit>("txtData(255)")->text(), before);
    QTest::keyClick(grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(0x1FF), QStringLiteral("A1"));

    type(QStringLiteral("C3"));
    QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(0x1FF), QStringLiteral("A1"));
}
