// Files a reader must refuse before reading: FIFOs and devices would block or never end, and a
// file far larger than any image would fill memory.

#include <gtest/gtest.h>

#include <functional>

#include "BinaryFormat.h"
#include "DataImage.h"
#include "HexFormat.h"
#include "LineFile.h"
#include "ProgramError.h"
#include "TempFolder.h"
#include "TextFormat.h"

TEST(UnusualFiles, EachReaderRefusesFifosAndTheLineReadersRefuseHugeFiles) {
    TempFolder folder;
#ifndef Q_OS_WIN
    makeFifo(folder.path("fifo"));
#endif
    makeSparseFile(folder.path("huge"), kDataFileLimit + 1);
    DataImage image;
    const std::function<void(const QString&)> readers[] = {
        [&](const QString& path) { TextFormat::load(path, image); },
        [&](const QString& path) {
            HexComments comments;
            HexFormat::ReadState state;
            HexFormat::load(path, image, comments, state);
        },
        [&](const QString& path) { BinaryFormat::load(path, image); },
    };
    const struct {
        int reader;
        const char* file;
        const char* description;  // empty: read without complaint
    } rows[] = {
#ifndef Q_OS_WIN
        {0, "fifo", "通常のファイルではありません"},
        {1, "fifo", "通常のファイルではありません"},
        {2, "fifo", "通常のファイルではありません"},
#endif
        {0, "huge", "ファイルが大きすぎます"},
        {1, "huge", "ファイルが大きすぎます"},
        {2, "huge", ""},  // takes its first 128 KiB as any binary file
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.reader) + row.file);
        QString description;
        try {
            readers[row.reader](folder.path(row.file));
        } catch (const ProgramError& error) {
            description = error.description();
        }
        if (*row.description == 0) {
            EXPECT_TRUE(description.isEmpty()) << description.toStdString();
        } else {
            EXPECT_TRUE(description.startsWith(QString::fromUtf8(row.description)))
                << description.toStdString();
            EXPECT_TRUE(description.contains(folder.path(row.file)));
        }
    }
}
