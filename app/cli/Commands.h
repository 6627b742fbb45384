#pragma once

struct CliOptions;

// Runs the command and returns the exit status; throws CliFailure when it cannot be done. Needs a
// QCoreApplication: board commands run its event loop.
int runCommand(const CliOptions& options);
