// Start-up and shut-down with the real serial port layer on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>

#include "ProgramFolder.h"
#include "Pty.h"

TEST(StartupPort, LinkedPortOpensWithItsNumberInTheFrameAndClosesAtShutdown) {
    Pty board;
    ASSERT_TRUE(board.ok());
    ProgramFolder folder;
    ASSERT_TRUE(QFile::link(board.slavePath(), folder.path("設定/COM1")));
    RealPortWindowFixture fx(folder);
    fx.start();

    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
    EXPECT_TRUE(fx.port.isOpen());
    EXPECT_EQ(fx.control<QGroupBox>("fraComm")->title(), QStringLiteral("デバイス通信 COM 1"));
    fx.window->close();
    EXPECT_FALSE(fx.port.isOpen());
}

TEST(StartupPort, UnlinkedMissingPortIsToldAndStartupFinishes) {
    ProgramFolder folder;
    folder.writeSetting("comm.txt", {"250", "9600"});
    RealPortWindowFixture fx(folder);
    fx.start();

    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_EQ(
        fx.dialogs.shown[0].text,
        QStringLiteral("通信ポートをオープンできませんでした。\r\n通信条件を確認してください。"));
    // Behind the details button: the device port 250 led to and how to pick the board instead.
    EXPECT_TRUE(fx.dialogs.shown[0].detail.contains(QStringLiteral("/dev/ttyS249")));
    EXPECT_TRUE(fx.dialogs.shown[0].detail.contains(QStringLiteral("通信設定")));
    EXPECT_EQ(fx.control<QGroupBox>("fraComm")->title(),
              QStringLiteral("デバイス通信 ポートエラー"));
    EXPECT_TRUE(fx.state->SetupDone);
}
