#include <gtest/gtest.h>

#include "DeviceCatalogue.h"
#include "ProgramError.h"
#include "TempFolder.h"

TEST(DeviceCatalogue, ListsEveryRecordBegunButCountsCompleteOnes) {
    TempFolder folder;
    QStringList lines;
    for (int record = 0; record < 3; ++record) {
        lines << QStringLiteral("デバイス%1").arg(record);
        for (int i = 1; i < 9; ++i) lines << QString::number(i);
    }
    lines = lines.mid(0, 20);  // two whole records and two lines of a third
    folder.writeLines("device.txt", lines);
    const DeviceListing listing = scanDeviceFile(folder.path("device.txt"));
    EXPECT_EQ(listing.names, (QStringList{"デバイス0", "デバイス1", "デバイス2"}));
    EXPECT_EQ(listing.completeRecords, 2);
}

TEST(DeviceCatalogue, MissingFileThrows) {
    TempFolder folder;
    EXPECT_THROW(scanDeviceFile(folder.path("device.txt")), ProgramError);
}
