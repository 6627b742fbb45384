// The main window's own handlers, its operation states and its controls' names.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "Colours.h"
#include "FrmColorSetup.h"
#include "FrmCommProperty.h"
#include "FrmConfig.h"
#include "ProgramFolder.h"

namespace {

const QColor kInformationBlue(0x00, 0x33, 0xFF);

class WindowHandlers : public ::testing::Test {
protected:
    void SetUp() override { fx.start(); }

    QLabel* message() const { return fx.control<QLabel>("lblMessage"); }
    QPushButton* button(const char* name) const { return fx.control<QPushButton>(name); }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
};

}  // namespace

TEST_F(WindowHandlers, FilePageShowsTheLastTwentySevenCharactersOfTheDataFolder) {
    fx.state->DataFolder = QStringLiteral("/home/user/programs/eepromwriter12/データー/");  // 40
    ASSERT_EQ(fx.state->DataFolder.size(), 40);
    auto* tabs = fx.control<QTabWidget>("sstBase");
    button("cmdFileOperation(1)")->click();  // save announced
    ASSERT_EQ(button("cmdFileOperation(1)")->text(), QStringLiteral("開始"));

    tabs->setCurrentIndex(1);
    EXPECT_EQ(message()->text(), fx.state->DataFolder.right(27));
    EXPECT_EQ(textColour(message()), kInformationBlue);
    EXPECT_EQ(button("cmdFileOperation(0)")->text(), QStringLiteral("開く"));
    EXPECT_EQ(button("cmdFileOperation(1)")->text(), QStringLiteral("保存"));

    setTextColour(message(), 255);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(message()->text(), QString());
    EXPECT_EQ(textColour(message()), QColor(255, 0, 0));  // Base empties the line, colour stays

    fx.state->DataFolder = QString(27, u'x');
    tabs->setCurrentIndex(1);
    EXPECT_EQ(message()->text(), QString(27, u'x'));
}

TEST_F(WindowHandlers, ClickOnTheMessageLineEmptiesIt) {
    message()->setText(QStringLiteral("Read Completed"));
    setTextColour(message(), 255);
    QTest::mouseClick(message(), Qt::LeftButton);
    EXPECT_EQ(message()->text(), QString());
    EXPECT_EQ(textColour(message()), kInformationBlue);
}

TEST_F(WindowHandlers, DirectModeEmptiesTheEntryBoxAndModesFollowTheColourRule) {
    auto* entry = fx.control<QPlainTextEdit>("txtSetData");
    entry->setPlainText(QStringLiteral("12"));
    fx.control<QRadioButton>("optMode(2)")->click();
    EXPECT_EQ(entry->toPlainText(), QStringLiteral("12"));
    fx.control<QRadioButton>("optMode(1)")->click();
    EXPECT_EQ(entry->toPlainText(), QString());
    const ProgramState& s = *fx.state;
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optMode(1)")), toQColor(s.ColorTable[12]));
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optMode(0)")), toQColor(s.ColorTable[13]));
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optMode(2)")), toQColor(s.ColorTable[13]));
}

TEST_F(WindowHandlers, WarningBoxesSetTheirFlagAtOnceButFlagFileWaitsForASave) {
    const QStringList flagFile = folder.settingLines("flag.txt");
    auto* commWarning = fx.control<QCheckBox>("chkCaution(1)");
    const bool wasTicked = commWarning->isChecked();
    commWarning->click();
    EXPECT_EQ(fx.state->FlagTable[4], wasTicked ? 0 : 1);
    EXPECT_EQ(textColour(commWarning),
              toQColor(fx.state->ColorTable[commWarning->isChecked() ? 12 : 13]));
    fx.control<QCheckBox>("chkCaution(0)")->click();
    EXPECT_EQ(fx.state->FlagTable[3], fx.control<QCheckBox>("chkCaution(0)")->isChecked() ? 1 : 0);
    EXPECT_EQ(folder.settingLines("flag.txt"), flagFile);
}

TEST_F(WindowHandlers, ResetForgetsTheMarksOfEveryBlockButKeepsTheData) {
    ProgramState& s = *fx.state;
    for (int address : {0, 5, 0x1234, 0x1FFFF}) s.EditMarks[address] = true;
    setTextColour(fx.control<QLineEdit>("txtData(5)"), s.ColorTable[4]);
    const QString before = s.Image.at(0x1234);
    button("cmdReset")->click();
    for (int address : {0, 5, 0x1234, 0x1FFFF}) EXPECT_FALSE(s.EditMarks[address]) << address;
    EXPECT_EQ(s.Image.at(0x1234), before);
    for (int cell : {0, 5, 255}) {
        EXPECT_EQ(textColour(fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(cell))),
                  toQColor(s.ColorTable[5]));
    }
}

TEST_F(WindowHandlers, ArmedAndRunningDisableWhatTheyMustAndIdleRestoresEverything) {
    message()->setText(QStringLiteral("All Read Completed"));
    fx.window->enterArmedState(1);
    EXPECT_TRUE(fx.state->OperationRunning);
    EXPECT_EQ(button("cmdComm(1)")->text(), QStringLiteral("START"));
    EXPECT_EQ(button("cmdComm(3)")->text(), QStringLiteral("CANCEL"));
    EXPECT_TRUE(button("cmdComm(1)")->isEnabled());
    EXPECT_TRUE(button("cmdComm(3)")->isEnabled());
    EXPECT_FALSE(button("cmdComm(0)")->isEnabled());
    EXPECT_FALSE(button("cmdComm(2)")->isEnabled());
    EXPECT_FALSE(fx.control<QGroupBox>("fraEdit")->isEnabled());
    EXPECT_FALSE(fx.control<QTabWidget>("sstBase")->isEnabled());
    EXPECT_FALSE(fx.control<QRadioButton>("optComm(1)")->isEnabled());
    EXPECT_FALSE(fx.control<QCheckBox>("chkCaution(1)")->isEnabled());
    EXPECT_FALSE(fx.control<QLineEdit>("txtData(200)")->isEnabled());

    fx.window->enterRunningState();
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(fx.control<QPushButton>(QStringLiteral("cmdComm(%1)").arg(i))->isEnabled());
    }

    fx.window->subObjectEnable();
    EXPECT_FALSE(fx.state->OperationRunning);
    const char* captions[] = {"WRITE", "READ", "VERIFY", "PROPERTY"};
    for (int i = 0; i < 4; ++i) {
        auto* comm = fx.control<QPushButton>(QStringLiteral("cmdComm(%1)").arg(i));
        EXPECT_TRUE(comm->isEnabled());
        EXPECT_EQ(comm->text(), QString::fromLatin1(captions[i]));
    }
    EXPECT_TRUE(fx.control<QGroupBox>("fraEdit")->isEnabled());
    EXPECT_TRUE(fx.control<QTabWidget>("sstBase")->isEnabled());
    EXPECT_TRUE(fx.control<QCheckBox>("chkCaution(1)")->isEnabled());
    EXPECT_TRUE(fx.control<QLineEdit>("txtData(200)")->isEnabled());
    EXPECT_EQ(message()->text(), QStringLiteral("All Read Completed"));
}

TEST(WindowLayout, EveryControlCarriesItsNameAndCaption) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    const auto caption = [&](const QString& name) -> QString {
        QObject* object = fx.window->findChild<QObject*>(name);
        if (object == nullptr) return QStringLiteral("<missing>");
        if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(object)) return frame->title();
        if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
        return QString();
    };
    const std::pair<const char*, const char*> expected[] = {
        {"fraDevice", "デバイス選択"},
        {"cmdDevice", "コンフィング設定"},
        {"fraBlock", "ブロック選択"},
        {"lblBlock", "ブロック"},
        {"fraDisplay", "表示設定"},
        {"cmdColor", "色設定"},
        {"cmdReset", "リセット"},
        {"optCursor(0)", "1セル"},
        {"optCursor(1)", "」字"},
        {"optCursor(2)", "十字"},
        {"lblDisplay", "カーソル"},
        {"chkChange", "変更"},
        {"cmdFileOperation(0)", "開く"},
        {"cmdFileOperation(1)", "保存"},
        {"optFileType(0)", "Original Text Format"},
        {"optFileType(1)", "HEX Format"},
        {"optFileType(2)", "Binary Format"},
        {"optFileType(3)", "Other Format"},
        {"fraHexRecordType", "HexRecordType"},
        {"optHexRecordType(0)", "Int20bit"},
        {"optHexRecordType(1)", "Int32bit"},
        {"optHexRecordType(2)", "S1 2Byte"},
        {"optHexRecordType(3)", "S2 3Byte"},
        {"optHexRecordType(4)", "S3 4Byte"},
        {"lblLastCount", "EndAddress"},
        {"lblFileErrorList", "HEX コメント行"},
        {"fraEdit", "データー編集"},
        {"lblEdit(0)", "データー入力ボックス"},
        {"lblEdit(1)", "Setアドレス"},
        {"cmdEdit(0)", "転写"},
        {"cmdEdit(1)", "クリア"},
        {"optEdit(0)", "HEX"},
        {"chkEdit(0)", "Autoアドレス"},
        {"chkEdit(1)", "Clickセット"},
        {"chkCaution(0)", "警告表示"},
        {"cmdLineChange", "Multi"},
        {"cmdEditReverse", "逆転写"},
        {"fraMode", "転写モード"},
        {"optMode(0)", "ノーマル"},
        {"optMode(1)", "ダイレクト"},
        {"optMode(2)", "Setアドレス～最後"},
        {"chkEdit(3)", "0x00000"},
        {"fraComm", "デバイス通信"},
        {"cmdComm(0)", "WRITE"},
        {"cmdComm(1)", "READ"},
        {"cmdComm(2)", "VERIFY"},
        {"cmdComm(3)", "PROPERTY"},
        {"optComm(0)", "1ブロック"},
        {"optComm(1)", "全メモリー"},
        {"optComm(2)", "1バイト"},
        {"chkCaution(1)", "警告表示"},
        {"lblMessage", ""},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(caption(QString::fromUtf8(name)), QString::fromUtf8(text)) << name;
    }
    for (const char* name : {"sstBase", "cmbDevice", "hscBlock", "txtBlock", "lblBlockAddress",
                             "flbFileList", "txtFileName", "txtLastCount", "cmbFileErrorList(1)",
                             "txtSetData", "txtEditAddress", "lblDevice(3)", "tmrWait"}) {
        EXPECT_NE(fx.window->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    }
    for (int i = 0; i < 256; ++i) {
        ASSERT_NE(fx.window->findChild<QLineEdit*>(QStringLiteral("txtData(%1)").arg(i)), nullptr);
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_NE(fx.window->findChild<QLabel*>(QStringLiteral("lblTateAddress(%1)").arg(i)),
                  nullptr);
        EXPECT_NE(fx.window->findChild<QLabel*>(QStringLiteral("lblYokoAddress(%1)").arg(i)),
                  nullptr);
    }
    EXPECT_EQ(fx.window->findChild<QObject*>(QStringLiteral("chkEdit(2)")), nullptr);
    auto* tabs = fx.control<QTabWidget>("sstBase");
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Base"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("File"));
    EXPECT_EQ(fx.window->objectName(), QStringLiteral("frmBase"));

    // Design states before start-up.
    for (const char* name :
         {"optFileType(0)", "optHexRecordType(1)", "optCursor(0)", "chkChange", "chkEdit(0)"}) {
        EXPECT_TRUE(fx.window->findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked())
            << name;
    }
    for (const char* name :
         {"optMode(0)", "optEdit(0)", "optComm(0)", "chkCaution(0)", "chkEdit(1)"}) {
        EXPECT_FALSE(fx.window->findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked())
            << name;
    }
}

// Automation finds a control by its name, so no two controls of a window may share one.
TEST(WindowLayout, NoTwoControlsOfAWindowShareAName) {
    const auto repeatedNames = [](const QWidget& window) {
        QStringList names;
        QStringList repeated;
        for (const QObject* child : window.findChildren<QObject*>()) {
            const QString name = child->objectName();
            if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) continue;  // Qt's own
            if (names.contains(name)) repeated << name;
            names << name;
        }
        return repeated;
    };
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    EXPECT_EQ(repeatedNames(*fx.window), QStringList());
    // The other windows are children of the main window, so they are made after its check.
    const FrmConfig config(*fx.state, fx.dialogs, *fx.window);
    const FrmCommProperty comm(*fx.state, fx.dialogs, fx.port, fx.window.get());
    const FrmColorSetup colours(*fx.state, fx.dialogs, fx.window.get());
    for (const QWidget* window : std::initializer_list<const QWidget*>{&config, &comm, &colours}) {
        EXPECT_EQ(repeatedNames(*window), QStringList()) << window->objectName().toStdString();
    }
}

TEST_F(WindowHandlers, BlockBoxTakesDigitsOnlyAndMovesTheView) {
    auto* block = fx.control<QLineEdit>("txtBlock");
    block->selectAll();
    QTest::keyClicks(block, QStringLiteral("1a2"));
    EXPECT_EQ(block->text(), QStringLiteral("12"));
    EXPECT_EQ(fx.state->CurrentBlock, 12);
    EXPECT_EQ(fx.control<QLabel>("lblBlockAddress")->text(), QStringLiteral("0x0C00 ～ 0x0CFF"));
    EXPECT_EQ(fx.control<QLineEdit>("txtData(1)")->text(), fx.state->Image.at(12 * 256 + 1));

    block->setText(QStringLiteral("999"));  // beyond the device: the block on show stays
    EXPECT_EQ(block->text(), QStringLiteral("12"));
    EXPECT_EQ(fx.state->CurrentBlock, 12);
}

TEST(EventFailures, AFailingHandlerIsReportedInItsNameAndTheWindowLivesOn) {
    ProgramFolder folder;
    folder.replaceSettingLine("device.txt", SampleDevice::k24C256 * 9 + 1,
                              "262144");  // larger than the image
    MainWindowFixture fx(folder);
    fx.start();
    ASSERT_TRUE(fx.state->SetupDone);
    fx.state->CurrentStep = QStringLiteral("before");

    fx.control<QLineEdit>("txtBlock")->setText(QStringLiteral("600"));
    ASSERT_FALSE(fx.dialogs.shown.isEmpty());
    EXPECT_EQ(fx.dialogs.shown[0].title, QStringLiteral("hscBlock_Change"));
    EXPECT_TRUE(fx.dialogs.shown[0].text.startsWith(
        QStringLiteral("hscBlock_Changeに失敗しました\r\nインデックスが有効範囲にありません")));
    EXPECT_EQ(fx.state->CurrentStep, QStringLiteral("before"));

    fx.control<QLineEdit>("txtBlock")->setText(QStringLiteral("3"));
    EXPECT_EQ(fx.state->CurrentBlock, 3);
}
