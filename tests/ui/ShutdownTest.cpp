#include <gtest/gtest.h>

#include "ProgramError.h"
#include "ProgramFolder.h"

TEST(Shutdown, ClosesAnOpenPortAndSavesNothing) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    const QStringList flagLines = folder.settingLines("flag.txt");
    fx.port.calls.clear();
    fx.window->close();
    EXPECT_EQ(fx.port.calls, QStringList{"close"});
    EXPECT_FALSE(fx.port.isOpen());
    EXPECT_EQ(folder.settingLines("flag.txt"), flagLines);
    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
}

TEST(Shutdown, LeavesAClosedPortAlone) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.port.openResult = false;
    fx.start();
    fx.port.calls.clear();
    fx.window->close();
    EXPECT_TRUE(fx.port.calls.isEmpty());
}

TEST(Shutdown, FailureIsReportedRetriedAndCancelStillCloses) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    fx.port.failWith = [](const QString& operation) {
        if (operation == QStringLiteral("close"))
            throw ProgramError(QStringLiteral("ポートが応答しません。"));
    };
    fx.dialogs.answers = {Answer::Retry, Answer::Cancel};
    fx.window->close();
    ASSERT_EQ(fx.dialogs.shown.size(), 2);
    EXPECT_EQ(fx.dialogs.shown[0].text,
              QStringLiteral("通信ポートクローズに失敗しました\r\nポートが応答しません。"));
    EXPECT_EQ(fx.dialogs.shown[0].title, QStringLiteral("frmBase.Unload"));
    EXPECT_EQ(fx.port.calls.count(QStringLiteral("close")), 2);
    EXPECT_FALSE(fx.window->isVisible());
}
