#include <gtest/gtest.h>

#include "Cp932.h"
#include "ProgramError.h"

TEST(Cp932, EveryByteSequenceReadComesBackAsItWas) {
    const struct {
        QByteArray bytes;
        QString text;  // empty: only the round trip matters
    } cases[] = {
        {"\x83\x65\x83\x58\x83\x67\xB1", QStringLiteral("テストｱ")},
        {"\x1A\x1C\x7F", QStringLiteral("\x1A\x1C\x7F")},  // control bytes as they are
        {"\x81\x60\x81\x5C\x87\x40\xF0\x40", QStringLiteral(u"\uFF5E\u2015\u2460\uE000")},
        {"\x80\xA0\xFD\xFE\xFF", QStringLiteral(u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3")},
        {"\x81\xAD\x85\x41\x81", {}},           // no such pair, an empty row, a lone lead byte
        {"caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC", {}},  // UTF-8 text
        {"\x81\r\n\xFC", {}},                   // a line end is never taken as a trail byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex(' ').toStdString());
        const QString text = decodeCp932(c.bytes);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(encodeCp932(text), c.bytes);
    }
}

TEST(Cp932, CharactersAreWrittenAsWindowsWritesThem) {
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral(u"\u301C\uFF5E"), "\x81\x60\x81\x60"},  // wave dash, full-width tilde
        {QStringLiteral(u"\u2212\u2016"), "\x81\x7C\x81\x61"},
        {QStringLiteral(u"\u00A2\u00A3\u00AC"), "\x81\x91\x81\x92\x81\xCA"},
        {QStringLiteral(u"\u2014\u2015"), "\x81\x5C\x81\x5C"},
        {QStringLiteral(u"≒ⅰ纊"), "\x81\xE0\xFA\x40\xFA\x5C"},  // codes held twice
        {QStringLiteral(u"№∵"), "\x87\x82\x81\xE6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(encodeCp932(c.text), c.bytes);
    }
    // Text held as Latin-1 goes through the same table once it is more than ASCII.
    EXPECT_EQ(latin1ToCp932("A\xA2\xAC"), QByteArray("A\x81\x91\x81\xCA"));
    EXPECT_THROW(latin1ToCp932("caf\xE9"), ProgramError);
}

TEST(Cp932, OtherCharactersAreRefusedByName) {
    const struct {
        QString text;
        QString refused;
    } cases[] = {
        {QStringLiteral("café.txt"), QStringLiteral("「é」(U+00E9)")},
        {QStringLiteral(u"a¥"), QStringLiteral("「¥」(U+00A5)")},  // would read back as '\'
        {QStringLiteral(u"x😀"), QStringLiteral("「😀」(U+1F600)")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        try {
            encodeCp932(c.text);
            ADD_FAILURE() << "encoded";
        } catch (const ProgramError& error) {
            EXPECT_EQ(error.description(),
                      c.refused + QStringLiteral(" はShift-JISで表せない文字なので書き込めません。"));
        }
    }
}
