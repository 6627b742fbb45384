// The block view: address texts by device size, block selection, cursor styles, display modes.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "Colours.h"
#include "ProgramFolder.h"

namespace {

using namespace SampleDevice;

class BlockView : public ::testing::Test {
protected:
    void SetUp() override {
        // Colours the assertions can tell apart (the sample gives cells and cleared lines one).
        QStringList colours = folder.settingLines("color.txt");
        const char* distinct[] = {"255",   "65280", "16711680", "65535",
                                  nullptr, nullptr, "8421376",  "32896"};
        for (int i = 0; i < 8; ++i) {
            if (distinct[i] != nullptr) colours[i] = QString::fromLatin1(distinct[i]);
        }
        folder.writeSetting("color.txt", colours);
        fx.start();
    }

    void selectDevice(int index) { fx.selectDevice(index); }
    void showBlock(const QString& text) { fx.control<QLineEdit>("txtBlock")->setText(text); }
    QString label(const QString& name) const { return fx.control<QLabel>(name)->text(); }
    QString rowLabel(int row) const { return label(QStringLiteral("lblTateAddress(%1)").arg(row)); }
    QLineEdit* cell(int i) const {
        return fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(i));
    }
    QColor background(int i) const { return backColour(cell(i)); }
    QColor colour(int entry) const { return toQColor(fx.state->ColorTable[entry]); }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
};

}  // namespace

TEST_F(BlockView, AddressTextsFollowTheDeviceSize) {
    selectDevice(k24C02);
    EXPECT_EQ(fx.control<QGroupBox>("fraBlock")->title(), QStringLiteral("ブロック選択(0 ～ 0)"));
    EXPECT_EQ(label("lblBlockAddress"), QStringLiteral("0x0000 ～ 0x00FF"));
    EXPECT_EQ(rowLabel(0), QStringLiteral("0x000"));
    EXPECT_EQ(rowLabel(15), QStringLiteral("0x00F"));

    selectDevice(k24C512);
    showBlock(QStringLiteral("255"));
    EXPECT_EQ(label("lblBlockAddress"), QStringLiteral("0xFF00 ～ 0xFFFF"));
    EXPECT_EQ(rowLabel(15), QStringLiteral("0xFFF"));

    selectDevice(k24C1024);
    EXPECT_EQ(label("lblBlockAddress"), QStringLiteral("0x0FF00 ～ 0x0FFFF"));
    EXPECT_EQ(rowLabel(0), QStringLiteral("0x0FF0"));
    showBlock(QStringLiteral("256"));
    EXPECT_EQ(label("lblBlockAddress"), QStringLiteral("0x10000 ～ 0x100FF"));
    EXPECT_EQ(rowLabel(15), QStringLiteral("0x100F"));
    EXPECT_EQ(fx.control<QScrollBar>("hscBlock")->maximum(), 511);
}

TEST_F(BlockView, BlockBoxAndScrollBarAgree) {
    showBlock(QStringLiteral("7"));
    EXPECT_EQ(fx.control<QScrollBar>("hscBlock")->value(), 7);
    EXPECT_EQ(fx.state->CurrentBlock, 7);
    EXPECT_EQ(fx.state->CurrentAddress, 7 * 256 + fx.state->CurrentCell);
    showBlock(QString());  // empty selects block 0
    EXPECT_EQ(fx.state->CurrentBlock, 0);
    fx.control<QScrollBar>("hscBlock")->setValue(9);
    EXPECT_EQ(fx.control<QLineEdit>("txtBlock")->text(), QStringLiteral("9"));
    EXPECT_EQ(cell(3)->text(), fx.state->Image.at(9 * 256 + 3));
}

TEST_F(BlockView, SelectionKeepsItsPlaceAcrossBlocks) {
    QTest::mouseClick(cell(0x5A), Qt::LeftButton);
    EXPECT_EQ(fx.control<QLineEdit>("txtEditAddress")->text(), QStringLiteral("0x005A"));
    showBlock(QStringLiteral("18"));
    EXPECT_EQ(fx.control<QLineEdit>("txtEditAddress")->text(), QStringLiteral("0x125A"));
    EXPECT_EQ(fx.state->CurrentAddress, 0x125A);
    EXPECT_EQ(textColour(fx.control<QLabel>("lblTateAddress(5)")), colour(6));
    EXPECT_EQ(textColour(fx.control<QLabel>("lblYokoAddress(10)")), colour(6));
    EXPECT_EQ(textColour(fx.control<QLabel>("lblYokoAddress(9)")), colour(7));
}

TEST_F(BlockView, CursorStylesPaintTheirCells) {
    fx.control<QRadioButton>("optCursor(1)")->click();  // 」字
    QTest::mouseClick(cell(0), Qt::LeftButton);
    EXPECT_EQ(background(0), colour(0));
    EXPECT_EQ(background(1), colour(3));
    EXPECT_EQ(background(16), colour(3));

    QTest::mouseClick(cell(255), Qt::LeftButton);
    EXPECT_EQ(background(255), colour(0));
    EXPECT_EQ(background(15), colour(2));   // the whole last column
    EXPECT_EQ(background(240), colour(2));  // and the whole last row
    EXPECT_EQ(background(14), colour(3));   // the old cursor's row is cleared, not redrawn
    EXPECT_EQ(background(0x11), colour(1));

    fx.control<QRadioButton>("optCursor(2)")->click();  // 十字
    EXPECT_EQ(fx.state->FlagTable[5], 2);
    QTest::mouseClick(cell(0x34), Qt::LeftButton);
    EXPECT_EQ(background(0x3F), colour(2));
    EXPECT_EQ(background(0xF4), colour(2));

    fx.control<QRadioButton>("optCursor(0)")
        ->click();  // 1セル: the cross is cleared, not repainted
    EXPECT_EQ(background(0x3F), colour(3));
    EXPECT_EQ(background(0x34), colour(0));
}

TEST_F(BlockView, TextDisplayShowsTheCharacterTable) {
    fx.state->Image.set(0x00, u"41");
    fx.state->Image.set(0x01, u"07");
    fx.state->CodeTable[7] = QString();
    fx.control<QLineEdit>("txtEditAddress")->clear();
    fx.control<QRadioButton>("optEdit(0)")->setEnabled(true);
    fx.control<QRadioButton>("optEdit(1)")->setEnabled(true);
    fx.control<QRadioButton>("optEdit(1)")->click();
    EXPECT_EQ(fx.state->FlagTable[1], 1);
    EXPECT_EQ(cell(0)->text(), QStringLiteral("A"));
    EXPECT_EQ(cell(1)->text(), QString());  // an empty table entry shows an empty cell
    fx.control<QRadioButton>("optEdit(0)")->click();
    EXPECT_EQ(cell(1)->text(), QStringLiteral("07"));
}

TEST_F(BlockView, ImageAboveTheDeviceKeepsItsValuesAcrossDevices) {
    fx.state->Image.set(0x8000, u"5A");
    selectDevice(k24C02);
    selectDevice(k24C1024);
    showBlock(QStringLiteral("128"));
    EXPECT_EQ(cell(0)->text(), QStringLiteral("5A"));
}
