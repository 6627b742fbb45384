#include <gtest/gtest.h>

#include "DeviceEditor.h"
#include "ProgramError.h"
#include "TempFolder.h"

namespace {

const std::array<int, 3> kAllLow = {0, 0, 0};
const std::array<int, 3> kPinsInOrder = {0, 1, 2};

}  // namespace

TEST(ConfigPreview, ShowsControlBytesShortAndPortBytesWithTwoDigits) {
    const ConfigPreview preview{0xA2, 0x0A, 0x01, 0x00};
    EXPECT_EQ(preview.texts(), (std::array<QString, 4>{"0xA2", "0xA", "0x01", "0x00"}));
    const ConfigPreview read = ConfigPreview::fromTexts({"0xA2", "0x1", "0x29", "junk"});
    EXPECT_EQ(read.dabLow, 0xA2);
    EXPECT_EQ(read.dabHigh, 0x01);
    EXPECT_EQ(read.portA, 0x29);
    EXPECT_EQ(read.portB, 0x00);
}

TEST(ConfigPreview, PinDrivingABitSetsItHighAndClearsItWithTheReadWriteBitLow) {
    ConfigPreview preview{0xA1, 0xA1, 0x01, 0x00};
    applyPinChoice(preview, 0, 1, kPinsInOrder, QStringLiteral("PIC18F2550"));
    EXPECT_EQ(preview.dabLow, 0xA3);
    EXPECT_EQ(preview.dabHigh, 0xA3);
    EXPECT_EQ(preview.portA, 0x09);
    applyPinChoice(preview, 0, 0, kPinsInOrder, QStringLiteral("PIC18F2550"));
    EXPECT_EQ(preview.dabLow, 0xA0);
    EXPECT_EQ(preview.dabHigh, 0xA0);
    EXPECT_EQ(preview.portA, 0x01);
}

TEST(ConfigPreview, BlockSelectSourceSetsOnlyTheHighControlByte) {
    ConfigPreview preview{0xA9, 0xA1, 0, 0};
    applyAddressingChoice(preview, 3, kSourceB0, {1, 1, 1});
    EXPECT_EQ(preview.dabLow, 0xA0);
    EXPECT_EQ(preview.dabHigh, 0xA9);
    applyAddressingChoice(preview, 3, 2, {0, 0, 1});  // back to pin A2, which is high
    EXPECT_EQ(preview.dabLow, 0xA8);
    EXPECT_EQ(preview.dabHigh, 0xA9);
    applyAddressingChoice(preview, 3, kNoChoice, kAllLow);
    EXPECT_EQ(preview.dabLow, 0xA8);
}

TEST(ConfigPreview, PortBitsFollowTheController) {
    ConfigPreview preview{0xA0, 0xA0, 0x04, 0x00};
    applyPinChoice(preview, 2, 1, {3, 3, 3}, QStringLiteral("PIC16F88"));
    EXPECT_EQ(preview.portA, 0x04);
    EXPECT_EQ(preview.portB, 0x08);
    EXPECT_EQ(preview.dabLow, 0xA0);  // no bit takes its value from A2

    ConfigPreview other{0xA0, 0xA0, 0x20, 0x00};
    applyPinChoice(other, 1, 1, kPinsInOrder, QStringLiteral("PIC18F14K50"));
    EXPECT_EQ(other.portA, 0x22);

    ConfigPreview unknown{0xA0, 0xA0, 0x55, 0x66};
    applyPinChoice(unknown, 0, 1, kPinsInOrder, QStringLiteral("Z80"));
    EXPECT_EQ(unknown.portA, 0x55);
    EXPECT_EQ(unknown.portB, 0x66);
    EXPECT_EQ(unknown.dabLow, 0xA2);
}

TEST(CpuChoices, PositionIsTheMatchingNameOrTheNameReadAsANumber) {
    const QStringList names{"PIC18F2550", "PIC18F14K50", "PIC16F1827", "PIC16F88"};
    EXPECT_EQ(cpuListPosition({"PIC16F1827", names}), 2);
    EXPECT_EQ(cpuListPosition({"1", names}), 1);
    EXPECT_THROW(cpuListPosition({"Z80", names}), ProgramError);
    EXPECT_THROW(cpuListPosition({"9", names}), ProgramError);
}

TEST(CpuChoices, WriteThenReadGivesTheChosenNameFirst) {
    TempFolder folder;
    writeCpuChoices(folder.path("cpu.txt"), "PIC16F88", {"PIC18F2550", "PIC16F88"});
    const CpuChoices read = readCpuChoices(folder.path("cpu.txt"));
    EXPECT_EQ(read.current, QStringLiteral("PIC16F88"));
    EXPECT_EQ(read.names, (QStringList{"PIC18F2550", "PIC16F88"}));
    EXPECT_EQ(cpuListPosition(read), 1);
}

TEST(DeviceChoices, ListsAreCutAtTheirFixedLines) {
    TempFolder folder;
    QStringList lines;
    for (int i = 0; i < 21; ++i) lines << QString::number(i);
    lines << "L"
          << "H"
          << "A0"
          << "A1"
          << "A2"
          << "B0"
          << "P0";
    folder.writeLines("deviceList.txt", lines);
    const DeviceChoices choices = readDeviceChoices(folder.path("deviceList.txt"));
    EXPECT_EQ(choices.sizes.size(), 14);
    EXPECT_EQ(choices.pageSizes.first(), QStringLiteral("14"));
    EXPECT_EQ(choices.pinLevels, (QStringList{"L", "H"}));
    EXPECT_EQ(choices.addressing.size(), 5);
}

TEST(DeviceRecords, ReplaceAppendAndAnIndexOutsideTheCatalogue) {
    const QStringList a = deviceRecordLines("a", "256", "8", {0, 0, 0}, {0, 1, 2});
    const QStringList b = deviceRecordLines("b", "512", "16", {1, 0, 1}, {3, 1, 2});
    EXPECT_EQ(b, (QStringList{"b", "512", "16", "1", "0", "1", "3", "1", "2"}));
    QStringList catalogue = a + a + QStringList{"partial", "1"};
    EXPECT_THROW(placeRecord(catalogue, b, false, 0), ProgramError);  // no room for the partial one
    EXPECT_EQ(catalogue.size(), 20);
    EXPECT_EQ(placeRecord(catalogue, b, true, 0), 2);  // an append drops it
    EXPECT_EQ(catalogue.size(), 27);

    EXPECT_EQ(placeRecord(catalogue, b, false, 1), 1);
    EXPECT_EQ(catalogue.mid(9, 9), b);
    EXPECT_EQ(placeRecord(catalogue, b, true, 0), 3);
    EXPECT_EQ(catalogue.size(), 36);
    EXPECT_EQ(catalogue.mid(0, 9), a);
    EXPECT_THROW(placeRecord(catalogue, a, false, 4), ProgramError);
    EXPECT_THROW(placeRecord(catalogue, a, false, -1), ProgramError);
}
