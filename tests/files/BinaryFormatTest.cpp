#include <gtest/gtest.h>

#include <random>

#include "BinaryFormat.h"
#include "DataImage.h"
#include "HexFormat.h"
#include "ProgramError.h"
#include "TempFolder.h"

namespace {

using SaveOutcome = BinaryFormat::SaveResult::Outcome;

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
}

}  // namespace

TEST(BinaryLoad, FillsFromTheStartZeroesTheRestAndStopsAtTheImageEnd) {
    TempFolder folder;
    folder.writeBytes("a.bin", QByteArray("\x00\x0a\xff", 3) + QByteArray(253, '\x41'));
    folder.writeBytes("big.bin", randomBytes(200000, 8));
    folder.writeBytes("empty.bin", {});
    DataImage image;
    image.set(0x100, u"41");
    int32_t count = BinaryFormat::load(folder.path("a.bin"), image);
    EXPECT_EQ(count, 256);
    EXPECT_EQ(image.at(0) + image.at(1) + image.at(2) + image.at(255), QStringLiteral("000AFF41"));
    EXPECT_EQ(image.at(0x100), QStringLiteral("00"));
    EXPECT_EQ(BinaryFormat::endAddressText(count), QStringLiteral("FF"));
    EXPECT_EQ(BinaryFormat::countLine(count), QStringLiteral("Count:0xFF"));

    count = BinaryFormat::load(folder.path("big.bin"), image);
    EXPECT_EQ(count, 131072);
    EXPECT_EQ(BinaryFormat::endAddressText(count), QStringLiteral("1FFFF"));

    EXPECT_EQ(BinaryFormat::load(folder.path("empty.bin"), image), 0);
    EXPECT_EQ(BinaryFormat::endAddressText(0) + BinaryFormat::countLine(0), QString());
    EXPECT_EQ(image.at(0x1FFFF), QStringLiteral("00"));
    EXPECT_THROW(BinaryFormat::load(folder.path("none.bin"), image), ProgramError);
}

TEST(BinarySave, WritesUpToEndAddressReplacingALongerFile) {
    struct Row {
        const char* endAddress;
        int bytes;
    };
    TempFolder folder;
    DataImage image;  // never-loaded cells are written as erased
    for (int a = 0; a < 0x10000; ++a) image.set(a, a % 2 ? u"ab" : u"Cd");
    for (const Row& row :
         {Row{"FF", 256}, Row{"ff", 256}, Row{"0", 1}, Row{"00000010", 17}, Row{"1FFFF", 131072}}) {
        SCOPED_TRACE(row.endAddress);
        folder.writeBytes("out.bin", QByteArray(200000, 'x'));
        const auto result = BinaryFormat::save(folder.path("out.bin"), image, row.endAddress);
        EXPECT_EQ(result.outcome, SaveOutcome::Written);
        EXPECT_EQ(result.byteCount, row.bytes);
        const QByteArray written = folder.readBytes("out.bin");
        ASSERT_EQ(written.size(), row.bytes);
        EXPECT_EQ(written.left(2), QByteArray("\xCD\xAB").left(row.bytes));
        const char last = row.bytes > 0x10000 ? '\xFF' : (row.bytes - 1) % 2 ? '\xAB' : '\xCD';
        EXPECT_EQ(written.at(row.bytes - 1), last);
    }
}

TEST(BinarySave, BadEndAddressesAndCellsLeaveTheOldFile) {
    TempFolder folder;
    DataImage image;
    const QByteArray old("old contents");
    folder.writeBytes("keep.bin", old);

    const auto refused = BinaryFormat::save(folder.path("keep.bin"), image, "1G2");
    EXPECT_EQ(refused.outcome, SaveOutcome::Refused);
    EXPECT_EQ(refused.refusedCharacter, QStringLiteral("G"));
    EXPECT_EQ(BinaryFormat::save(folder.path("keep.bin"), image, "１").refusedCharacter, "１");
    EXPECT_EQ(BinaryFormat::refusedEndAddressMessage("G"),
              QStringLiteral("EndAddressデーターにエラーがあります。\r\n入力された【G】の文字は"
                             "不正です。\r\n16進コード(半角0～9,A,B,C,D,E,F)で入力してください。"
                             "\r\n保存処理は停止します。"));

    for (const char* endAddress : {"", "20000", "FFFFFFFFFFFFFFFFFFFF"}) {
        SCOPED_TRACE(endAddress);
        EXPECT_THROW(BinaryFormat::save(folder.path("keep.bin"), image, endAddress), ProgramError);
    }
    image.set(0x10, u"G0");
    EXPECT_THROW(BinaryFormat::save(folder.path("keep.bin"), image, "10"), ProgramError);
    EXPECT_EQ(folder.readBytes("keep.bin"), old);
}

TEST(BinaryRoundTrip, LoadThenSaveGivesTheSameBytesAndHexKeepsTheCountLine) {
    TempFolder folder;
    const QByteArray bytes = randomBytes(0x10010, 9);
    folder.writeBytes("in.bin", bytes);
    DataImage image;
    const int32_t count = BinaryFormat::load(folder.path("in.bin"), image);
    BinaryFormat::save(folder.path("out.bin"), image, BinaryFormat::endAddressText(count));
    EXPECT_EQ(folder.readBytes("out.bin"), bytes);

    HexComments comments;
    comments.after << BinaryFormat::countLine(count);
    HexFormat::save(folder.path("out.hex"), image, comments, HexRecordType::Int32bit);
    EXPECT_TRUE(folder.readBytes("out.hex").endsWith(":00000001FF\r\nCount:0x1000F\r\n"));
}
