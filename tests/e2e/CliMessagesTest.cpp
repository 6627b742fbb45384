// The command line's language and its short file messages, and the S-record type a file's name
// asks for.

#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace {

using CliMessages = CliFixture;

TEST_F(CliMessages, FollowTheSystemsLanguageUnlessLangChoosesOne) {
    writeFile("bad.hex", "; by hand\r\n:0100050041B8\r\n:00000001FF\r\n");
    writeFile("a.bin", QByteArray(1, '\x00'));
    writeFile("b.bin", QByteArray(1, '\x01'));
    const QString english = "tavelin-cli: " + path("bad.hex") +
                            ": line 2: checksum error: the record's bytes give 0xB9\n";
    const QString japanese = "tavelin-cli: " + path("bad.hex") +
                             ": 2 行目: サムチェックエラー。計算値：0xB9 と合いません。\n";
    const struct {
        const char* lang;
        QStringList options;
        bool inJapanese;
    } rows[] = {
        {"en_US.UTF-8", {}, false},
        {"de_DE.UTF-8", {}, false},  // no German: English
        {"C", {}, false},
        {"ja_JP.UTF-8", {}, true},
        {"ja_JP.UTF-8", {"--lang", "en"}, false},
        {"C", {"--lang=ja"}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lang + (" " + row.options.join(' ')).toStdString());
        // The option after the command, as any other.
        CliRun result =
            run(QStringList{"convert", path("bad.hex"), path("x.bin")} + row.options, {}, row.lang);
        EXPECT_EQ(result.exitCode, 5);
        EXPECT_EQ(result.err, row.inJapanese ? japanese : english);

        result = run(row.options + QStringList{"diff", path("a.bin"), path("b.bin")}, {}, row.lang);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, QString(row.inJapanese ? "diff: 1 個のアドレスが違います\n"
                                                     : "diff: 1 differing address\n") +
                                  "  0x00000  A 00  B 01\n");
    }
}

// Nothing a file holds depends on the language: the same image is written byte for byte.
TEST_F(CliMessages, FilesAreTheSameInEveryLanguage) {
    QByteArray varied(0x12345, Qt::Uninitialized);
    for (qsizetype i = 0; i < varied.size(); ++i) varied[i] = static_cast<char>(i * 7 + i / 256);
    writeFile("image.bin", varied);
    for (const char* out : {"x.txt", "x.hex", "x.s28"}) {
        SCOPED_TRACE(out);
        QByteArray written[2];
        for (int i = 0; i < 2; ++i) {
            const CliRun result = run({"--lang", i == 0 ? "ja" : "en", "convert", path("image.bin"),
                                       path(out)});
            ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
            written[i] = readFile(out);
        }
        EXPECT_FALSE(written[0].isEmpty());
        EXPECT_EQ(written[0], written[1]);
    }
}

TEST_F(CliMessages, AnUnknownLanguageIsAUsageFault) {
    const QString hint = "\ntry 'tavelin-cli --help'\n";
    const struct {
        QStringList arguments;
        QString err;
    } rows[] = {
        {{"--lang", "fr", "devices"},
         "tavelin-cli: unknown language 'fr': choose one of ja, en" + hint},
        {{"--lang=", "devices"}, "tavelin-cli: unknown language '': choose one of ja, en" + hint},
        {{"--lang", "en", "devices", "--lang=ja"}, "tavelin-cli: --lang given twice" + hint},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CliRun result = run(row.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, row.err);
    }
}

TEST_F(CliMessages, SRecordNamesChooseTheirRecordType) {
    writeFile("low.bin", "A");
    writeFile("full.bin", QByteArray(0x20000, '\x00'));
    const struct {
        const char* in;
        const char* out;
        QStringList options;
        int exitCode;
        const char* dataRecords;  // the type of every data record; empty: nothing written
    } rows[] = {
        {"low.bin", "x.s19", {}, 0, "S1"},
        {"low.bin", "x.S28", {}, 0, "S2"},
        {"low.bin", "x.s37", {}, 0, "S3"},
        {"low.bin", "x.srec", {}, 0, "S1"},  // the smallest type
        {"full.bin", "x.mot", {}, 0, "S2"},
        {"low.bin", "x.txt", {"--format", "srec"}, 0, "S1"},
        {"low.bin", "x.s37", {"--srec-type", "2"}, 0, "S2"},  // the option wins
        {"full.bin", "x.s19", {}, 2, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.in) + " " + row.out);
        QFile::remove(path(row.out));
        const CliRun result =
            cli(QStringList{"convert", path(row.in), path(row.out)} + row.options);
        EXPECT_EQ(result.exitCode, row.exitCode) << result.err.toStdString();
        const QByteArray file = readFile(row.out);
        EXPECT_EQ(file.isEmpty(), *row.dataRecords == 0);
        for (const QByteArray& line : file.split('\n')) {
            if (line.startsWith("S1") || line.startsWith("S2") || line.startsWith("S3")) {
                EXPECT_TRUE(line.startsWith(row.dataRecords)) << line.toStdString();
            }
        }
    }
    // Refused before the board is asked for anything: no port is opened.
    const CliRun result =
        cli({"read", "--device", "24C1024", "-o", path("chip.s19"), "--port", path("none")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "tavelin-cli: " + path("chip.s19") +
                              " names S1 records, which hold addresses up to 0xFFFF, not "
                              "0x1FFFF\ntry 'tavelin-cli --help'\n");
}

}  // namespace
