#include <gtest/gtest.h>

#include "DataImage.h"
#include "FileTypeRule.h"
#include "ProgramError.h"
#include "TempFolder.h"
#include "TextFormat.h"

namespace {

QStringList zeroLines(int count) { return QStringList(count, QString(32, u'0')); }

}  // namespace

TEST(TextFormat, LoadsAndSavesByteIdenticallyKeepingLetterCase) {
    TempFolder folder;
    QStringList lines = zeroLines(TextFormat::kLines);
    lines[0] = QStringLiteral("0123456789abcdefABCDEF0000000000");
    lines[8191] = QString(32, u'f');
    folder.writeLines("in.txt", lines);
    DataImage image;
    EXPECT_EQ(TextFormat::load(folder.path("in.txt"), image).outcome,
              TextFormat::LoadResult::Outcome::Loaded);
    EXPECT_EQ(image.at(5), QStringLiteral("ab"));
    EXPECT_EQ(image.at(0x1FFFF), QStringLiteral("ff"));
    TextFormat::save(folder.path("out.txt"), image);
    EXPECT_EQ(folder.readBytes("out.txt"), folder.readBytes("in.txt"));
    EXPECT_EQ(folder.readBytes("out.txt").size(), 278528);
}

TEST(TextFormat, CellsNeverLoadedAreSavedAsErasedBytes) {
    TempFolder folder;
    DataImage image;
    image.set(3, u"12");
    TextFormat::save(folder.path("out.txt"), image);
    DataImage read;
    ASSERT_EQ(TextFormat::load(folder.path("out.txt"), read).outcome,
              TextFormat::LoadResult::Outcome::Loaded);
    EXPECT_EQ(read.at(0), QStringLiteral("FF"));
    EXPECT_EQ(read.at(3), QStringLiteral("12"));
}

TEST(TextFormat, WrongLineLengthStopsWithEarlierLinesLoaded) {
    TempFolder folder;
    QStringList lines = zeroLines(TextFormat::kLines);
    lines[4].chop(1);
    folder.writeLines("in.txt", lines);
    DataImage image;
    const auto result = TextFormat::load(folder.path("in.txt"), image);
    EXPECT_EQ(result.outcome, TextFormat::LoadResult::Outcome::WrongLineLength);
    EXPECT_EQ(result.line, 5);
    EXPECT_EQ(image.at(63), QStringLiteral("00"));
    EXPECT_TRUE(image.isEmpty(64));
    EXPECT_TRUE(
        TextFormat::wrongLineLengthMessage("d.txt", 5).contains(QStringLiteral("【行数：5 】")));
}

TEST(TextFormat, BadCellIsStoredThenReportedByLineAndColumn) {
    // A line is 32 characters, not bytes: "ＦＦ" takes four bytes of the file and two of a line.
    const struct {
        QString line;
        int32_t address;
        QString cell;
    } rows[] = {
        {QStringLiteral("0000 1") + QString(26, u'0'), 18, QStringLiteral(" 1")},
        {QString(30, u'0') + QStringLiteral("ＦＦ"), 31, QStringLiteral("ＦＦ")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        TempFolder folder;
        QStringList lines = zeroLines(TextFormat::kLines);
        lines[1] = row.line;
        folder.writeLines("in.txt", lines);
        DataImage image;
        const auto result = TextFormat::load(folder.path("in.txt"), image);
        EXPECT_EQ(result.outcome, TextFormat::LoadResult::Outcome::BadCell);
        EXPECT_EQ(result.address, row.address);
        EXPECT_EQ(result.cellText, row.cell);
        EXPECT_EQ(image.at(row.address - 1), QStringLiteral("00"));
        EXPECT_FALSE(image.isEmpty(row.address));
        EXPECT_TRUE(image.isEmpty(row.address + 1));
    }
    EXPECT_TRUE(TextFormat::badCellMessage("d.txt", 18, " 1")
                    .contains(QStringLiteral("【行数：2  列数：3  値： 1 】")));
}

TEST(TextFormat, LoneLineFeedsMakeOneOverlongLineAndShortFilesFail) {
    TempFolder folder;
    folder.writeBytes("lf.txt", QByteArray(32, '0') + "\n" + QByteArray(32, '0') + "\n");
    DataImage image;
    EXPECT_EQ(TextFormat::load(folder.path("lf.txt"), image).line, 1);
    folder.writeLines("short.txt", zeroLines(8191));
    EXPECT_THROW(TextFormat::load(folder.path("short.txt"), image), ProgramError);
}

TEST(FileTypeRule, ChoosesByTheLastFourCharactersInAnyCase) {
    EXPECT_EQ(fileTypeIndexForName(QStringLiteral("DATA.TXT")), 0);
    EXPECT_EQ(fileTypeIndexForName(QStringLiteral("rom.Hex")), 1);
    EXPECT_EQ(fileTypeIndexForName(QStringLiteral("image.bin")), 2);
    EXPECT_EQ(fileTypeIndexForName(QStringLiteral("txt")), 2);
    EXPECT_EQ(fileTypeIndexForName(QString()), 2);
}
