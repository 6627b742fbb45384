#include <gtest/gtest.h>

#include "HexText.h"

TEST(HexText, OnlyTwoAsciiDigitsOfEitherCaseMakeACellByte) {
    const struct {
        QString cell;
        int byte;
    } cases[] = {
        {"00", 0x00},    {"9f", 0x9F},
        {"Fa", 0xFA},    {"", -1},
        {"A", -1},       {"ABC", -1},
        {"/0", -1},      {"0:", -1},
        {"@0", -1},      {"G0", -1},
        {"`0", -1},      {"0g", -1},
        {" F", -1},      {"+F", -1},
        {u"Ａ0"_qs, -1}, {u"\u0141\u0161"_qs, -1},  // their low bytes are 'A' and 'a'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString());
        EXPECT_EQ(cellByte(c.cell), c.byte);
    }
}

TEST(HexText, NumbersStopAtTheFirstValueAboveTheCeiling) {
    const struct {
        QString digits;
        int64_t ceiling;
        std::optional<int64_t> value;
    } cases[] = {
        {"", 0xFF, std::nullopt},
        {"1G", 0xFF, std::nullopt},
        {"FFFFFFFFFFFFFFFFFFFFG", 0xFF, std::nullopt},  // refused whole, not after the stop
        {"1ffff", 0x1FFFF, 0x1FFFF},
        {"20000", 0x1FFFF, 0x20000},
        {"0000000000000000000000000001", 0x1FFFF, 1},
        {"FFFFFFFFFFFFFFFFFFFFFFFF", 0x7FFFFFF, 0xFFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits.toStdString());
        EXPECT_EQ(hexNumber(c.digits, c.ceiling), c.value);
    }
}

TEST(HexText, WrittenInUpperCase) {
    EXPECT_EQ(upperHex(0), QStringLiteral("0"));
    EXPECT_EQ(upperHex(0x1FFFF), QStringLiteral("1FFFF"));
    EXPECT_EQ(fixedHex(0x1A2B3, 4), QStringLiteral("A2B3"));  // the lowest digits only
    EXPECT_EQ(fixedHex(0x7, 3), QStringLiteral("007"));
    EXPECT_EQ(hexByte(0x0A), QStringLiteral("0A"));
    EXPECT_EQ(hexByte(0xFE), QStringLiteral("FE"));
}
