#pragma once

#include <functional>

// What the command line's arguments, besides Qt's own and --lang, mean to runProgram.
enum class ProgramArguments {
    Ignored,     // the caller's own (the probes and tools)
    FileToOpen,  // the file to load once start-up is done, as if dropped on the window
};

// Runs the program: the interface language (`--lang CODE`, else the system's), the state record,
// the main window and its start-up, until the window closes. A language the interface does not
// have is refused on stderr with exit code 2 before any window opens. `afterShown`, when given,
// runs once the main window is on screen (used by the start-up probe).
int runProgram(int argc, char** argv, const std::function<void()>& afterShown = {},
               ProgramArguments arguments = ProgramArguments::Ignored);
