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

TEST(Numbers, AMessageQuotesOnlyTheHeadOfAHugeLine) {
    const QString digits(1'000'000, u'9');
    const struct {
        QString text;
        const char* start;
    } rows[] = {
        {digits, "オーバーフローしました。 (9999"},
        {QStringLiteral("COM") + digits, "型が一致しません。 (\"COM999"},
    };
    for (const auto& row : rows) {
        try {
            toInteger32(row.text);
            ADD_FAILURE();
        } catch (const ProgramError& error) {
            EXPECT_TRUE(error.description().startsWith(QString::fromUtf8(row.start)));
            EXPECT_LT(error.description().size(), 100);
            EXPECT_TRUE(error.description().contains(QStringLiteral("…")));
        }
    }
    // A pair of surrogates is kept whole or left off whole.
    EXPECT_EQ(textHead(QStringLiteral("ab😀c"), 3), QStringLiteral("ab…"));
    EXPECT_EQ(textHead(QStringLiteral("ab😀c"), 4), QStringLiteral("ab😀…"));
    EXPECT_EQ(textHead(QStringLiteral("abc"), 3), QStringLiteral("abc"));
}
