// Copy and paste of cells as hexadecimal text, on the state record without a window.

#include <gtest/gtest.h>

#include <memory>

#include "ClipboardText.h"
#include "DeviceState.h"
#include "HexBytes.h"
#include "HexText.h"
#include "ProgramState.h"
#include "Selection.h"

namespace {

std::unique_ptr<ProgramState> zeroedDeviceOf(int32_t capacity, int32_t selected) {
    auto s = deviceOf(capacity, selected);
    s->Image.fill(u"00");
    return s;
}

QString cells(const ProgramState& s, int32_t first, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) texts << s.Image.at(first + i);
    return texts.join(u' ');
}

}  // namespace

TEST(ClipboardText, CopyWritesUpperCaseBytesSixteenALineOrRefusesCellsThatHoldNone) {
    const auto s = zeroedDeviceOf(256, 0);
    for (int a = 0; a < 256; ++a) s->Image.set(a, fixedHex(static_cast<uint32_t>(a), 2));
    s->Image.set(0xF8, u"ab");
    s->Image.set(0x22, u"");
    struct Row {
        CellRange range;
        const char* text;
        const char* refusal = nullptr;
    };
    const Row rows[] = {
        {{0x05, 0x05}, "05"},
        {{0x12, 0x10}, "10 11 12"},  // extended backwards
        {{0x00, 0x10}, "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\n10"},
        {{0xF8, 0x1FF}, "AB F9 FA FB FC FD FE FF"},  // stops at the device's end
        {{0x20, 0x30},
         "",
         "0x0022 のデーター【】は16進数2桁ではありません。\r\nコピーを取り消します。"},
        {{0x100, 0x120}, "", "コピーするセルがデバイスの範囲外です。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const ClipboardResult copy = copyCells(*s, row.range);
        EXPECT_EQ(copy.text, QString::fromLatin1(row.text));
        EXPECT_EQ(copy.refusal ? copy.refusal->text : QString(), QString::fromUtf8(row.refusal));
    }
}

TEST(ClipboardText, HexTextReadsBytesOrNamesWhatIsNot) {
    struct Row {
        QString text;
        const char* bytes;  // in hex, when read
        const char* fault;
    };
    const QString huge = QString(1 << 20, u'7') + QStringLiteral("Z");
    const Row rows[] = {
        {QStringLiteral("1A 2b\t0x3C\r\n0X4d"), "1a2b3c4d", nullptr},
        {QStringLiteral("1A2B"), "1a2b", nullptr},
        {QStringLiteral("AB0xCD"), "abcd", nullptr},
        {QStringLiteral("7"), nullptr,
         "データーの【7】(1文字目)から始まるバイトが1桁しかありません。"},
        {QStringLiteral("12 3 45"), nullptr,
         "データーの【3】(4文字目)から始まるバイトが1桁しかありません。"},
        {QStringLiteral("0x"), nullptr,
         "データーの【0x】(1文字目)の後に16進数2桁のバイトがありません。"},
        {QStringLiteral("0x 12"), nullptr,
         "データーの【0x】(1文字目)の後に16進数2桁のバイトがありません。"},
        {QStringLiteral("１２"), nullptr,
         "データーの【１】(1文字目)は16進数の文字ではありません。"},
        {QStringLiteral("12\n3G"), nullptr,
         "データーの【G】(2行目の2文字目)は16進数の文字ではありません。"},
        {QStringLiteral("12\u300034"), nullptr,
         "データーの【U+3000】(3文字目)は16進数の文字ではありません。"},
        {QStringLiteral("12,"), nullptr, "データーの【,】(3文字目)は16進数の文字ではありません。"},
        {huge, nullptr, "データーの【Z】(1048577文字目)は16進数の文字ではありません。"},
        {QStringLiteral(" \r\n"), nullptr, "データーに16進数のバイトがありません。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.left(20).toStdString());
        const HexBytes read = readHexBytes(row.text, 16, QStringLiteral("データー"));
        if (row.fault) {
            ASSERT_TRUE(read.fault);
            EXPECT_EQ(*read.fault, QString::fromUtf8(row.fault));
        } else {
            EXPECT_FALSE(read.fault);
            EXPECT_EQ(read.bytes.toHex(), row.bytes);
        }
    }
}

TEST(ClipboardText, PasteWritesEverythingWithMarksOrNothing) {
    struct Row {
        int32_t selected;
        QString text;
        const char* refusal;  // how the box begins; null when the paste is made
    };
    QString megabyte;
    for (int i = 0; i < (1 << 20) / 3; ++i) megabyte += QStringLiteral("5A ");
    const Row rows[] = {
        {0x1FFF0, QStringLiteral("01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0f 0x10"), nullptr},
        {0x1FFF0, QStringLiteral("01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11"),
         "貼り付けるデーターは 17 バイトありますが、0x1FFF0 からデバイスの最後までに入るのは 16 "
         "バイトです。"},
        {0, megabyte,
         "貼り付けるデーターは 349525 バイトありますが、0x00000 からデバイスの最後までに入るのは "
         "131072 バイトです。"},
        {0x100, QStringLiteral("0102 3"), "貼り付けるデーターの【3】"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selected);
        const auto s = zeroedDeviceOf(131072, row.selected);
        const ClipboardResult paste = pasteText(*s, row.text, true);
        if (row.refusal) {
            ASSERT_TRUE(paste.refusal);
            EXPECT_EQ(paste.refusal->title, QStringLiteral("貼り付けエラー"));
            EXPECT_TRUE(paste.refusal->text.startsWith(QString::fromUtf8(row.refusal)))
                << paste.refusal->text.toStdString();
            EXPECT_EQ(cells(*s, row.selected, 3), QStringLiteral("00 00 00"));
            EXPECT_FALSE(s->EditMarks[static_cast<std::size_t>(row.selected)]);
        } else {
            EXPECT_FALSE(paste.refusal);
            EXPECT_EQ(cells(*s, 0x1FFFE, 2), QStringLiteral("0F 10"));  // in upper case
            EXPECT_TRUE(s->EditMarks[0x1FFFF]);
            EXPECT_EQ(paste.messageLine,
                      QStringLiteral("0x1FFF0 ～ 0x1FFFF に 16 バイトを貼り付けました。"));
        }
    }
}

TEST(ClipboardText, PasteDoesNothingWhileAnOperationIsArmedOrRunning) {
    for (const bool allData : {true, false}) {
        const auto s = zeroedDeviceOf(256, 0x10);
        (allData ? s->AllDataArmed : s->OperationRunning) = true;
        const ClipboardResult paste = pasteText(*s, QStringLiteral("AB"), true);
        EXPECT_FALSE(paste.refusal);
        EXPECT_TRUE(paste.messageLine.isEmpty());
        EXPECT_EQ(s->Image.at(0x10), QStringLiteral("00"));
    }
}
