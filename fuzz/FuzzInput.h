#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The readers take a path, so each input becomes the content of one scratch file, rewritten for
// every run.
QString writeInputFile(const uint8_t* data, std::size_t size);
// A second scratch file beside it, for what a writer saves.
QString savedFilePath();

// A byte that is no CP932 character is read as a lone low surrogate. A save writes it back, but a
// character the code page holds twice, written after it as Windows writes it, can pair up with it
// differently on the next read: such text need not come back the same.
bool holdsRawByte(const QString& text);

// A property every input must keep did not hold: says which, and aborts so the fuzzer keeps the
// input.
[[noreturn]] void breach(const char* what);
