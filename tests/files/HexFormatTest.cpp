#include <gtest/gtest.h>

#include <random>

#include "DataImage.h"
#include "HexFormat.h"
#include "ProgramError.h"
#include "TempFolder.h"

namespace {

using Outcome = HexFormat::LineResult::Outcome;
using LoadOutcome = HexFormat::LoadResult::Outcome;

// One load's worth of reader state over an image that starts empty.
struct Reader {
    DataImage image;
    HexComments comments;
    HexFormat::ReadState state;
    HexFormat::LineResult read(const QString& line) {
        return HexFormat::readLine(line, state, image, comments);
    }
};

int valueAt(const DataImage& image, int address) { return image.at(address).toInt(nullptr, 16); }

DataImage erasedImage() {
    DataImage image;
    for (int a = 0; a < DataImage::Size; ++a) image.set(a, u"FF");
    return image;
}

QStringList fileLines(const TempFolder& folder, const QString& name) {
    QStringList lines = QString::fromLatin1(folder.readBytes(name)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString());  // every line, the last included, ends in CR LF
    return lines;
}

}  // namespace

TEST(HexReader, RecordTable) {
    struct Row {
        QString line;
        Outcome outcome;
        QString errorText;
        int address;  // an image address to look at (-1: none) and the cell expected there
        QString cell;
    };
    const Row rows[] = {
        {":0100000041BE", Outcome::Accepted, "", 0, "41"},
        {":0100000041BF", Outcome::Rejected, "サムチェックエラー。計算値：0xBE と合いません。", 0,
         ""},
        {":01000000FA06", Outcome::Rejected, "サムチェックエラー。計算値：0x5 と合いません。", -1,
         ""},
        {":0200000041BE", Outcome::Rejected,
         "データー数不正。計算値:2 と実データー数が合いません。", -1, ""},
        {":0100000041B", Outcome::Rejected, "文字数エラー:文字数=12(奇数でなければいけません)", -1,
         ""},
        {":03001000abCdeF86", Outcome::Accepted, "", 0x11, "Cd"},
        {":01000000FF00", Outcome::Accepted, "", 0, "FF"},
        // 255 bytes of FF sum past what 16 signed bits hold.
        {":FF000000" + QString(510, u'F') + "00", Outcome::Accepted, "", 254, "FF"},
        {":0000000000", Outcome::Rejected, "データー数：0 は不正です。", -1, ""},
        {":00000001ff", Outcome::Accepted, "", -1, ""},
        {":00000001FE", Outcome::Rejected,
         "エンドレコードエラー:エンドレコードに間違いがあります。", -1, ""},
        {":01000001FF", Outcome::Rejected,
         "エンドレコードエラー:エンドレコードに間違いがあります。", -1, ""},
        {":00000006FA", Outcome::Rejected, "", -1, ""},
        // Stored as read, then found faulty; the cells before it stay.
        {":0200100041G100", Outcome::BadCell, "", 0x10, "41"},
        {":0200100041 100", Outcome::BadCell, "", 0x11, " 1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line.left(20).toStdString());
        Reader reader;
        const auto result = reader.read(row.line);
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(reader.state.errorText, row.errorText);
        if (row.address >= 0) {
            EXPECT_EQ(reader.image.at(row.address), row.cell);
        }
        if (result.outcome == Outcome::BadCell) {
            EXPECT_EQ(result.address, 0x11);
        }
        EXPECT_TRUE(reader.comments.before.isEmpty() && reader.comments.after.isEmpty());
    }
}

TEST(HexReader, UnreadableFieldsAndOutOfRangeAddressesThrow) {
    for (const char* line : {":", ":000000", ":0G00000000", ":00000002FE", ":0400000300G03800C1",
                             ":0200000480007A", ":04000002FFFFFFFFFE"}) {
        SCOPED_TRACE(line);
        Reader reader;
        EXPECT_THROW(reader.read(line), ProgramError);
    }
    Reader reader;  // a record running past the image keeps what fitted
    reader.read(":020000040001F9");
    EXPECT_THROW(reader.read(":02FFFF00AABB9B"), ProgramError);
    EXPECT_EQ(reader.image.at(0x1FFFF), QStringLiteral("AA"));
}

TEST(HexReader, ExtendedAddressRecordsMoveTheOffsetAndChooseTheRecordType) {
    struct Row {
        const char* extended;
        int32_t offset;
        HexRecordType type;
    };
    for (const Row& row : {Row{":020000040001F9", 0x10000, HexRecordType::Int32bit},
                           Row{":020000021000EC", 0x10000, HexRecordType::Int20bit},
                           Row{":0400000200001000EA", 0x10000, HexRecordType::Int20bit},
                           Row{":020000047FFF7C", 0x7FFF0000, HexRecordType::Int32bit}}) {
        SCOPED_TRACE(row.extended);
        Reader reader;
        reader.read(row.extended);
        EXPECT_EQ(reader.state.addressOffset, row.offset);
        EXPECT_EQ(reader.state.recordType, row.type);
        if (row.offset == 0x10000) {
            reader.read(":0100100041AE");
            EXPECT_EQ(reader.image.at(0x10010), QStringLiteral("41"));
        } else {
            EXPECT_THROW(reader.read(":0100100041AE"), ProgramError);
        }
    }
}

TEST(HexReader, CommentsGoToTheListOfTheCurrentOffset) {
    Reader reader;
    const QStringList lines = {"S00600004844521B", "",        ":0400000300003800C1",
                               ":020000040001F9",  "; after", ":040000050000CD2A00",
                               ":020000040000FA",  "; at 0"};
    for (const QString& line : lines) EXPECT_EQ(reader.read(line).outcome, Outcome::Accepted);
    EXPECT_EQ(reader.comments.before,
              QStringList({lines[0], lines[1], lines[2], lines[5], lines[7]}));
    EXPECT_EQ(reader.comments.after, QStringList({lines[4]}));
}

TEST(HexLoad, SRecordFileBecomesCommentsOverAnErasedImage) {
    TempFolder folder;
    const QStringList lines = {"S00600004844521B", "S1130000285F245F2212226A000424290008237C2A",
                               "S9030000FC"};
    folder.writeLines("s.hex", lines);
    DataImage image;
    HexComments comments{{"old"}, {"old"}};
    HexFormat::ReadState state;
    state.recordType = HexRecordType::Int32bit;
    const auto result = HexFormat::load(folder.path("s.hex"), image, comments, state);
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_FALSE(state.endRecordSeen);
    EXPECT_FALSE(state.recordType.has_value());
    EXPECT_EQ(comments.before, lines);
    EXPECT_TRUE(comments.after.isEmpty());
    for (int a = 0; a < DataImage::Size; ++a) ASSERT_EQ(image.at(a), QStringLiteral("FF")) << a;

    EXPECT_THROW(HexFormat::load(folder.path("none.hex"), image, comments, state), ProgramError);
}

TEST(HexLoad, StopsAtTheFirstFaultyLineCountingEveryLine) {
    TempFolder folder;
    folder.writeLines("bad.hex", {"; by hand", ":0100000041BE", ":020000021000EC", ":0100000041BF",
                                  ":0100010041BD"});
    folder.writeLines("cell.hex", {":00000001FF", ":0200100041G100"});
    QStringList comments1025(1025, "; note");
    folder.writeLines("over.hex", comments1025);
    folder.writeLines("ok.hex", comments1025.mid(1));

    DataImage image;
    HexComments comments;
    HexFormat::ReadState state;
    auto result = HexFormat::load(folder.path("bad.hex"), image, comments, state);
    EXPECT_EQ(result.outcome, LoadOutcome::RecordError);
    EXPECT_EQ(result.line, 4);
    EXPECT_EQ(result.errorText, QStringLiteral("サムチェックエラー。計算値：0xBE と合いません。"));
    EXPECT_EQ(state.recordType, HexRecordType::Int20bit);
    EXPECT_EQ(image.at(0) + image.at(1), QStringLiteral("41FF"));

    result = HexFormat::load(folder.path("cell.hex"), image, comments, state);
    EXPECT_EQ(result.outcome, LoadOutcome::BadCell);
    EXPECT_EQ(result.line, 2);
    EXPECT_EQ(result.address, 0x11);
    EXPECT_EQ(result.cellText, QStringLiteral("G1"));
    EXPECT_TRUE(result.errorText.isEmpty());

    EXPECT_EQ(HexFormat::load(folder.path("ok.hex"), image, comments, state).outcome,
              LoadOutcome::Loaded);
    result = HexFormat::load(folder.path("over.hex"), image, comments, state);
    EXPECT_EQ(result.line, 1025);
    EXPECT_EQ(result.errorText,
              QStringLiteral("コメント(不正)行オーバー。(ファイル間違い?):1024以内です。"));
}

TEST(HexLoad, MessagesReadAsTheUserSeesThem) {
    EXPECT_EQ(
        HexFormat::recordErrorMessage("a.hex", "データー数：0 は不正です。", 7),
        QStringLiteral("a.hex\r\nデーター数：0 は不正です。\r\n【行数：7 】読み取りを停止しま"
                       "す。\r\n\r\n16進コード(半角0～9,A,B,C,D,E,F)で\r\na.hex の該当行が\r\n"
                       "適正になるよう修正してください。\r\n"
                       "本アプリを終了し、ファイルを直接修正してください。"));
    EXPECT_EQ(HexFormat::missingEndRecordMessage("a.hex"),
              QStringLiteral("a.hex\r\nデーターの読み取りは終了しましたが\r\n"
                             "エンドレコード検出されませんでした。\r\n"
                             "データーの整合性をチェックしてください。\r\n"));
}

TEST(HexWriter, WritesOnlyTheNonErasedSpanOfEachGroup) {
    struct Row {
        QList<std::pair<int, QString>> cells;
        QStringList records;
    };
    const Row rows[] = {
        {{}, {}},
        {{{5, "41"}}, {":0100050041B9"}},
        {{{0x100, "FF"}, {0x101, "12"}, {0x102, "FF"}, {0x103, "34"}}, {":0301010012FF34B6"}},
        {{{0x20, "ab"}, {0x21, "ff"}, {0x22, "Cd"}, {0x23, "ff"}}, {":03002000abffCd66"}},
        {{{0x3F, "00"}, {0x40, "00"}}, {":01003F0000C0", ":0100400000BF"}},
        {{{0x10, "41"}, {0x11, ""}, {0x12, "42"}}, {":0300100041FF426B"}},  // never loaded: FF
    };
    for (const Row& row : rows) {
        TempFolder folder;
        DataImage image = erasedImage();
        for (const auto& [address, text] : row.cells) image.set(address, text);
        HexFormat::save(folder.path("out.hex"), image, {}, HexRecordType::Int32bit);
        EXPECT_EQ(fileLines(folder, "out.hex"), row.records + QStringList{":00000001FF"});
    }
    TempFolder folder;
    HexFormat::save(folder.path("empty.hex"), DataImage(), {}, HexRecordType::Int32bit);
    EXPECT_EQ(folder.readBytes("empty.hex"), QByteArray(":00000001FF\r\n"));
}

TEST(HexWriter, OneExtendedRecordBeforeTheFirstGroupAboveTheFirst64K) {
    TempFolder folder;
    DataImage image = erasedImage();
    image.set(0xFFF0, u"11");
    const HexComments comments{{"; first", ":0400000300003800C1"}, {"Count:0xFF", "; last"}};
    HexFormat::save(folder.path("low.hex"), image, comments, HexRecordType::Int32bit);
    EXPECT_EQ(fileLines(folder, "low.hex"),
              QStringList({"; first", ":0400000300003800C1", ":01FFF00011FF", ":00000001FF",
                           "Count:0xFF", "; last"}));
    image.set(0x10010, u"41");
    image.set(0x10011, u"42");
    image.set(0x1FFF0, u"11");
    const QStringList high = {":0200100041426B", ":01FFF00011FF", ":00000001FF"};
    HexFormat::save(folder.path("i32.hex"), image, {}, HexRecordType::Int32bit);
    EXPECT_EQ(fileLines(folder, "i32.hex"),
              QStringList({":01FFF00011FF", ":020000040001F9"}) + high);
    HexFormat::save(folder.path("i20.hex"), image, {}, HexRecordType::Int20bit);
    EXPECT_EQ(fileLines(folder, "i20.hex"),
              QStringList({":01FFF00011FF", ":020000021000EC"}) + high);
}

TEST(HexWriter, NonHexCellThrowsAndLeavesTheOldFile) {
    TempFolder folder;
    folder.writeBytes("keep.hex", ":00000001FF\r\n; old\r\n");
    DataImage image = erasedImage();
    image.set(0x1FFFE, u"4G");
    EXPECT_THROW(HexFormat::save(folder.path("keep.hex"), image, {}, HexRecordType::Int32bit),
                 ProgramError);
    EXPECT_EQ(folder.readBytes("keep.hex"), QByteArray(":00000001FF\r\n; old\r\n"));
}

// Oracle: saving and loading gives back every byte value, and the text of every byte that is not
// FF; a second save is byte-identical to the first.
TEST(HexRoundTrip, RandomImagesSurviveSaveAndLoad) {
    for (const HexRecordType type : {HexRecordType::Int20bit, HexRecordType::Int32bit}) {
        std::mt19937 random(20240229);
        auto cellText = [&](unsigned value) {
            const QString text = QStringLiteral("%1").arg(value, 2, 16, QChar(u'0'));
            return random() % 2 ? text.toUpper() : text;
        };
        DataImage image = erasedImage();
        for (int start : {0x0, 0xFFF0, 0x1FFD0}) {
            for (int a = start; a < start + 0x30; ++a) {
                image.set(a, cellText(random() % 4 == 0 ? 0xFF : random() % 256));
            }
        }
        for (int run = 0; run < 200; ++run) {
            const int start = static_cast<int>(random() % (DataImage::Size - 40));
            const int end = start + static_cast<int>(random() % 40);
            for (int a = start; a < end; ++a) {
                image.set(a, cellText(random() % 256));
            }
        }
        TempFolder folder;
        const HexComments comments{{"; head"}, {"; tail"}};
        HexFormat::save(folder.path("a.hex"), image, comments, type);
        DataImage loaded;
        HexComments readBack;
        HexFormat::ReadState state;
        const auto result = HexFormat::load(folder.path("a.hex"), loaded, readBack, state);
        ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
        EXPECT_TRUE(state.endRecordSeen);
        EXPECT_EQ(state.recordType, type);
        EXPECT_EQ(readBack.before, comments.before);
        EXPECT_EQ(readBack.after, comments.after);
        for (int a = 0; a < DataImage::Size; ++a) {
            ASSERT_EQ(valueAt(loaded, a), valueAt(image, a)) << a;
            if (valueAt(image, a) != 0xFF) {
                ASSERT_EQ(loaded.at(a), image.at(a)) << a;
            }
        }
        HexFormat::save(folder.path("b.hex"), loaded, readBack, type);
        EXPECT_EQ(folder.readBytes("b.hex"), folder.readBytes("a.hex"));
    }
}
