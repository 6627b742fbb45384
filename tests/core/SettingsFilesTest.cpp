#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "ProgramError.h"
#include "ProgramState.h"
#include "SettingsFiles.h"
#include "TempFolder.h"

namespace {

QStringList numbers(int count, int start = 0) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString::number(start + i);
    return lines;
}

}  // namespace

TEST(FlagFile, ReadsNineteenValuesAndTheFileName) {
    TempFolder folder;
    folder.writeLines("flag.txt", numbers(19, 100) << QStringLiteral("サンプル.txt"));
    ProgramState state;
    QString name;
    readFlagFile(state, folder.path("flag.txt"), name);
    EXPECT_EQ(name, QStringLiteral("サンプル.txt"));
    EXPECT_EQ(state.FlagTable[0], 100);
    EXPECT_EQ(state.FlagTable[18], 118);
    EXPECT_EQ(state.FlagTable[19], 0);
}

TEST(FlagFile, ShorterFileLeavesTheRestAndNoName) {
    TempFolder folder;
    folder.writeLines("flag.txt", {"1", "1"});
    ProgramState state;
    state.FlagTable[5] = 9;
    QString name;
    readFlagFile(state, folder.path("flag.txt"), name);
    EXPECT_EQ(name, QString());
    EXPECT_EQ(state.FlagTable[1], 1);
    EXPECT_EQ(state.FlagTable[5], 9);
}

TEST(FlagFile, TwentyFirstLineIsAnIndexErrorAfterTheRestWasRead) {
    TempFolder folder;
    folder.writeLines("flag.txt", numbers(19, 1) << "name.txt"
                                                 << "extra");
    ProgramState state;
    QString name;
    EXPECT_THROW(readFlagFile(state, folder.path("flag.txt"), name), std::out_of_range);
    EXPECT_EQ(state.FlagTable[18], 19);
    EXPECT_EQ(name, QStringLiteral("name.txt"));
}

TEST(FlagFile, RoundTripsThroughTheWriter) {
    TempFolder folder;
    ProgramState state;
    for (int i = 0; i < 20; ++i) state.FlagTable[i] = static_cast<int16_t>(i * 1000 - 9000);
    writeFlagFile(state, folder.path("flag.txt"), QStringLiteral("データ.hex"));
    ProgramState read;
    QString name;
    readFlagFile(read, folder.path("flag.txt"), name);
    EXPECT_EQ(name, QStringLiteral("データ.hex"));
    for (int i = 0; i < 19; ++i) EXPECT_EQ(read.FlagTable[i], state.FlagTable[i]);
    EXPECT_EQ(read.FlagTable[19], 0);  // line 20 holds the name, not entry 19
}

TEST(CustomFile, LastPairWinsAndAnOddLineFailsAtTheEnd) {
    TempFolder folder;
    folder.writeLines("four.txt", {"ASCII", "3", "カナ", "5"});
    ProgramState state;
    readCustomFile(state, folder.path("four.txt"));
    EXPECT_EQ(state.CustomCodeName, QStringLiteral("カナ"));
    EXPECT_EQ(state.DeviceIndex, 5);

    folder.writeLines("three.txt", {"ASCII", "3", "tail"});
    EXPECT_THROW(readCustomFile(state, folder.path("three.txt")), ProgramError);
    EXPECT_EQ(state.CustomCodeName, QStringLiteral("tail"));
    EXPECT_EQ(state.DeviceIndex, 3);
}

TEST(CustomFile, RoundTripsThroughTheWriter) {
    TempFolder folder;
    ProgramState state;
    state.CustomCodeName = QStringLiteral("ｶﾀｶﾅ");
    state.DeviceIndex = 11;
    writeCustomFile(state, folder.path("custom.txt"));
    EXPECT_EQ(folder.readBytes("custom.txt"), QByteArray("\xB6\xC0\xB6\xC5\r\n11\r\n"));

    // Saved at every start: the same choice leaves the file as it was, another one replaces it.
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-400);
    const auto setModified = [&](const QDateTime& when) {
        QFile file(folder.path("custom.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    const auto modified = [&] { return QFileInfo(folder.path("custom.txt")).lastModified(); };
    setModified(longAgo);
    writeCustomFile(state, folder.path("custom.txt"));
    EXPECT_EQ(modified().toSecsSinceEpoch(), longAgo.toSecsSinceEpoch());
    state.DeviceIndex = 12;
    writeCustomFile(state, folder.path("custom.txt"));
    EXPECT_EQ(folder.readBytes("custom.txt"), QByteArray("\xB6\xC0\xB6\xC5\r\n12\r\n"));
    EXPECT_GT(modified(), longAgo.addDays(1));
}

TEST(CodeFile, NeedsAllTwoHundredFiftySixLinesAndIgnoresMore) {
    TempFolder folder;
    QStringList lines = numbers(256);
    lines[32] = QStringLiteral(" ");
    folder.writeLines("code.txt", lines + QStringList{"ignored"});
    ProgramState state;
    readCodeFile(state, folder.path("code.txt"));
    EXPECT_EQ(state.CodeTable[32], QStringLiteral(" "));
    EXPECT_EQ(state.CodeTable[255], QStringLiteral("255"));

    folder.writeLines("short.txt", numbers(255));
    EXPECT_THROW(readCodeFile(state, folder.path("short.txt")), ProgramError);
}

TEST(CommFile, KeepsTextAndRewritesExactlyTwoLines) {
    TempFolder folder;
    folder.writeLines("comm.txt", {"3", "abc", "more"});
    ProgramState state;
    readCommFile(state, folder.path("comm.txt"));
    EXPECT_EQ(state.CommSettings[0], QStringLiteral("3"));
    EXPECT_EQ(state.CommSettings[1], QStringLiteral("abc"));  // converted only when the port opens
    writeCommFile(state, folder.path("comm.txt"));
    EXPECT_EQ(folder.readBytes("comm.txt"), QByteArray("3\r\nabc\r\n"));

    folder.writeLines("one.txt", {"3"});
    EXPECT_THROW(readCommFile(state, folder.path("one.txt")), ProgramError);
}

TEST(ColorFile, RoundTripsTwentyValuesIncludingSystemColours) {
    TempFolder folder;
    ProgramState state;
    for (int i = 0; i < 20; ++i) state.ColorTable[i] = i * 838861;
    state.ColorTable[19] = static_cast<int32_t>(0x80000012u);
    writeColorFile(state, folder.path("color.txt"));
    ProgramState read;
    readColorFile(read, folder.path("color.txt"));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(read.ColorTable[i], state.ColorTable[i]) << i;

    folder.writeLines("short.txt", numbers(19));
    EXPECT_THROW(readColorFile(read, folder.path("short.txt")), ProgramError);
    folder.writeLines("bad.txt", numbers(19) << "white");
    EXPECT_THROW(readColorFile(read, folder.path("bad.txt")), ProgramError);
}

TEST(CpuFile, TakesLineOneAndFailsWhenEmpty) {
    TempFolder folder;
    folder.writeLines("cpu.txt", {"PIC16F88", "PIC18F2550"});
    ProgramState state;
    readCpuFile(state, folder.path("cpu.txt"));
    EXPECT_EQ(state.WriterCpu, QStringLiteral("PIC16F88"));
    folder.writeBytes("empty.txt", {});
    EXPECT_THROW(readCpuFile(state, folder.path("empty.txt")), ProgramError);
}
