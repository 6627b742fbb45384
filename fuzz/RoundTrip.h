#pragma once

#include <QString>

// Load, save, load again: each loads the file at `path` in its format and, when the load
// succeeds, saves the image, loads the saved bytes and aborts unless the image (and the HEX
// comments) came back the same. A save the writer refuses with a ProgramError is no breach.
void textRoundTrip(const QString& path);
void hexRoundTrip(const QString& path);
void binaryRoundTrip(const QString& path);
void sRecordRoundTrip(const QString& path);
