#include <gtest/gtest.h>

#include "DataImage.h"
#include "EntryData.h"

namespace {

CodeTable asciiTable() {
    CodeTable table;
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] =
            (i >= 0x20 && i < 0x7F) ? QString(QChar(i)) : QStringLiteral("・");
    }
    return table;
}

}  // namespace

TEST(EntryData, CharactersTranslateToTheFirstMatchingByte) {
    CodeTable table = asciiTable();
    table[7] = QStringLiteral("Z");
    EXPECT_EQ(funCodehexChange(QStringLiteral("Z"), table), QStringLiteral("7"));
    EXPECT_EQ(funCodehexChange(QStringLiteral("A"), table), QStringLiteral("41"));
    EXPECT_EQ(funCodehexChange(QStringLiteral("・"), table), QStringLiteral("0"));
    EXPECT_EQ(funCodehexChange(QStringLiteral("é"), table), QStringLiteral("fff"));

    const TransferData data = readTransferData(QStringLiteral("ZA"), false, table);
    EXPECT_EQ(data.bytes, (QStringList{"07", "41"}));
}

TEST(EntryData, TitleCountsBytesWithHalvesInHexEntry) {
    EXPECT_EQ(entryTitle(0, true), QStringLiteral("データー入力ボックス"));
    EXPECT_EQ(entryTitle(3, true), QStringLiteral("転写データー 1.5 Byte"));
    EXPECT_EQ(entryTitle(512, true), QStringLiteral("転写データー 256.0 Byte"));
    EXPECT_EQ(entryTitle(5, false), QStringLiteral("転写データー 5 Byte"));
}

TEST(EntryData, FaultsNameTheFirstBadCharacterBeforeTheCount) {
    const CodeTable table = asciiTable();
    const TransferData zz = readTransferData(QStringLiteral("1Z2"), true, table);
    EXPECT_EQ(zz.fault, TransferData::Fault::BadHexCharacter);
    EXPECT_TRUE(
        transferFaultMessage(zz).contains(QStringLiteral("入力された【Z】の文字は不正です。")));
    EXPECT_EQ(readTransferData(QStringLiteral("1A2"), true, table).fault,
              TransferData::Fault::OddOrEmptyHex);
    EXPECT_EQ(readTransferData(QString(), true, table).fault, TransferData::Fault::OddOrEmptyHex);
    EXPECT_EQ(readTransferData(QString(), false, table).fault, TransferData::Fault::EmptyText);
    const TransferData unknown = readTransferData(QStringLiteral("aé"), false, table);
    EXPECT_EQ(unknown.fault, TransferData::Fault::UnknownCharacter);
    EXPECT_TRUE(transferFaultMessage(unknown).contains(QStringLiteral("【é】")));
    EXPECT_EQ(readTransferData(QStringLiteral("1a2B"), true, table).bytes,
              (QStringList{"1a", "2B"}));  // kept as typed
}

TEST(EntryData, PlainTransferStopsAtTheLastByteOfTheDevice) {
    DataImage image;
    std::vector<bool> marks(DataImage::Size + 1, false);
    image.set(0x100, u"77");
    const int32_t next =
        writePlainTransfer(image, marks, 0xFE, {"01", "02", "03", "04"}, 256, true);
    EXPECT_EQ(next, 0xFF);
    EXPECT_EQ(image.at(0xFE), QStringLiteral("01"));
    EXPECT_EQ(image.at(0xFF), QStringLiteral("02"));
    EXPECT_EQ(image.at(0x100), QStringLiteral("77"));
    EXPECT_TRUE(marks[0xFF]);
    EXPECT_FALSE(marks[0x100]);

    EXPECT_EQ(writePlainTransfer(image, marks, 0x10, {"1A", "2B", "3C"}, 256, false), 0x13);
    EXPECT_FALSE(marks[0x10]);
}

TEST(EntryData, AllDataRepeatsThePatternToTheEndOfTheDevice) {
    DataImage image;
    image.set(0x100, u"00");
    image.set(0x200, u"00");
    fillAllData(image, 0x101, {"55", "AA"}, 512);
    EXPECT_EQ(image.at(0x100), QStringLiteral("00"));
    EXPECT_EQ(image.at(0x101), QStringLiteral("55"));
    EXPECT_EQ(image.at(0x102), QStringLiteral("AA"));
    EXPECT_EQ(image.at(0x1FF), QStringLiteral("55"));
    EXPECT_EQ(image.at(0x200), QStringLiteral("00"));
}
