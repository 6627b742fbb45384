#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Text, HEX and binary are the indices of the file-type rule; S-records only the command line has.
enum class FileFormat { Text = 0, Hex = 1, Binary = 2, SRecord = 3 };
enum class ProgressStyle { Bar, Json, None };

// The command line, checked for form only; whether the device exists or a file can be read is
// found out when the command runs.
struct CliOptions {
    QString command;  // "help" for --help, "version" for --version
    QString device;
    QString input;   // -i
    QString output;  // -o; "-" is standard output
    std::optional<int32_t> block;
    std::optional<int32_t> byte;
    bool verify = false;
    QString port;  // a number, or the path of the device
    std::optional<int32_t> baud;
    std::optional<int32_t> settleMs;  // the wait after opening the port
    QString folder;
    std::optional<FileFormat> format;
    std::optional<int> srecType;  // 1, 2 or 3
    ProgressStyle progress = ProgressStyle::None;
    QString language;        // one of interfaceLanguages(); empty: the system's
    QStringList positional;  // convert's IN and OUT, diff's A and B, help's COMMAND
};

// Options may stand before or after the command, as "--name value" or "--name=value"; "--" ends
// them. Throws CliFailure with ExitCode::Usage, a one-line message, when the arguments do not
// make a command. `progress` is the style used unless --progress names one.
CliOptions parseCommandLine(const QStringList& arguments, ProgressStyle progress);

// The usage of every command, or of the one named, with the options.
QString usageText(const QString& command = {});
