#pragma once

#include <QString>

// The exit status of tavelin-cli; scripts rely on these numbers.
namespace ExitCode {
constexpr int Done = 0;
constexpr int Mismatch = 1;  // verify found differences, or blank found a byte other than FF
constexpr int Usage = 2;
constexpr int Port = 3;   // the port cannot be opened
constexpr int Board = 4;  // the board did not answer, or answered wrongly
constexpr int File = 5;   // a file cannot be read or written
}  // namespace ExitCode

// Ends the command: the message goes to standard error and the code is the exit status.
struct CliFailure {
    int exitCode;
    QString message;
};
