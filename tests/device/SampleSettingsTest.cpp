// The settings a fresh installation gets are data with rules of their own: the program must be
// able to start on them and each entry must describe a real part sensibly.

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "DeviceCatalogue.h"
#include "LineFile.h"
#include "Numbers.h"

namespace {

QString sample(const QString& relative) {
    return QStringLiteral(TAVELIN_SAMPLES_DIR "/") + relative;
}

QStringList sampleLines(const QString& relative) { return readAllLines(sample(relative)); }

}  // namespace

TEST(SampleSettings, DeviceRecordsDescribeWholeBlocksAndPages) {
    const QStringList lines = sampleLines("設定/device.txt");
    ASSERT_EQ(lines.size() % kDeviceRecordLines, 0);
    QSet<QString> names;
    for (int at = 0; at < lines.size(); at += kDeviceRecordLines) {
        const QString& name = lines[at];
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        const int32_t size = toInteger32(lines[at + 1]);
        const int16_t page = toInteger16(lines[at + 2]);
        EXPECT_TRUE(size >= 256 && size <= 131072 && (size & (size - 1)) == 0)
            << name.toStdString();
        EXPECT_TRUE(page > 0 && 256 % page == 0) << name.toStdString();
        for (int pin = 3; pin < 6; ++pin) EXPECT_LE(toByte(lines[at + pin]), 1);
        for (int bit = 6; bit < 9; ++bit) EXPECT_LE(toByte(lines[at + bit]), 4);
    }
    EXPECT_TRUE(names.contains(QStringLiteral("24C02")));
    EXPECT_TRUE(names.contains(QStringLiteral("24C1024")));

    const QStringList custom = sampleLines("設定/custom.txt");
    ASSERT_EQ(custom.size(), 2);
    EXPECT_LT(toInteger16(custom[1]), scanDeviceFile(sample("設定/device.txt")).completeRecords);
}

TEST(SampleSettings, EditorChoicesHaveTheirFixedCounts) {
    const QStringList lines = sampleLines("設定/deviceList.txt");
    ASSERT_EQ(lines.size(), 14 + 7 + 2 + 5);
    for (int i = 0; i < 21; ++i) toInteger32(lines[i]);  // sizes and pages are copied as numbers
    EXPECT_EQ(lines.mid(23), (QStringList{"A0", "A1", "A2", "B0", "P0"}));
    const QStringList cpus = sampleLines("設定/cpu.txt");
    EXPECT_EQ(cpus.mid(1), (QStringList{"PIC18F2550", "PIC18F14K50", "PIC16F1827", "PIC16F88"}));
    EXPECT_TRUE(cpus.mid(1).contains(cpus[0]));
}

TEST(SampleSettings, NoCharacterShadowsAPrintableByte) {
    const QStringList codes = sampleLines("データー/code/code.txt");
    ASSERT_EQ(codes.size(), 256);
    // Text entry takes the first entry equal to a typed character.
    for (int byte = 0x21; byte <= 0xDF; ++byte) {
        if (byte >= 0x7F && byte <= 0xA0) continue;
        EXPECT_EQ(codes.indexOf(codes[byte]), byte) << byte;
    }
}

TEST(SampleSettings, FlagFileNamesTheSampleDataFile) {
    const QStringList flags = sampleLines("設定/flag.txt");
    ASSERT_EQ(flags.size(), 20);
    EXPECT_TRUE(QFile::exists(sample(QStringLiteral("データー/") + flags[19])));
    EXPECT_EQ(sampleLines("設定/color.txt").size(), 20);
    EXPECT_EQ(sampleLines("設定/comm.txt").size(), 2);
}
