#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>

#include "CliTestSupport.h"

namespace {

QByteArray variedBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    for (char& b : bytes) b = static_cast<char>(generator.bounded(256));
    return bytes;
}

// tavelin-cli against our own firmware in the simulator, with the chip named in the socket.
class AvrBoardCli : public CliFixture {
protected:
    void startBoard(const QString& chip) {
        port_ = CliFixture::startBoard(QStringLiteral(AVR_BOARD),
                                       {"--chip", chip, "--save", path("saved.bin")});
        ASSERT_FALSE(port_.isEmpty());
    }
    // The chip's contents, saved by the board as it stops.
    QByteArray savedChip() {
        stopBoard();
        return readFile("saved.bin");
    }
    CliRun onBoard(QStringList arguments, const QString& programFolder = QStringLiteral(SAMPLES)) {
        return cli(arguments << "--port" << port_, programFolder);
    }

    // The sample settings with one more device record and the controller named first.
    QString settingsWith(const QByteArray& record, const QByteArray& controller) {
        const QString settings = path("program/設定");
        QDir().mkpath(settings);
        for (const QString& name : QDir(QStringLiteral(SAMPLES "/設定")).entryList(QDir::Files)) {
            QFile::copy(QStringLiteral(SAMPLES "/設定/") + name, settings + u'/' + name);
        }
        QFile device(settings + QStringLiteral("/device.txt"));
        EXPECT_TRUE(device.open(QIODevice::Append) && device.write(record) == record.size());
        device.close();
        QFile cpu(settings + QStringLiteral("/cpu.txt"));
        QByteArray lines = (cpu.open(QIODevice::ReadOnly), cpu.readAll());
        cpu.close();
        lines = controller + lines.mid(lines.indexOf("\r\n"));
        EXPECT_TRUE(cpu.open(QIODevice::WriteOnly | QIODevice::Truncate) && cpu.write(lines));
        return path("program");
    }

    QString port_;
};

class EveryDevice : public AvrBoardCli,
                    public ::testing::WithParamInterface<std::pair<const char*, int>> {};

// The whole device written, verified and read back; then its first and last byte one by one.
TEST_P(EveryDevice, WriteVerifyReadAndSingleBytesReachTheChip) {
    const auto [device, size] = GetParam();
    startBoard(QString::fromLatin1(device));
    QByteArray image = variedBytes(size, static_cast<quint32>(size));
    writeFile("image.bin", image);

    CliRun run = onBoard({"write", "--device", device, "-i", path("image.bin"), "--verify"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = onBoard({"read", "--device", device, "-o", path("read.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFile("read.bin").left(size), image);

    for (const int address : {0, size - 1}) {
        SCOPED_TRACE(address);
        image[address] = static_cast<char>(~image[address]);
        writeFile("image.bin", image);
        const QString hex = QString::number(address, 16);
        ASSERT_EQ(
            onBoard({"write", "--device", device, "-i", path("image.bin"), "--byte", hex}).exitCode,
            0);
        run = onBoard({"read", "--device", device, "--byte", hex, "-o", "-"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.at(address), image.at(address));
    }
    EXPECT_EQ(savedChip(), image);
}

INSTANTIATE_TEST_SUITE_P(SampleCatalogue, EveryDevice,
                         ::testing::Values(std::pair{"24C02", 256}, std::pair{"24C04", 512},
                                           std::pair{"24C08", 1024}, std::pair{"24C16", 2048},
                                           std::pair{"24C32", 4096}, std::pair{"24C64", 8192},
                                           std::pair{"24C128", 16384}, std::pair{"24C256", 32768},
                                           std::pair{"24C512", 65536}, std::pair{"24C1024", 131072},
                                           std::pair{"24C1025", 131072}),
                         [](const auto& info) { return std::string(info.param.first); });

// A 24C02 record with A0 high (control byte A2): the chip answers only if the board drives A0 high,
// which it reads from the pin pattern of the first controller; the second one's pattern leaves A0
// low, so the chip is not selected and the board stays silent.
TEST_F(AvrBoardCli, ARecordWithA0HighReachesTheChipOnlyWithTheFirstControllersPattern) {
    const QByteArray record = "24C02-A0\r\n256\r\n8\r\n1\r\n0\r\n0\r\n0\r\n1\r\n2\r\n";
    startBoard(QStringLiteral("24C02"));
    writeFile("image.bin", variedBytes(256, 5));

    CliRun run = onBoard({"write", "--device", "24C02-A0", "-i", path("image.bin"), "--verify"},
                         settingsWith(record, "PIC18F2550"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = onBoard({"read", "--device", "24C02-A0", "-o", path("read.bin")},
                  settingsWith(record, "PIC18F14K50"));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Receive Timeout"))) << run.err.toStdString();
    EXPECT_EQ(savedChip(), variedBytes(256, 5));
}

}  // namespace
