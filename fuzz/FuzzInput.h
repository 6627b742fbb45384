#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The readers take a path, so each input becomes the content of one scratch file, rewritten for
// every run.
QString writeInputFile(const uint8_t* data, std::size_t size);

// A property every input must keep did not hold: says which, and aborts so the fuzzer keeps the
// input.
[[noreturn]] void breach(const char* what);
