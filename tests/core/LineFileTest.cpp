#include <gtest/gtest.h>

#include "LineFile.h"
#include "ProgramError.h"
#include "TempFolder.h"

TEST(LineReader, SplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    EXPECT_EQ(LineReader::splitLines(QStringLiteral("a\r\nb\rc\nd\r\n")),
              (QStringList{"a", "b", "c\nd"}));
    EXPECT_EQ(LineReader::splitLines(QStringLiteral("a\r\nlast")), (QStringList{"a", "last"}));
    EXPECT_EQ(LineReader::splitLines(QStringLiteral("\r\n\r\n")), (QStringList{"", ""}));
    EXPECT_TRUE(LineReader::splitLines(QString()).isEmpty());
}

TEST(LineReader, AlsoLfEndsALineAtALoneLfAndStillTakesCrLfAsOneEnd) {
    EXPECT_EQ(LineReader::splitLines(QStringLiteral("a\r\nb\rc\nd\n\ne\n"), LineEnds::AlsoLf),
              (QStringList{"a", "b", "c", "d", "", "e"}));
}

TEST(LineReader, DecodesCp932AndStopsAtTheEnd) {
    TempFolder folder;
    folder.writeBytes("a.txt", QByteArray("\x83\x65\x83\x58\x83\x67\r\n\xB1\xB2\r\n"));
    LineReader reader(folder.path("a.txt"));
    EXPECT_EQ(reader.readLine(), QStringLiteral("テスト"));
    EXPECT_EQ(reader.readLine(), QStringLiteral("ｱｲ"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.readLine(), ProgramError);
}

TEST(LineReader, MissingFileIsReportedWithItsPath) {
    TempFolder folder;
    try {
        LineReader reader(folder.path("none.txt"));
        FAIL();
    } catch (const ProgramError& error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("ファイルが見つかりません")));
        EXPECT_TRUE(error.description().contains(QStringLiteral("none.txt")));
    }
}

TEST(WriteLines, WritesCp932WithCrLfAndReplacesTheFileWhole) {
    TempFolder folder;
    folder.writeBytes("out.txt", QByteArray(1000, 'x'));
    writeLines(folder.path("out.txt"), {QStringLiteral("ＡＳＣＩＩ"), QStringLiteral("7")});
    EXPECT_EQ(folder.readBytes("out.txt"),
              QByteArray("\x82\x60\x82\x72\x82\x62\x82\x68\x82\x68\r\n7\r\n"));
}

TEST(WriteLines, UnwritableTargetThrowsAndLeavesNothingBehind) {
    TempFolder folder;
    EXPECT_THROW(writeLines(folder.path("no/such/folder/x.txt"), {"1"}), ProgramError);
}

TEST(WriteLines, LinesReadAndWrittenBackKeepTheirBytes) {
    TempFolder folder;
    const QByteArray bytes("; \x80\xA0\xFD caf\xC3\xA9\r\n\x1A\x81\xAD\x81\r\nok\r\n");
    folder.writeBytes("in.txt", bytes);
    writeLines(folder.path("out.txt"), readAllLines(folder.path("in.txt")));
    EXPECT_EQ(folder.readBytes("out.txt"), bytes);
}

TEST(WriteLines, TextCp932CannotHoldIsRefusedBeforeAnythingIsWritten) {
    TempFolder folder;
    folder.writeBytes("flag.txt", "old\r\n");
    EXPECT_THROW(writeLines(folder.path("flag.txt"), {"0", QStringLiteral("café.txt")}),
                 ProgramError);
    EXPECT_EQ(folder.readBytes("flag.txt"), QByteArray("old\r\n"));
}
