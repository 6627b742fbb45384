// Find: the pattern from the find box, and the search with its wrap.

#include <gtest/gtest.h>

#include "DataImage.h"
#include "FindBytes.h"

namespace {

CodeTable letters() {
    CodeTable table;
    for (int i = 0; i < 26; ++i) table[static_cast<std::size_t>(0x41 + i)] = QChar(u'A' + i);
    table[0x80] = QStringLiteral("A");  // a second entry of a character: the first one counts
    table[0xB1] = QStringLiteral("ｱ");
    return table;
}

}  // namespace

TEST(FindBytes, PatternIsHexOrTextThroughTheCodeTable) {
    struct Row {
        QString text;
        FindKind kind;
        const char* bytes;    // in hex, when read
        const char* refusal;  // how the box begins
    };
    const Row rows[] = {
        {QStringLiteral("12 0xAB"), FindKind::Hex, "12ab", nullptr},
        {QStringLiteral("ABｱ"), FindKind::Text, "4142b1", nullptr},
        {QString(), FindKind::Hex, nullptr, "検索するデーターを入力してください。"},
        {QString(), FindKind::Text, nullptr, "検索するデーターを入力してください。"},
        {QStringLiteral("1G"), FindKind::Hex, nullptr, "検索データーの【G】(2文字目)は16進数"},
        {QString(257, u'A'), FindKind::Text, nullptr,
         "検索データーがデバイスの容量(256 バイト)より長いです。"},
        {QString(257, u'A') + QStringLiteral("?"), FindKind::Text, nullptr,
         "検索データーの【?】(258文字目)はcode.txtにない文字です。"},
        {QStringLiteral("00 ").repeated(257), FindKind::Hex, nullptr,
         "検索データーがデバイスの容量(256 バイト)より長いです。"},
        {QStringLiteral("Aa"), FindKind::Text, nullptr,
         "検索データーの【a】(2文字目)はcode.txtにない文字です。"},
        {QStringLiteral("A😀"), FindKind::Text, nullptr, "検索データーの【😀】(2文字目)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.left(20).toStdString());
        const FindPattern pattern = readFindPattern(row.text, row.kind, letters(), 256);
        if (row.refusal) {
            ASSERT_TRUE(pattern.refusal);
            EXPECT_EQ(pattern.refusal->title, QStringLiteral("検索エラー"));
            EXPECT_TRUE(pattern.refusal->text.startsWith(QString::fromUtf8(row.refusal)))
                << pattern.refusal->text.toStdString();
        } else {
            EXPECT_FALSE(pattern.refusal);
            EXPECT_EQ(pattern.bytes.toHex(), row.bytes);
        }
    }
}

TEST(FindBytes, SearchRunsFromTheSelectedCellAndWrapsOnce) {
    // A 512-byte device: 12 AB at 0x010 and 0x1F0 (in lower case there); 12 AB also beyond the
    // device, at 0x200, and a 12 followed by a cell that holds no byte at 0x100.
    DataImage image;
    image.fill(u"00");
    for (const int a : {0x010, 0x1F0, 0x200}) {
        image.set(a, u"12");
        image.set(a + 1, a == 0x1F0 ? u"ab" : u"AB");
    }
    image.set(0x100, u"12");
    image.set(0x101, u"");
    using D = FindDirection;
    struct Row {
        int32_t from;
        D direction;
        int32_t address;  // -1: none
        bool wrapped;
    };
    const Row rows[] = {
        {0x000, D::Forward, 0x010, false},
        {0x010, D::Forward, 0x010, false},  // a match at the selected cell counts
        {0x011, D::Forward, 0x1F0, false},
        {0x1F1, D::Forward, 0x010, true},
        {0x1FF, D::Backward, 0x1F0, false},
        {0x1EF, D::Backward, 0x010, false},
        {0x00F, D::Backward, 0x1F0, true},
    };
    const QByteArray pattern = QByteArray::fromHex("12AB");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.from << " " << int(row.direction));
        const auto hit = findBytes(image, 512, pattern, row.from, row.direction);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->address, row.address);
        EXPECT_EQ(hit->wrapped, row.wrapped);
    }
    EXPECT_FALSE(findBytes(image, 512, QByteArray::fromHex("12FF"), 0, D::Forward));
    EXPECT_FALSE(findBytes(image, 512, QByteArray::fromHex("1200"), 0x102, D::Backward));
    EXPECT_EQ(findBytes(image, 0x100, pattern, 0x50, D::Forward)->address, 0x010);
}
