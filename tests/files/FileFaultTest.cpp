// Every reader names the file, the line and the kind of a fault, also for the faults that stop a
// load in the failure report.

#include <gtest/gtest.h>

#include <functional>

#include "DataImage.h"
#include "FileFault.h"
#include "HexFormat.h"
#include "SRecordFormat.h"
#include "TempFolder.h"
#include "TextFormat.h"

TEST(FileFault, ReadersReportTheFileTheLineAndTheKind) {
    using Kind = FileFault::Kind;
    QStringList text(TextFormat::kLines, QString(32, u'0'));
    text[2] = QStringLiteral("00G0") + QString(28, u'0');
    const struct {
        const char* file;
        QStringList lines;
        int line;
        Kind kind;
        int64_t value;
    } rows[] = {
        {"a.txt", text.mid(0, 2) + QStringList{"0"} + text.mid(3), 3, Kind::LineLength, 1},
        {"b.txt", text, 3, Kind::BadCell, 0x21},
        {"a.hex", {"; note", ":0100000041BF"}, 2, Kind::HexChecksum, 0xBE},
        {"b.hex", {":00000001FF", ":0200100041G100"}, 2, Kind::BadCell, 0x11},
        {"c.hex", {":00000001FF", ":0100000041BE", ":0G00000000"}, 3, Kind::UnreadableField, 0},
        {"d.hex", {":020000040001F9", ":02FFFF00AABB9B"}, 2, Kind::HexBeyondImage, 0x20000},
        {"a.s19", {"S0030000FC", "", "S104000041BB"}, 3, Kind::SRecordChecksum, 0xBB},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        TempFolder folder;
        folder.writeLines(row.file, row.lines);
        const QString path = folder.path(row.file);
        const QString name = row.file;
        DataImage image;
        std::optional<FileFault> fault;
        try {
            if (name.endsWith(".txt")) {
                fault = TextFormat::load(path, image).fileFault;
            } else if (name.endsWith(".hex")) {
                HexComments comments;
                HexFormat::ReadState state;
                fault = HexFormat::load(path, image, comments, state).fileFault;
            } else {
                fault = SRecordFormat::load(path, image).fileFault;
            }
        } catch (const FileFaultError& error) {
            fault = error.fault();
        }
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->file, path);
        EXPECT_EQ(fault->line, row.line);
        EXPECT_EQ(fault->kind, row.kind);
        EXPECT_EQ(fault->value, row.value);
    }
}
