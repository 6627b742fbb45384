#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
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

    // The common options first, as most scripts write them; a board that resets is waited for.
    QElapsedTimer clock;
    clock.start();
    run = cli(
        {"--port=" + port, "--settle", "300", "read", "--device", "24C04", "-o", path("read.s19")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(readFile("read.s19").startsWith("S0030000FC\r\nS1"));  // S1 holds a 24C04
    EXPECT_EQ(cli({"diff", path("read.s19"), path("chip.bin")}).exitCode, 0);

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
    EXPECT_TRUE(first.readAllStandardError().contains("Config Timeout"));
}

TEST_F(CliProcess, ExitCodesOfUsagePortAndFileFailures) {
    writeFile("lf.hex", ":0100050041B9\n:00000001FF\n");
    writeFile("bad.hex", ":0100050041B8\r\n:00000001FF\r\n");
    writeFile("bad.s19", "S0030000FC\nS104000041BB\nS9030000FC\n");
    writeFile("check.bin", "123456789");
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
        {{"convert", path("bad.s19"), path("x.bin")}, 5},
        {{"write", "--device", "24C02", "-i", path("bad.s19"), "--port", path("none")}, 5},
        {{"convert", path("lf.hex"), path("x.s19"), "--srec-type", "3"}, 0},
        {{"convert", path("lf.hex"), path("x.hex"), "--srec-type", "3"}, 2},
        {{"read", "--device", "24C1024", "-o", path("x.s19"), "--srec-type", "1"}, 2},
        {{"diff", path("lf.hex"), path("lf.bin")}, 0},
        {{"diff", path("lf.hex"), path("check.bin")}, 1},
        {{"diff", path("lf.hex")}, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(cli(row.arguments).exitCode, row.exitCode);
    }
    EXPECT_EQ(readFile("lf.bin"), QByteArray(5, '\xFF') + "A");
    EXPECT_FALSE(QFile::exists(path("x.bin")));
    EXPECT_EQ(
        cli({"convert", path("bad.s19"), path("x.bin")}).err,
        "tavelin-cli: " + path("bad.s19") + ": line 2: checksum BB, the record's bytes give BA\n");
    EXPECT_EQ(cli({"checksum", "-i", path("check.bin")}).out,
              "CBF43926\n");  // CRC-32's check value
}

// Options before or after the command, in either spelling; usage faults take one line and a hint.
TEST_F(CliProcess, ArgumentOrdersHelpAndVersion) {
    writeFile("-odd.hex", ":0100050041B9\r\n:00000001FF\r\n");
    const QString samples = QStringLiteral(SAMPLES);
    const QString hint = "\ntry 'tavelin-cli --help'\n";
    const struct {
        QStringList arguments;
        int exitCode;
        QByteArray out;  // the start of standard output
        QString err;     // all of standard error
    } rows[] = {
        {{"--folder", samples, "devices"}, 0, "24C02\t256\t", ""},
        {{"--folder=" + samples, "devices"}, 0, "24C02\t256\t", ""},
        {{"devices", "--folder", samples}, 0, "24C02\t256\t", ""},
        {{"--format=bin", "convert", "--", "-odd.hex", "odd.bin"}, 0, "", ""},
        {{"checksum", "-i", "odd.bin"}, 0, "6D00738B\n", ""},
        {{"--help"}, 0, "usage: tavelin-cli COMMAND [options]\n  devices", ""},
        {{"read", "-h"}, 0, "usage: tavelin-cli read --device NAME", ""},
        {{"help", "diff"}, 0, "usage: tavelin-cli diff A B", ""},
        {{"--version"}, 0, "tavelin-cli 2.02\n", ""},
        {{"devices", "--folder", samples, "--folder=" + samples},
         2,
         "",
         "tavelin-cli: --folder given twice" + hint},
        {{"checksum", "-i", "a.bin", "--input", "b.bin"},
         2,
         "",
         "tavelin-cli: --input given twice" + hint},
        {{"--bogus", "devices"}, 2, "", "tavelin-cli: unknown option --bogus" + hint},
        {{"write", "--verify=yes"}, 2, "", "tavelin-cli: --verify takes no value" + hint},
        {{"convert", "-odd.hex", "x"}, 2, "", "tavelin-cli: unknown option -odd.hex" + hint},
        {{"help", "erase"}, 2, "", "tavelin-cli: no command \"erase\"" + hint},
        {{"--folder", samples, "read", "--device", "24C99", "-o", "x.bin"},
         2,
         "",
         "tavelin-cli: no device \"24C99\" in " + samples +
             "/設定/device.txt (see: tavelin-cli devices)" + hint},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CliRun result = run(row.arguments, folder_.path());
        EXPECT_EQ(result.exitCode, row.exitCode);
        EXPECT_TRUE(result.out.startsWith(row.out)) << result.out.left(80).toStdString();
        EXPECT_EQ(result.err, row.err);
    }
    EXPECT_EQ(readFile("odd.bin"), QByteArray(5, '\xFF') + "A");
}

TEST_F(CliProcess, DiffListsTheFirstTwentyDifferencesOverTheDeviceOrBothFiles) {
    QByteArray a(300, '\x00');
    QByteArray b = a + QByteArray(2, '\x00');  // beyond a's end, a reads FF
    for (int i = 0; i < 25; ++i) b[0x10 + i] = 0x41;
    writeFile("a.bin", a);
    writeFile("b.bin", b);
    ASSERT_EQ(cli({"convert", path("b.bin"), path("b.s28")}).exitCode, 0);
    CliRun result = cli({"diff", path("a.bin"), path("b.s28")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith("diff: 27 differing addresses\n  0x00010  A 00  B 41\n"))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith("  0x00023  A 00  B 41\n  ... and 7 more\n"));
    // A 24C02 ends at 0xFF: only the 25 inside it count.
    result = cli({"diff", path("b.s28"), path("a.bin"), "--device", "24C02"});
    EXPECT_TRUE(result.err.startsWith("diff: 25 differing addresses\n  0x00010  A 41  B 00\n"));
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

// Our S-records read by srec_cat, and its own read by us, give back the same image, on images
// with gaps on either side of 64 KiB and records of every address length.
TEST_F(CliProcess, SRecordsAgreeWithSrecCatBothWays) {
    const QString srecCat = QStandardPaths::findExecutable("srec_cat");
    if (srecCat.isEmpty()) GTEST_SKIP() << "srec_cat is not installed";
    QByteArray wide = randomBytes(128 * 1024);
    for (const auto& [from, to] :
         {std::pair{0x100, 0x180}, {0xFFF8, 0x10008}, {0x1F000, 0x1FFF0}}) {
        wide.replace(from, to - from, QByteArray(to - from, '\xFF'));
    }
    QByteArray sparse(128 * 1024, '\xFF');
    for (int a : {0, 0x7FFF, 0x10000, 0x1FFFF}) sparse[a] = 0x00;
    const struct {
        const char* name;
        QByteArray image;
        QStringList ours;       // options of our convert
        QStringList theirs;     // options of srec_cat's output
        const char* firstData;  // our first data record's type
    } rows[] = {
        {"wide.s28", wide, {}, {"-address-length=3"}, "S2"},
        {"wide.s37", wide, {"--srec-type", "3"}, {"-address-length=4", "-obs=32"}, "S3"},
        {"low.s19",
         randomBytes(0x8000).replace(0x4000, 0x300, QByteArray(0x300, '\xFF')),
         {},
         {"-address-length=2", "-obs=8"},
         "S1"},
        {"sparse.mot", sparse, {}, {}, "S2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString size = QString::number(row.image.size());
        writeFile("image.bin", row.image);
        ASSERT_EQ(
            cli(QStringList{"convert", path("image.bin"), path(row.name)} + row.ours).exitCode, 0);
        EXPECT_TRUE(readFile(row.name).contains("\r\n" + QByteArray(row.firstData)));
        ASSERT_EQ(QProcess::execute(srecCat, {path(row.name), "-motorola", "-fill", "0xFF", "0",
                                              size, "-o", path("theirs.bin"), "-binary"}),
                  0);
        EXPECT_EQ(readFile("theirs.bin"), row.image);

        // Theirs leaves out runs of FF, so it has gaps too.
        ASSERT_EQ(
            QProcess::execute(srecCat, QStringList{path("image.bin"), "-binary", "-unfill", "0xFF",
                                                   "2", "-o", path("theirs.srec"), "-motorola"} +
                                           row.theirs),
            0);
        const CliRun back = cli({"convert", path("theirs.srec"), path("back.bin")});
        ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
        EXPECT_EQ(back.err, "");
        EXPECT_EQ(readFile("back.bin"), row.image);
    }
}
