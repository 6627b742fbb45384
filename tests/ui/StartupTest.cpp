// Start-up on the sample settings and on settings that change what start-up puts on screen.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "Colours.h"
#include "ProgramFolder.h"

namespace {

QStringList flagLines(std::array<int, 6> first, const QString& fileName) {
    QStringList lines;
    for (int value : first) lines << QString::number(value);
    while (lines.size() < 19) lines << QStringLiteral("7");
    return lines << fileName;
}

}  // namespace

TEST(Startup, SampleSettingsBringTheWholeWindowUp) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    const ProgramState& s = *fx.state;

    EXPECT_TRUE(fx.dialogs.shown.isEmpty()) << fx.dialogs.shown.value(0).text.toStdString();
    EXPECT_TRUE(s.SetupDone);
    EXPECT_EQ(s.AppFolder, folder.path());
    EXPECT_EQ(s.DataFolder, folder.path("データー/"));
    EXPECT_EQ(s.SettingsFolder, folder.path("設定/"));
    EXPECT_EQ(s.CodeFolder, folder.path("データー/code/"));
    EXPECT_EQ(fx.window->windowTitle(),
              QStringLiteral("Tavelin  Ver.2.02 【Device: 24C256 / File: sample.txt】"));
    EXPECT_EQ(fx.control<QGroupBox>("fraDevice")->title(), QStringLiteral("デバイス選択：8(11)"));
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->count(), 11);
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->currentIndex(), 7);
    EXPECT_EQ(fx.control<QLabel>("lblDevice(0)")->text(),
              QStringLiteral("Size=32768byt Page=64byt"));
    EXPECT_EQ(fx.control<QGroupBox>("fraBlock")->title(), QStringLiteral("ブロック選択(0 ～ 127)"));
    EXPECT_EQ(fx.control<QLineEdit>("txtBlock")->text(), QStringLiteral("0"));
    EXPECT_EQ(fx.control<QLabel>("lblYokoAddress(10)")->text(), QStringLiteral("A"));
    EXPECT_EQ(fx.control<QLabel>("lblTateAddress(1)")->text(), QStringLiteral("0x001"));
    EXPECT_EQ(fx.control<QLineEdit>("txtEditAddress")->text(), QStringLiteral("0x0000"));
    EXPECT_EQ(fx.control<QRadioButton>("optEdit(1)")->text(), QStringLiteral("ASCII"));
    EXPECT_EQ(fx.control<QListWidget>("flbFileList")->count(), 1);
    EXPECT_EQ(fx.control<QPushButton>("cmdFileOperation(0)")->text(), QStringLiteral("開く"));

    // The remembered data file is loaded and shown.
    EXPECT_EQ(fx.control<QLabel>("lblMessage")->text(), QStringLiteral("sample.txt Open OK "));
    EXPECT_EQ(fx.control<QLineEdit>("txtData(0)")->text(), s.Image.at(0));
    EXPECT_FALSE(s.Image.isEmpty(0x1FFFF));

    // Replies go to the writer link; the port is configured from comm.txt, opened and reset.
    EXPECT_EQ(fx.port.calls,
              (QStringList{"setReceiveHandler", "setPortLostHandler", "setSpeed 115200",
                           "setPortNumber 1", "open", "resetFirst", "resetSecond"}));
    EXPECT_EQ(fx.control<QGroupBox>("fraComm")->title(), QStringLiteral("デバイス通信 COM 1"));
}

TEST(Startup, RememberedOptionsArePutOnScreenThroughTheirHandlers) {
    ProgramFolder folder;
    folder.writeSetting("flag.txt", flagLines({-5, 1, 2, 1, 0, 1}, "sample.txt"));
    MainWindowFixture fx(folder);
    fx.start();
    const ProgramState& s = *fx.state;

    EXPECT_TRUE(fx.control<QRadioButton>("optEdit(1)")->isChecked());
    EXPECT_TRUE(fx.control<QRadioButton>("optComm(2)")->isChecked());
    EXPECT_TRUE(fx.control<QCheckBox>("chkCaution(0)")->isChecked());
    EXPECT_FALSE(fx.control<QCheckBox>("chkCaution(1)")->isChecked());
    EXPECT_TRUE(fx.control<QRadioButton>("optCursor(1)")->isChecked());
    EXPECT_TRUE(fx.control<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_EQ(s.FlagTable[0], -5);
    EXPECT_EQ(s.FlagTable[18], 7);
    // Text display: cell 0 shows the character table's entry for its byte.
    EXPECT_EQ(fx.control<QLineEdit>("txtData(0)")->text(),
              s.CodeTable[s.Image.at(0).toUInt(nullptr, 16)]);

    // Captions follow the selection colour rule.
    const QColor selected = toQColor(s.ColorTable[12]);
    const QColor normal = toQColor(s.ColorTable[13]);
    ASSERT_NE(selected, normal);
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optCursor(1)")), selected);
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optCursor(0)")), normal);
    EXPECT_EQ(textColour(fx.control<QCheckBox>("chkChange")), selected);
    EXPECT_EQ(textColour(fx.control<QCheckBox>("chkEdit(1)")), normal);
    EXPECT_EQ(textColour(fx.control<QRadioButton>("optMode(0)")), selected);
    EXPECT_EQ(textColour(fx.control<QLabel>("lblTateAddress(3)")), toQColor(s.ColorTable[7]));
}

TEST(Startup, CursorStyleOutsideTheOptionsKeepsTheDesignChoice) {
    ProgramFolder folder;
    folder.writeSetting("flag.txt", flagLines({0, 0, 0, 0, 0, 7}, "sample.txt"));
    MainWindowFixture fx(folder);
    fx.start();
    EXPECT_TRUE(fx.state->SetupDone);
    EXPECT_TRUE(fx.control<QRadioButton>("optCursor(0)")->isChecked());
    EXPECT_EQ(fx.state->FlagTable[5], 7);
}

TEST(Startup, FileTypeFollowsTheRememberedName) {
    ProgramFolder folder;
    folder.writeSetting("flag.txt", flagLines({0, 0, 0, 0, 0, 0}, "DATA.TXT"));
    folder.writeData("DATA.TXT", QStringList(8192, QString(32, u'A')));
    MainWindowFixture fx(folder);
    fx.start();
    EXPECT_TRUE(fx.control<QRadioButton>("optFileType(0)")->isChecked());
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("Original Text Format"));
    EXPECT_EQ(fx.state->Image.at(0x1FFFF), QStringLiteral("AA"));

    ProgramFolder binary;
    binary.writeSetting("flag.txt", flagLines({0, 0, 0, 0, 0, 0}, "image.bin"));
    MainWindowFixture fxBinary(binary);
    fxBinary.start();
    EXPECT_TRUE(fxBinary.control<QRadioButton>("optFileType(2)")->isChecked());
    EXPECT_EQ(fxBinary.state->FileTypeName, QStringLiteral("Binary Format"));
}

TEST(Startup, MissingFileNameIsReportedByTheOpenAndStartupGoesOn) {
    ProgramFolder folder;
    QStringList lines = flagLines({0, 0, 0, 0, 0, 0}, QString());
    lines.removeLast();
    folder.writeSetting("flag.txt", lines);
    MainWindowFixture fx(folder);
    fx.start();
    ASSERT_TRUE(fx.showedOnly(QStringLiteral("ファイル操作エラー"),
                              QStringLiteral("ファイル名が空白です。")));
    // The load stays announced on the left button only; the right one still offers a save.
    EXPECT_EQ(fx.control<QPushButton>("cmdFileOperation(0)")->text(), QStringLiteral("開始"));
    EXPECT_EQ(fx.control<QPushButton>("cmdFileOperation(1)")->text(), QStringLiteral("保存"));
    fx.control<QLineEdit>("txtFileName")->setText(QStringLiteral("image.txt"));
    fx.control<QPushButton>("cmdFileOperation(1)")->click();
    EXPECT_EQ(fx.control<QPushButton>("cmdFileOperation(0)")->text(), QStringLiteral("取消"));
    EXPECT_EQ(fx.control<QPushButton>("cmdFileOperation(1)")->text(), QStringLiteral("開始"));
    EXPECT_TRUE(fx.state->SetupDone);
    EXPECT_TRUE(fx.state->Image.isEmpty(0));
    EXPECT_EQ(fx.control<QLineEdit>("txtData(0)")->text(), QString());
}

TEST(Startup, RememberedFileThatIsAFifoIsRefusedByNameAndStartupGoesOn) {
    ProgramFolder folder;
    folder.writeSetting("flag.txt", flagLines({0, 0, 0, 0, 0, 0}, "pipe"));
    makeFifo(folder.path(QStringLiteral("データー/pipe")));
    MainWindowFixture fx(folder);
    fx.start();
    ASSERT_TRUE(fx.showedOnly(
        QStringLiteral("cmdFileOperation_Click"),
        QStringLiteral("pipeのオープンに失敗しました\r\n通常のファイルではありません。")));
    EXPECT_TRUE(fx.dialogs.shown[0].text.endsWith(QStringLiteral("/pipe)")));
    EXPECT_TRUE(fx.state->SetupDone);
}

TEST(Startup, DeviceFileWithAPartialRecordListsItButCountsWholeOnes) {
    ProgramFolder folder;
    const QStringList catalogue = folder.settingLines("device.txt");
    folder.writeSetting("device.txt", catalogue.mid(0, 20));
    folder.writeSetting("custom.txt", {"ASCII", "1"});
    MainWindowFixture fx(folder);
    fx.start();
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->count(), 3);
    EXPECT_EQ(fx.control<QGroupBox>("fraDevice")->title(), QStringLiteral("デバイス選択：2(2)"));
    EXPECT_TRUE(fx.state->SetupDone);
}

TEST(Startup, PortThatDoesNotOpenIsToldAndStartupGoesOn) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.port.openResult = false;
    fx.start();
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_EQ(
        fx.dialogs.shown[0].text,
        QStringLiteral("通信ポートをオープンできませんでした。\r\n通信条件を確認してください。"));
    EXPECT_EQ(fx.dialogs.shown[0].title, QStringLiteral("Tavelin"));
    EXPECT_FALSE(fx.dialogs.shown[0].retryCancel);
    auto* fraComm = fx.control<QGroupBox>("fraComm");
    EXPECT_EQ(fraComm->title(), QStringLiteral("デバイス通信 ポートエラー"));
    EXPECT_EQ(textColour(fraComm), QColor(255, 0, 0));
    EXPECT_EQ(fx.port.calls.mid(4), (QStringList{"open", "resetFirst", "resetSecond"}));
    EXPECT_TRUE(fx.state->SetupDone);
}

TEST(Startup, DeviceListActsOnceStartupHasFinished) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    fx.control<QComboBox>("cmbDevice")->setCurrentIndex(1);
    EXPECT_EQ(fx.state->DeviceIndex, 1);
    EXPECT_EQ(fx.state->DeviceName, QStringLiteral("24C04"));
    EXPECT_EQ(folder.settingLines("custom.txt"), (QStringList{"ASCII", "1"}));
    EXPECT_EQ(fx.window->windowTitle(),
              QStringLiteral("Tavelin  Ver.2.02 【Device: 24C04 / File: sample.txt】"));
}
