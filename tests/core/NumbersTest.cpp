#include <gtest/gtest.h>

#include "Numbers.h"
#include "ProgramError.h"

TEST(Numbers, ConvertsDecimalTextWithSignAndBlanks) {
    EXPECT_EQ(toInteger16(QStringLiteral("0")), 0);
    EXPECT_EQ(toInteger16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(toInteger16(QStringLiteral(" 32767 ")), 32767);
    EXPECT_EQ(toInteger16(QStringLiteral("+12")), 12);
    EXPECT_EQ(toInteger32(QStringLiteral("16777215")), 16777215);
    EXPECT_EQ(toInteger32(QStringLiteral("-2147483630")), -2147483630);
    EXPECT_EQ(toByte(QStringLiteral("255")), 255);
}

TEST(Numbers, RejectsTextThatIsNotAWholeNumber) {
    for (const char* text : {"", " ", "-", "12a", "a12", "1.5", "0x10", "１２"}) {
        EXPECT_THROW(toInteger16(QString::fromUtf8(text)), ProgramError) << text;
        EXPECT_THROW(toInteger32(QString::fromUtf8(text)), ProgramError) << text;
    }
}

TEST(Numbers, ReportsOverflowBeyondTheTargetType) {
    EXPECT_THROW(toInteger16(QStringLiteral("32768")), ProgramError);
    EXPECT_THROW(toInteger16(QStringLiteral("-32769")), ProgramError);
    EXPECT_THROW(toInteger32(QStringLiteral("2147483648")), ProgramError);
    EXPECT_THROW(toByte(QStringLiteral("256")), ProgramError);
    EXPECT_THROW(toByte(QStringLiteral("-1")), ProgramError);
    EXPECT_THROW(toInteger32(QString(1000, u'9')), ProgramError);
    try {
        toByte(QStringLiteral("300"));
        FAIL();
    } catch (const ProgramError& error) {
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("オーバーフロー")));
    }
}
