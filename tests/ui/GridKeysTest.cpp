// Keys of the grid: moves, go to address, a range with copy, paste, and find.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "Colours.h"
#include "HexText.h"
#include "ProgramFolder.h"

namespace {

using namespace SampleDevice;

const QColor kRange = toQColor(0xCEEFC6);  // a colour the colour table does not offer

class GridKeys : public ::testing::Test {
protected:
    void SetUp() override {
        fx.start();
        fx.selectDevice(k24C1024);
        fx.state->Image.fill(u"00");
        fx.window->subBlockDisplay();
    }

    QLineEdit* cell(int i) const {
        return fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(i));
    }
    void select(int32_t address) {
        fx.showBlock(address / 256);
        QTest::mouseClick(cell(address % 256), Qt::LeftButton);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(cell(fx.state->CurrentCell), key, modifiers);
    }
    QString editAddress() const { return fx.control<QLineEdit>("txtEditAddress")->text(); }
    int blockBar() const { return fx.control<QScrollBar>("hscBlock")->value(); }
    QString message() const { return fx.control<QLabel>("lblMessage")->text(); }
    QColor background(int i) const { return backColour(cell(i)); }
    QColor colour(int entry) const { return toQColor(fx.state->ColorTable[entry]); }
    template <typename T>
    T* inDialog(const char* dialog, const char* name) const {
        return control<T>(*fx.control<QDialog>(QString::fromLatin1(dialog)),
                          QString::fromLatin1(name));
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
};

}  // namespace

TEST_F(GridKeys, MovesSelectTheCellAsAClickDoes) {
    select(0x00FF);
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int32_t address;
        const char* addressText;
    };
    const Row rows[] = {
        {Qt::Key_Right, Qt::NoModifier, 0x0100, "0x00100"},  // into the next block
        {Qt::Key_Up, Qt::NoModifier, 0x00F0, "0x000F0"},
        {Qt::Key_End, Qt::NoModifier, 0x00FF, "0x000FF"},
        {Qt::Key_PageDown, Qt::KeypadModifier, 0x01FF, "0x001FF"},
        {Qt::Key_Home, Qt::NoModifier, 0x01F0, "0x001F0"},
        {Qt::Key_End, Qt::ControlModifier, 0x1FFFF, "0x1FFFF"},
        {Qt::Key_Right, Qt::NoModifier, 0x1FFFF, "0x1FFFF"},  // nothing past the end
        {Qt::Key_PageUp, Qt::NoModifier, 0x1FEFF, "0x1FEFF"},
        {Qt::Key_Home, Qt::ControlModifier, 0x0000, "0x00000"},
        {Qt::Key_Left, Qt::NoModifier, 0x0000, "0x00000"},  // nor below 0
        {Qt::Key_Down, Qt::NoModifier, 0x0010, "0x00010"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.addressText);
        press(row.key, row.modifiers);
        EXPECT_EQ(fx.state->CurrentAddress, row.address);
        EXPECT_EQ(blockBar(), row.address / 256);
        EXPECT_EQ(editAddress(), QString::fromLatin1(row.addressText));
        EXPECT_EQ(background(row.address % 256), colour(0));
        EXPECT_EQ(textColour(fx.control<QLabel>(
                      QStringLiteral("lblYokoAddress(%1)").arg(row.address % 16))),
                  colour(6));
    }
}

TEST_F(GridKeys, GoToRefusesWhatIsNoAddressOfTheDevice) {
    select(0x0042);
    press(Qt::Key_G, Qt::ControlModifier);
    auto* box = inDialog<QLineEdit>("dlgGoTo", "txtGoToAddress");
    box->setText(QStringLiteral("20000"));
    inDialog<QPushButton>("dlgGoTo", "cmdGoTo")->click();
    EXPECT_TRUE(fx.showedOnly(QStringLiteral("アドレス指定エラー"),
                              QStringLiteral("入力したアドレスはデバイスの範囲外です。")));
    EXPECT_EQ(fx.state->CurrentAddress, 0x0042);
    EXPECT_TRUE(fx.control<QDialog>("dlgGoTo")->isVisible());  // to be corrected

    box->setText(QStringLiteral("1a2B3"));
    inDialog<QPushButton>("dlgGoTo", "cmdGoTo")->click();
    EXPECT_FALSE(fx.control<QDialog>("dlgGoTo")->isVisible());
    EXPECT_EQ(fx.state->CurrentAddress, 0x1A2B3);
    EXPECT_EQ(blockBar(), 0x1A2);
    EXPECT_EQ(editAddress(), QStringLiteral("0x1A2B3"));
}

TEST_F(GridKeys, RangeCrossesBlocksHasItsOwnLookAndIsCopied) {
    for (int a = 0x00FE; a <= 0x0102; ++a) fx.state->Image.set(a, hexByte(a % 256));
    select(0x00FE);
    for (int i = 0; i < 3; ++i) press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(fx.state->CurrentAddress, 0x0101);
    EXPECT_EQ(blockBar(), 1);
    EXPECT_EQ(background(0), kRange);
    EXPECT_EQ(background(1), colour(0));
    EXPECT_EQ(background(2), colour(2));  // the cross cursor's row
    for (int entry = 0; entry < 4; ++entry) EXPECT_NE(kRange, colour(entry));
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("FE FF 00 01"));

    QTest::mouseClick(cell(0x10), Qt::LeftButton);  // a click without Shift ends the range
    EXPECT_NE(background(0), kRange);
    QTest::mouseClick(cell(0x02), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(background(0x0A), kRange);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().size(), 15 * 3 - 1);
}

TEST_F(GridKeys, PasteWritesWithEditMarksOrRefusesWithABox) {
    auto* marks = fx.control<QCheckBox>("chkChange");
    if (!marks->isChecked()) marks->click();
    select(0x0110);
    QApplication::clipboard()->setText(QStringLiteral("0xab cd\r\n12 G4"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(fx.showedOnly(QStringLiteral("貼り付けエラー"),
                              QStringLiteral("貼り付けるデーターの【G】(2行目の4文字目)")));
    EXPECT_EQ(fx.state->Image.at(0x0110), QStringLiteral("00"));

    QApplication::clipboard()->setText(QStringLiteral("0xab cd"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(0x10)->text() + cell(0x11)->text(), QStringLiteral("ABCD"));
    EXPECT_EQ(textColour(cell(0x11)), colour(4));
    EXPECT_EQ(textColour(cell(0x12)), colour(5));
    EXPECT_EQ(message(), QStringLiteral("0x00110 ～ 0x00111 に 2 バイトを貼り付けました。"));
}

TEST_F(GridKeys, FindSelectsTheMatchAndWrapsOnceWithANote) {
    for (const int a : {0x0300, 0x1F000}) {
        fx.state->Image.set(a, u"C3");
        fx.state->Image.set(a + 1, u"A5");
    }
    select(0x0400);
    press(Qt::Key_F, Qt::ControlModifier);
    inDialog<QLineEdit>("dlgFind", "txtFindText")->setText(QStringLiteral("c3 A5"));
    inDialog<QPushButton>("dlgFind", "cmdFindNext")->click();
    EXPECT_EQ(fx.state->CurrentAddress, 0x1F000);
    EXPECT_EQ(blockBar(), 0x1F0);
    EXPECT_EQ(background(1), kRange);  // the match's bytes
    EXPECT_TRUE(message().isEmpty());

    press(Qt::Key_F3);
    EXPECT_EQ(fx.state->CurrentAddress, 0x0300);
    EXPECT_EQ(message(), QStringLiteral("デバイスの最後まで検索したので、先頭から検索しました。"));
    press(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(fx.state->CurrentAddress, 0x1F000);

    inDialog<QLineEdit>("dlgFind", "txtFindText")->setText(QStringLiteral("ZZ"));
    inDialog<QRadioButton>("dlgFind", "optFindText")->click();
    inDialog<QPushButton>("dlgFind", "cmdFindNext")->click();
    EXPECT_EQ(message(), QStringLiteral("検索データーは見つかりませんでした。"));
    EXPECT_EQ(fx.state->CurrentAddress, 0x1F000);
}
