#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "CliTestSupport.h"

namespace {

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(77);
    for (char& b : bytes) b = static_cast<char>(generator.bounded(256));
    bytes[0] = bytes[size - 1] = 0x00;  // data at both ends, so every tool covers the same span
    return bytes;
}

// writer-sim on its pseudo-terminal; the CLI is given the terminal's path.
class CliProcess : public CliFixture {
protected:
    QString startEmulator(const QStringList& options) {
        return startBoard(QStringLiteral(WRITER_SIM), options);
    }
    CliRun onBoard(const QString& port, QStringList arguments) {
        return cli(arguments << "--port" << port);
    }
};

TEST_F(CliProcess, ReadsWritesAndChecksumsTheWholeDevice) {
    const QByteArray chip = randomBytes(512);
    writeFile("chip.bin", chip);
    const QString port = startEmulator({"--image", path("chip.bin"), "--save", path("saved.bin")});

    CliRun run = onBoard(port, {"read", "--device", "24C04", "-o", path("read.hex")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(cli({"convert", path("read.hex"), path("read.bin")}).exitCode, 0);
    EXPECT_EQ(readFile("read.bin"), chip);
    EXPECT_FALSE(readFile("read.hex").replace("\r\n", "").contains('\n'));  // CR LF only

    run = onBoard(port, {"checksum", "--device", "24C04"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, cli({"checksum", "-i", path("chip.bin")}).out);

    const QByteArray image = randomBytes(512);
    writeFile("image.bin", image);
    run = onBoard(port, {"write", "--device", "24C04", "-i", path("image.bin"), "--verify"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    stopBoard();
    EXPECT_EQ(readFile("saved.bin").left(512), image);
}

TEST_F(CliProcess, OneBlockAndOneByteTouchOnlyTheirAddresses) {
    writeFile("chip.bin", randomBytes(1024));
    const QString port = startEmulator({"--image", path("chip.bin")});
    ASSERT_EQ(
        onBoard(port, {"read", "--device", "24C08", "--block", "2", "-o", path("b.bin")}).exitCode,
        0);
    EXPECT_EQ(readFile("b.bin"), QByteArray(512, '\xFF') + randomBytes(1024).mid(512, 256));
    const CliRun run = onBoard(port, {"read", "--device", "24C08", "--byte", "3FF", "-o", "-"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.size(), 0x400);
    EXPECT_EQ(run.out.back(), '\x00');
}

TEST_F(CliProcess, VerifyAndBlankListTheFirstTwentyDifferencesAndCountTheRest) {
    QByteArray chip(1024, '\xFF');
    for (int a : {0x005, 0x2FF}) chip[a] = 0x41;
    for (int a = 0x300; a < 0x320; ++a) chip[a] = 0x00;  // 32 more, in the last block
    writeFile("chip.bin", chip);
    writeFile("erased.bin", QByteArray(1024, '\xFF'));
    const QString port = startEmulator({"--image", path("chip.bin")});

    for (const char* command : {"verify", "blank"}) {
        SCOPED_TRACE(command);
        QStringList arguments{command, "--device", "24C08"};
        if (QByteArray(command) == "verify") arguments << "-i" << path("erased.bin");
        const CliRun run = onBoard(port, arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("34 differing addresses")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("0x00005  expected FF  read 41"));
        EXPECT_TRUE(run.err.contains("0x002FF  expected FF  read 41"));
        EXPECT_TRUE(run.err.contains("0x00311  expected FF  read 00"));
        EXPECT_FALSE(run.err.contains("0x00312"));
        EXPECT_TRUE(run.err.contains("... and 14 more"));
    }
    EXPECT_EQ(onBoard(port, {"blank", "--device", "24C08", "--block", "1"}).exitCode, 0);
}

// The first process holds the port while its silent board times out; a second one must not get in.
TEST_F(CliProcess, SilentBoardIsAFailureAndTheBusyPortIsNotShared) {
    const QString port = startEmulator({"--silent"});
    QProcess first;
    first.start(QStringLiteral(TAVELIN_CLI), {"blank", "--device", "24C02", "--port", port,
                                              "--folder", QStringLiteral(SAMPLES)});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(first.waitForReadyRead(1000) || first.state() == QProcess::Running);
    EXPECT_EQ(onBoard(port, {"blank", "--device", "24C02"}).exitCode, 3);
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitCode(), 4);
    EXPECT_TRUE(first.readAllStandardError().contains("Conifig Timeover"));
}

TEST_F(CliProcess, ExitCodesOfUsagePortAndFileFailures) {
    writeFile("lf.hex", ":0100050041B9\n:00000001FF\n");
    writeFile("bad.hex", ":0100050041B8\r\n:00000001FF\r\n");
    const struct {
        QStringList arguments;
        int exitCode;
    } rows[] = {
        {{}, 2},
        {{"erase"}, 2},
        {{"read", "--device", "24C02"}, 2},
        {{"read", "--device", "24C02", "-o", "x.bin", "--block", "1", "--byte", "1"}, 2},
        {{"read", "--device", "24C02", "-o", "x.bin", "--block", "1"}, 2},  // 24C02 has block 0
        {{"verify", "--device", "24Cxx", "-i", path("lf.hex")}, 2},
        {{"convert", path("lf.hex")}, 2},
        {{"read", "--device", "24C02", "-o", path("x.bin"), "--port", path("none")}, 3},
        {{"convert", path("none.hex"), path("x.bin")}, 5},
        {{"convert", path("bad.hex"), path("x.bin")}, 5},
        {{"convert", path("lf.hex"), path("no/such/folder/x.bin")}, 5},
        {{"convert", path("lf.hex"), path("lf.bin")}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(cli(row.arguments).exitCode, row.exitCode);
    }
    EXPECT_EQ(readFile("lf.bin"), QByteArray(5, '\xFF') + "A");
    writeFile("check.bin", "123456789");
    EXPECT_EQ(cli({"checksum", "-i", path("check.bin")}).out,
              "CBF43926\n");  // CRC-32's check value
}

// Our HEX read by the other tools, and theirs read by us, give back the same image. Our HEX leaves
// out runs of FF, the erased value, so the other tools fill their gaps with FF.
TEST_F(CliProcess, ConvertAgreesWithObjcopyAndSrecCat) {
    const QByteArray image = randomBytes(128 * 1024);
    writeFile("image.bin", image);
    ASSERT_EQ(cli({"convert", path("image.bin"), path("ours.hex")}).exitCode, 0);
    const struct {
        const char* tool;
        QStringList toHex, fromHex;
    } rows[] = {
        {"objcopy",
         {"-I", "binary", "-O", "ihex", path("image.bin"), path("theirs.hex")},
         {"-I", "ihex", "-O", "binary", "--gap-fill", "0xFF", path("ours.hex"),
          path("theirs.bin")}},
        {"srec_cat",
         {path("image.bin"), "-binary", "-o", path("theirs.hex"), "-intel"},
         {path("ours.hex"), "-intel", "-fill", "0xFF", "0", "0x20000", "-o", path("theirs.bin"),
          "-binary"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tool);
        const QString tool = QStandardPaths::findExecutable(row.tool);
        if (tool.isEmpty()) {
            std::cout << "skipped: " << row.tool << " is not installed\n";
            continue;
        }
        ASSERT_EQ(QProcess::execute(tool, row.fromHex), 0);
        EXPECT_EQ(readFile("theirs.bin"), image);
        ASSERT_EQ(QProcess::execute(tool, row.toHex), 0);
        ASSERT_EQ(cli({"convert", path("theirs.hex"), path("back.bin")}).exitCode, 0);
        EXPECT_EQ(readFile("back.bin"), image);
    }
}

}  // namespace
