#include <gtest/gtest.h>

#include "DataImage.h"
#include "HexText.h"
#include "ProgramError.h"
#include "SRecordFormat.h"
#include "TempFolder.h"

namespace {

SRecordFormat::LoadResult loadLines(const TempFolder& folder, const QStringList& lines,
                                    DataImage& image) {
    folder.writeBytes("image.s19", lines.join("\n").toLatin1());
    return SRecordFormat::load(folder.path("image.s19"), image);
}

}  // namespace

TEST(SRecordLoad, GoodAndMalformedFiles) {
    struct Row {
        QStringList lines;
        int faultyLine;
        QString fault;
    };
    const QString header = "S00600004844521B";
    const Row rows[] = {
        {{header, "S104000041BA", "s1050010abcd72", "S5030002FA", "S9030000FC"}, 0, ""},
        {{"S206010000ABCD80", "", "  S3060001FFFF7783 ", "S804000000FB"}, 0, ""},
        {{"S104000041BB"}, 1, "checksum BB, the record's bytes give BA"},
        {{header, "S105000041BA"},
         2,
         "record length: the count byte says 5 bytes follow, the line holds 8 hexadecimal digits "
         "after it, not 10"},
        {{"S104000041B"},
         1,
         "record length: the count byte says 4 bytes follow, the line holds 7 hexadecimal digits "
         "after it, not 8"},
        {{"S1020000"},
         1,
         "record length: a count of 2 leaves no room for the 2 address bytes and the checksum"},
        {{"S1040000G1BA"}, 1, "\"G1\" at column 9 is not hexadecimal"},
        {{"S1XX000041BA"}, 1, "the count byte is not hexadecimal"},
        {{"S3070001FFFF77780A"}, 1, "address 0x20000 is beyond the image (0 to 0x1FFFF)"},
        {{"S4030000FC"}, 1, "S4 is no record type"},
        {{":0100000041BE"}, 1, "not an S-record"},
        {{"S1"}, 1, "not an S-record"},
        // A lost data record shows in the count.
        {{"S104000041BA", "", "S5030002FA"},
         3,
         "the count record says 2 data records, 1 came before it"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.join(" | ").toStdString());
        TempFolder folder;
        DataImage image;
        const SRecordFormat::LoadResult result = loadLines(folder, row.lines, image);
        EXPECT_EQ(result.faultyLine, row.faultyLine);
        EXPECT_EQ(result.fault, row.fault);
    }

    TempFolder folder;
    DataImage image;
    const auto result = loadLines(folder, rows[0].lines, image);
    EXPECT_TRUE(result.closed);
    EXPECT_EQ(image.at(0), "41");
    EXPECT_EQ(image.at(0x11), "cd");  // digits as read, like a HEX file's
    EXPECT_EQ(image.at(0x12), "FF");
    EXPECT_FALSE(loadLines(folder, rows[1].lines.mid(0, 1), image).closed);
    EXPECT_EQ(image.at(0x10001), "CD");
    EXPECT_EQ(image.at(0), "FF");  // the image is erased before a load
    EXPECT_TRUE(loadLines(folder, {"S104000041BA", "S5030001FB"}, image).closed);
}

TEST(SRecordSave, WritesSpansOfEachGroupWithCountAndEndRecords) {
    DataImage image;
    image.fill(u"FF");
    image.set(0x12, u"41");
    image.set(0x15, u"ab");
    EXPECT_EQ(SRecordFormat::fileBytes(image, 1),
              "S0030000FC\r\nS107001241FFFFabFC\r\nS5030001FB\r\nS9030000FC\r\n");
    EXPECT_EQ(SRecordFormat::fileBytes(image, 2),
              "S0030000FC\r\nS20800001241FFFFabFB\r\nS5030001FB\r\nS804000000FB\r\n");
    image.set(0x10000, u"00");
    EXPECT_THROW(SRecordFormat::fileBytes(image, 1), ProgramError);
}

TEST(SRecordSave, RoundTripsAcrossTheSixteenBitBoundaryForEachRecordType) {
    DataImage image;
    image.fill(u"FF");
    for (int a : {0, 0xFFF0, 0xFFFF, 0x10000, 0x1FFFF}) image.set(a, u"5A");
    for (int a = 0x8000; a < 0x8100; ++a) image.set(a, hexByte(static_cast<uint8_t>(a)));
    for (int type : {2, 3}) {
        SCOPED_TRACE(type);
        TempFolder folder;
        folder.writeBytes("image.s37", SRecordFormat::fileBytes(image, type));
        DataImage back;
        const auto result = SRecordFormat::load(folder.path("image.s37"), back);
        ASSERT_EQ(result.faultyLine, 0) << result.fault.toStdString();
        for (int a = 0; a < DataImage::Size; ++a) ASSERT_EQ(back.at(a), image.at(a)) << a;
    }
}

TEST(SRecordNames, ExtensionsAndSmallestRecordType) {
    for (const char* name : {"a.s19", "A.S28", "x.s37", "x.SRec", "b.mot"}) {
        EXPECT_TRUE(SRecordFormat::isSRecordName(name)) << name;
    }
    for (const char* name : {"a.hex", "s19", "a.s19.bin", "a.txt"}) {
        EXPECT_FALSE(SRecordFormat::isSRecordName(name)) << name;
    }
    EXPECT_EQ(SRecordFormat::smallestRecordType(0xFFFF), 1);
    EXPECT_EQ(SRecordFormat::smallestRecordType(0x10000), 2);
    EXPECT_EQ(SRecordFormat::smallestRecordType(0x1000000), 3);
}
