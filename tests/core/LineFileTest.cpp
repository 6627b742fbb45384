#include <gtest/gtest.h>

#include "LineFile.h"
#include "ProgramError.h"
#include "TempFolder.h"

namespace {

QStringList linesOf(const QByteArray& bytes) {
    TempFolder folder;
    folder.writeBytes("a.txt", bytes);
    return readAllLines(folder.path("a.txt"));
}

}  // namespace

TEST(LineReader, SplitsAtCrLfAndLoneCrButNotAtLoneLf) {
    constexpr int kPiece = 64 * 1024;  // the reader's piece size: line ends across its boundary
    const QByteArray longLine(kPiece - 1, 'x');
    const struct {
        QByteArray bytes;
        QStringList lines;
    } rows[] = {
        {"a\r\nb\rc\nd\r\n", {"a", "b", "c\nd"}},
        {"a\r\nlast", {"a", "last"}},
        {"\r\n\r\n", {"", ""}},
        {"", {}},
        {longLine + "\r\nb", {longLine, "b"}},
        {longLine + "y\r\nb\r", {longLine + "y", "b"}},
        {longLine + "\r\r\n", {longLine, ""}},
        {longLine + longLine + "zz", {longLine + longLine + "zz"}},
        {longLine + "\x82\xa0\r\n",
         {QString::fromLatin1(longLine) + QStringLiteral("あ")}},  // split character
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.size());
        EXPECT_EQ(linesOf(row.bytes), row.lines);
    }
}

TEST(LineReader, RefusesWhatIsNotAnOrdinaryFileAndHugeFilesByName) {
    TempFolder folder;
#ifndef Q_OS_WIN
    makeFifo(folder.path("fifo"));
#endif
    makeSparseFile(folder.path("huge"), kSettingsFileLimit + 1);
    makeSparseFile(folder.path("big"), 2 * kSettingsFileLimit);
    folder.writeBytes("dir/x", "1");
    const struct {
        const char* name;
        qint64 maxBytes;
        const char* description;
    } rows[] = {
#ifndef Q_OS_WIN
        {"fifo", kDataFileLimit, "通常のファイルではありません"},
#endif
        {"huge", kSettingsFileLimit, "ファイルが大きすぎます"},
        {"none", kSettingsFileLimit, "ファイルが見つかりません"},
        {"dir", kSettingsFileLimit, "ファイルが見つかりません"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            LineReader reader(folder.path(row.name), row.maxBytes);
            ADD_FAILURE() << "opened";
        } catch (const ProgramError& error) {
            EXPECT_TRUE(error.description().startsWith(QString::fromUtf8(row.description)))
                << error.description().toStdString();
            EXPECT_TRUE(error.description().contains(folder.path(row.name)));
        }
    }
    LineReader big(folder.path("big"), kDataFileLimit);
    EXPECT_EQ(big.readLine().size(), 2 * kSettingsFileLimit);  // zeros, no line end
}

TEST(LineReader, AlsoLfEndsALineAtALoneLfAndStillTakesCrLfAsOneEnd) {
    TempFolder folder;
    folder.writeBytes("a.txt", "a\r\nb\rc\nd\n\ne\n");
    LineReader reader(folder.path("a.txt"), kSettingsFileLimit, LineEnds::AlsoLf);
    QStringList lines;
    while (!reader.atEnd()) lines << reader.readLine();
    EXPECT_EQ(lines, (QStringList{"a", "b", "c", "d", "", "e"}));
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
