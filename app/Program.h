#pragma once

#include <functional>

// Runs the program: the state record, the main window and its start-up, until the window closes.
// `afterShown`, when given, runs once the main window is on screen (used by the start-up probe).
int runProgram(int argc, char** argv, const std::function<void()>& afterShown = {});
