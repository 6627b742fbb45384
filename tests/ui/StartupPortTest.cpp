// Start-up and shut-down with the real serial port layer on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>

#include "ProgramFolder.h"
#include "Pty.h"
#include "QtSerialPort.h"

TEST(StartupPort, LinkedPortOpensWithItsNumberInTheFrameAndClosesAtShutdown) {
    Pty board;
    ASSERT_TRUE(board.ok());
    ProgramFolder folder;
    ASSERT_TRUE(QFile::link(board.slavePath(), folder.path("設定/COM1")));
    ProgramState state;
    ScriptedDialogs dialogs;
    QtSerialPort port(folder.path("設定/"));
    FrmBase window(state, dialogs, port, folder.path());
    window.Form_Load();
    window.show();

    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(window.findChild<QGroupBox*>("fraComm")->title(),
              QStringLiteral("デバイス通信 COM 1"));
    window.close();
    EXPECT_FALSE(port.isOpen());
}

TEST(StartupPort, UnlinkedMissingPortIsToldAndStartupFinishes) {
    ProgramFolder folder;
    folder.writeSetting("comm.txt", {"250", "9600"});
    ProgramState state;
    ScriptedDialogs dialogs;
    QtSerialPort port(folder.path("設定/"));
    FrmBase window(state, dialogs, port, folder.path());
    window.Form_Load();

    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(
        dialogs.shown[0].text,
        QStringLiteral("通信ポートをオープンできませんでした。\r\n通信条件を確認してください。"));
    // Behind the details button: the device port 250 led to and how to pick the board instead.
    EXPECT_TRUE(dialogs.shown[0].detail.contains(QStringLiteral("/dev/ttyS249")));
    EXPECT_TRUE(dialogs.shown[0].detail.contains(QStringLiteral("通信設定")));
    EXPECT_EQ(window.findChild<QGroupBox*>("fraComm")->title(),
              QStringLiteral("デバイス通信 ポートエラー"));
    EXPECT_TRUE(state.SetupDone);
}
