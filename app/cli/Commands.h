#pragma once

struct CliOptions;

// Runs the command and returns the exit status; throws CliFailure when it cannot be done.
// Board commands need a QCoreApplication for the event loop.
int runCommand(const CliOptions& options);

// True when the command talks to a board or reads the settings, which needs the application
// object; convert and a checksum of a file alone start faster without it.
bool needsApplication(const CliOptions& options);
