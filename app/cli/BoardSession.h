#pragma once

#include <cstdint>
#include <vector>

#include "Console.h"
#include "CoreLinkWindow.h"
#include "WriterLink.h"

class Progress;
class SerialPort;
struct ProgramState;

// What one operation covers: the whole memory, block `block`, or the byte at `address`.
struct TransferRange {
    int unit = 1;  // the transfer unit: 0 one block, 1 whole memory, 2 one byte
    int32_t block = 0;
    int32_t address = 0;
};

// A byte the board holds that is not the byte the image expects.
struct Difference {
    int32_t address;
    uint8_t expected;
    uint8_t read;
};

// Runs operations on one board with the window's writer link, each to its end in the event loop.
class BoardSession {
public:
    BoardSession(ProgramState& state, SerialPort& port, Progress& progress);

    // Runs WRITE, READ or VERIFY over the range and returns when it has completed. A VERIFY goes
    // on past a differing block, so that every differing address of the range is returned.
    // Throws CliFailure (ExitCode::Board) when the board does not answer or answers wrongly.
    std::vector<Difference> run(int operation, const TransferRange& range);

private:
    void runToEnd(const std::function<void()>& start);
    void collectDifferences(const VerifyDifferences& found,
                            std::vector<Difference>& differences) const;

    ProgramState& state_;
    Progress& progress_;
    ConsoleDialogs dialogs_;
    CoreLinkWindow window_;
    WriterLink link_;
};
