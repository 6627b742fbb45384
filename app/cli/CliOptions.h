#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

enum class FileFormat { Text = 0, Hex = 1, Binary = 2 };  // the indices of the file-type rule
enum class ProgressStyle { Bar, Json, None };

// The command line, checked for form only; whether the device exists or a file can be read is
// found out when the command runs.
struct CliOptions {
    QString command;
    QString device;
    QString input;   // -i
    QString output;  // -o; "-" is standard output
    std::optional<int32_t> block;
    std::optional<int32_t> byte;
    bool verify = false;
    QString port;  // a number, or the path of the device
    std::optional<int32_t> baud;
    QString folder;
    std::optional<FileFormat> format;
    ProgressStyle progress = ProgressStyle::None;
    QStringList positional;  // convert's IN and OUT
};

// Throws CliFailure with ExitCode::Usage when the arguments do not make a command. `progress`
// is the style used unless --progress names one.
CliOptions parseCommandLine(const QStringList& arguments, ProgressStyle progress);

// The usage text, for --help and after a usage error.
QString usageText();
