// The colour window on the sample settings: picking, the table in memory, and color.txt.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "Colours.h"
#include "ControlNames.h"
#include "FrmColorSetup.h"
#include "ProgramFolder.h"

namespace {

// Entries the window does not show, with a system colour among them, must come back unchanged.
const QStringList kHiddenEntries{"65280", "1", "-2147483633", "16777215", "4210752", "7"};

class ColorSetup : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < kHiddenEntries.size(); ++i) {
            folder.replaceSettingLine("color.txt", 14 + i, kHiddenEntries[i]);
        }
        fileBefore = folder.settingLines("color.txt");
        fx.start();
        window = std::make_unique<FrmColorSetup>(*fx.state, dialogs, fx.window.get());
        window->Form_Load();
        window->show();
    }

    QLabel* object(int i) const { return control<QLabel>(*window, indexedName("lblObject", i)); }
    QLabel* sample(int i) const { return control<QLabel>(*window, indexedName("lblSample", i)); }
    QRadioButton* option(int i) const {
        return control<QRadioButton>(*window, indexedName("optObject", i));
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void pick(int entry, int swatch) {
        click(object(entry));
        click(sample(swatch));
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    ScriptedDialogs dialogs;
    std::unique_ptr<FrmColorSetup> window;
    QStringList fileBefore;
};

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

}  // namespace

TEST_F(ColorSetup, CaptionsAreTheProgramsOwn) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("色設定"));
    EXPECT_EQ(control<QGroupBox>(*window, "fraObject")->title(), QStringLiteral("オブジェクト"));
    EXPECT_EQ(control<QGroupBox>(*window, "fraPalette")->title(), QStringLiteral("パレット"));
    EXPECT_EQ(control<QLabel>(*window, indexedName("lblMidashi", 0))->text(),
              QStringLiteral("アクティブ時"));
    EXPECT_EQ(control<QLabel>(*window, indexedName("lblMidashi", 1))->text(),
              QStringLiteral("通常(非選択)時"));
    const QStringList pairs{"セル",     "カーソル",         "データー",    "アドレス",
                            "入力文字", "入力　　ボックス", "セレクト文字"};
    for (int i = 0; i < FrmColorSetup::ObjectCount; ++i) {
        EXPECT_EQ(option(i)->text(), pairs[i / 2]) << i;
    }
    EXPECT_TRUE(control<QPlainTextEdit>(*window, "txtComment")->isReadOnly());
    EXPECT_EQ(control<QPlainTextEdit>(*window, "txtComment")->toPlainText(),
              QStringLiteral("色設定を保存した場合は        \n"
                             "  本ソフトウエアを再起動してください。\n"));
    EXPECT_EQ(control<QPushButton>(*window, "cmdSave")->text(), QStringLiteral("保存"));
    EXPECT_EQ(control<QPushButton>(*window, "cmdEnd")->text(), QStringLiteral("終了"));
}

TEST_F(ColorSetup, ActiveColoursOnTheLeftAndSwatchesInColumnsOfSix) {
    for (int i = 2; i < FrmColorSetup::ObjectCount; i += 2) {
        EXPECT_LT(option(i)->x(), option(i + 1)->x()) << i;
        EXPECT_EQ(option(i)->y(), option(i + 1)->y()) << i;
        EXPECT_GT(option(i)->y(), option(i - 2)->y()) << i;
    }
    for (int i = 7; i < FrmColorSetup::SampleCount; ++i) {
        if (i % 6 == 0) continue;
        const QLabel* swatch = sample(i);
        EXPECT_EQ(swatch->x(), sample(i - 1)->x()) << i;
        EXPECT_GT(swatch->x(), sample(i - 6)->x()) << i;
        EXPECT_EQ(swatch->y(), sample(i - 6)->y()) << i;
        EXPECT_GT(swatch->y(), sample(i - 1)->y()) << i;
    }
    // Light to dark down each column; the colour values are blue-green-red.
    EXPECT_EQ(backColour(sample(0)), QColor(255, 255, 255));
    EXPECT_EQ(backColour(sample(5)), QColor(0, 0, 0));
    EXPECT_EQ(backColour(sample(8)), kRed);
    EXPECT_EQ(backColour(sample(14)), QColor(255, 0x80, 0));
    EXPECT_EQ(backColour(sample(17)), QColor(0x80, 0x40, 0x40));
    EXPECT_EQ(backColour(sample(26)), QColor(0, 255, 0));
    EXPECT_EQ(backColour(sample(38)), kBlue);
    EXPECT_EQ(backColour(sample(47)), QColor(0x40, 0, 0x40));
}

TEST_F(ColorSetup, SwatchWithNoObjectSelectedGoesToEntryZero) {
    EXPECT_EQ(backColour(object(0)), QColor(0xFF, 0xFF, 0xC0));  // 12648447 as read
    EXPECT_EQ(backColour(object(6)), kBlue);                     // 16711680
    const auto before = fx.state->ColorTable;
    click(sample(8));
    EXPECT_EQ(fx.state->ColorTable[0], 0x0000FF);
    EXPECT_EQ(backColour(object(0)), kRed);
    for (int i = 1; i < 21; ++i) EXPECT_EQ(fx.state->ColorTable[i], before[i]) << i;
}

TEST_F(ColorSetup, ColourBoxSelectsItsObjectForTheNextSwatch) {
    click(object(7));
    EXPECT_TRUE(option(7)->isChecked());
    click(sample(38));
    EXPECT_EQ(fx.state->ColorTable[7], 0xFF0000);
    EXPECT_EQ(backColour(object(7)), kBlue);
    EXPECT_EQ(fx.state->ColorTable[0], 12648447);

    // The option itself works the same, and the last swatch picked wins.
    option(12)->click();
    EXPECT_FALSE(option(7)->isChecked());
    click(sample(8));
    click(sample(5));
    EXPECT_EQ(fx.state->ColorTable[12], 0);
    EXPECT_EQ(fx.state->ColorTable[7], 0xFF0000);

    // Only a left click picks.
    QTest::mouseClick(sample(8), Qt::RightButton);
    EXPECT_EQ(fx.state->ColorTable[12], 0);
}

TEST_F(ColorSetup, EndKeepsThePicksInMemoryButTheNextStartUsesTheFile) {
    pick(1, 8);
    control<QPushButton>(*window, "cmdEnd")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(fx.state->ColorTable[1], 0x0000FF);
    EXPECT_EQ(folder.settingLines("color.txt"), fileBefore);

    MainWindowFixture restarted(folder);
    restarted.start();
    EXPECT_EQ(restarted.state->ColorTable[1], 16777215);
}

TEST_F(ColorSetup, SaveWritesTwentyLinesTheSameEachTimeAndStaysOpen) {
    pick(2, 38);
    pick(13, 8);
    control<QPushButton>(*window, "cmdSave")->click();
    QStringList expected = fileBefore.mid(0, 20);
    expected[2] = QStringLiteral("16711680");
    expected[13] = QStringLiteral("255");
    const QStringList written = folder.settingLines("color.txt");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.mid(14), kHiddenEntries);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(fx.state->CurrentStep, QStringLiteral("color.txtの書き込み処理"));

    control<QPushButton>(*window, "cmdSave")->click();
    EXPECT_EQ(folder.settingLines("color.txt"), expected);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    MainWindowFixture restarted(folder);
    restarted.start();
    EXPECT_EQ(restarted.state->ColorTable[2], 0xFF0000);
    EXPECT_EQ(restarted.state->ColorTable[16], static_cast<int32_t>(0x8000000Fu));
}

TEST_F(ColorSetup, FailedSaveIsReportedAndRetriedWithTheWindowStillOpen) {
    pick(3, 8);
    const QString settings = fx.state->SettingsFolder;
    fx.state->SettingsFolder = folder.path(QStringLiteral("消えた/"));

    dialogs.answers = {Answer::Cancel};
    control<QPushButton>(*window, "cmdSave")->click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(
        QStringLiteral("color.txtの書き込み処理に失敗しました\r\n")))
        << dialogs.shown[0].text.toStdString();
    EXPECT_GT(dialogs.shown[0].text.size(),
              QStringLiteral("color.txtの書き込み処理に失敗しました\r\n").size());
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("frmColorSetup.cmdSave"));
    EXPECT_TRUE(dialogs.shown[0].retryCancel);
    EXPECT_EQ(fx.state->ErrorAnswer, QStringLiteral("2"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(folder.settingLines("color.txt"), fileBefore);

    // The folder comes back while the box is up; Retry writes the file.
    dialogs.answers = {Answer::Retry};
    dialogs.whileAsking = [&] { fx.state->SettingsFolder = settings; };
    control<QPushButton>(*window, "cmdSave")->click();
    EXPECT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(fx.state->ErrorAnswer, QStringLiteral("4"));
    EXPECT_EQ(folder.settingLines("color.txt")[3], QStringLiteral("255"));
    EXPECT_TRUE(window->isVisible());
}
