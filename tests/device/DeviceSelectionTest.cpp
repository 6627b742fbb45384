#include <gtest/gtest.h>

#include "DeviceSelection.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "TempFolder.h"

namespace {

QStringList record(const QString& name, int size, int page, std::array<int, 6> params) {
    QStringList lines{name, QString::number(size), QString::number(page)};
    for (int p : params) lines << QString::number(p);
    return lines;
}

class DeviceSelection : public ::testing::Test {
protected:
    void writeCatalogue(const QStringList& lines) { folder.writeLines("device.txt", lines); }
    void select(int16_t index) {
        applyDeviceRecord(state, folder.path("device.txt"), index, labels);
    }

    TempFolder folder;
    ProgramState state;
    DeviceLabels labels;
};

}  // namespace

TEST_F(DeviceSelection, AppliesTheRecordAndWritesTheLabels) {
    writeCatalogue(record("24C02", 256, 8, {0, 0, 0, 0, 1, 2}) +
                   record("24C512", 65536, 128, {0, 0, 0, 0, 1, 2}));
    select(1);
    EXPECT_EQ(state.DeviceName, QStringLiteral("24C512"));
    EXPECT_EQ(state.DeviceCapacity, 65536);
    EXPECT_EQ(state.PageSizeBytes, (std::array<uint8_t, 2>{128, 0}));
    EXPECT_EQ(state.DeviceCount, 2);
    EXPECT_EQ(labels[0], QStringLiteral("Size=65536byt Page=128byt"));
    EXPECT_EQ(labels[1], QStringLiteral("A0=L A1=L A2=L"));
    EXPECT_EQ(labels[2], QStringLiteral("bit3=A2 bit2=A1 bit1=A0"));
}

TEST_F(DeviceSelection, SourceLabelsKeepTheirBlanksAndLevelTwoCountsAsLow) {
    writeCatalogue(record("x", 512, 256, {2, 1, 0, 4, 3, 3}));
    select(0);
    EXPECT_EQ(labels[1], QStringLiteral("A0=L A1=H A2=L"));
    EXPECT_EQ(labels[2], QStringLiteral("bit3=B0  bit2=B0 bit1=P0"));
    EXPECT_EQ(state.PageSizeBytes, (std::array<uint8_t, 2>{0, 1}));
}

TEST_F(DeviceSelection, IndexBeyondTheCatalogueAppliesNothing) {
    writeCatalogue(record("24C02", 256, 8, {0, 0, 0, 0, 1, 2}));
    state.DeviceName = QStringLiteral("before");
    labels = {"a", "b", "c"};
    select(5);
    EXPECT_EQ(state.DeviceName, QStringLiteral("before"));
    EXPECT_EQ(labels, (DeviceLabels{"a", "b", "c"}));
    EXPECT_EQ(state.DeviceCount, 1);
}

TEST_F(DeviceSelection, PartialLastRecordIsAppliedButNotCounted) {
    writeCatalogue(record("a", 256, 8, {0, 0, 0, 0, 1, 2}) + QStringList{"tail", "1024"});
    state.PageSizeBytes = {16, 0};
    select(1);
    EXPECT_EQ(state.DeviceName, QStringLiteral("tail"));
    EXPECT_EQ(state.DeviceCapacity, 1024);
    EXPECT_EQ(state.PageSizeBytes, (std::array<uint8_t, 2>{16, 0}));
    EXPECT_EQ(state.DeviceCount, 1);
}

TEST_F(DeviceSelection, BadNumbersFailTheSelection) {
    writeCatalogue(record("a", 256, 8, {300, 0, 0, 0, 1, 2}));
    EXPECT_THROW(select(0), ProgramError);
    writeCatalogue(QStringList{"a", "12k"});
    EXPECT_THROW(select(0), ProgramError);
    writeCatalogue(QStringList{"a", "256", "-8"});
    EXPECT_THROW(select(0), ProgramError);
}

TEST(DeviceParameters, ControlBytesFollowPinsSourcesAndController) {
    ProgramState state;
    state.DeviceCapacity = 131072;
    state.DeviceParams = {1, 0, 1, 0, 1, 3};
    state.WriterCpu = QStringLiteral("PIC18F2550");
    deriveDeviceParameters(state);
    EXPECT_EQ(state.ControlBytes, (std::array<uint8_t, 4>{0xA2, 0xAA, 0x29, 0x00}));
    EXPECT_EQ(state.CapacityBytes, (std::array<uint8_t, 3>{0x00, 0x00, 0x02}));

    state.WriterCpu = QStringLiteral("PIC16F88");
    deriveDeviceParameters(state);
    EXPECT_EQ(state.ControlBytes[2], 0x04 | 0x08);
    EXPECT_EQ(state.ControlBytes[3], 0x08);

    state.WriterCpu = QStringLiteral("PIC18F14K50");
    state.DeviceParams = {0, 1, 1, 0, 1, 2};
    deriveDeviceParameters(state);
    EXPECT_EQ(state.ControlBytes, (std::array<uint8_t, 4>{0xAC, 0xAC, 0x26, 0x00}));
}

TEST(DeviceParameters, UnknownControllerLeavesThePinPattern) {
    ProgramState state;
    state.ControlBytes = {0, 0, 0x55, 0x66};
    state.DeviceCapacity = 200;
    state.DeviceParams = {2, 0, 0, 7, 4, 3};
    state.WriterCpu = QStringLiteral("pic18f2550");
    deriveDeviceParameters(state);
    EXPECT_EQ(state.ControlBytes, (std::array<uint8_t, 4>{0xA0, 0xAC, 0x55, 0x66}));
}

TEST(DeviceParameters, SizesTheBoardOrTheBlockBarCannotTakeFail) {
    EXPECT_EQ(blockBarMaximumFor(512), 511);
    EXPECT_EQ(blockBarMaximumFor(32768), 32767);
    EXPECT_EQ(blockBarMaximumFor(0), 0);  // smaller than one block
    EXPECT_THROW(blockBarMaximumFor(65536), ProgramError);

    ProgramState state;
    state.CapacityBytes = {1, 2, 3};
    for (int32_t size : {16777216, -1}) {
        state.DeviceCapacity = size;
        EXPECT_THROW(deriveDeviceParameters(state), ProgramError) << size;
        EXPECT_EQ(state.CapacityBytes, (std::array<uint8_t, 3>{1, 2, 3}));
    }
    state.DeviceCapacity = 16777215;
    deriveDeviceParameters(state);
    EXPECT_EQ(state.CapacityBytes, (std::array<uint8_t, 3>{0xFF, 0xFF, 0xFF}));
}

TEST(DeviceParameters, WriteNeedsAPageSizeExceptForOneByte) {
    EXPECT_FALSE(isWriteAvailable(0, {0, 0}));
    EXPECT_FALSE(isWriteAvailable(1, {0, 0}));
    EXPECT_TRUE(isWriteAvailable(2, {0, 0}));
    EXPECT_TRUE(isWriteAvailable(0, {0, 1}));
}
