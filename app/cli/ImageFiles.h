#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "AtomicSave.h"
#include "CliOptions.h"
#include "HexFormat.h"

class DataImage;

// What a file said beside its bytes, for writing the image out again the same way.
struct ImageOrigin {
    HexComments comments;
    HexRecordType recordType = HexRecordType::Int32bit;
    std::optional<int32_t> binaryBytes;  // a binary file's length
    int srecType = 1;                    // the data records an S-record file is written with
};

// The format a file name asks for (the S-record names, then the window's rule), unless one was
// chosen.
FileFormat formatOf(const QString& path, std::optional<FileFormat> chosen);

// The S-record type of the file at `path` for addresses 0 to end - 1: the one asked for, else the
// one its name asks for (.s19, .s28, .s37), else the smallest that holds them. Throws CliFailure
// (ExitCode::Usage) when the type asked for or named cannot hold them, or when one is asked for a
// file of another format.
int srecTypeFor(const QString& path, std::optional<int> asked, FileFormat format, int32_t end);

// Reads a file with the window's readers, taking lines that end in LF only as well. Throws
// CliFailure (ExitCode::File) with the reader's message when the file cannot be read or is
// malformed; a HEX or S-record file without an end record loads, with a warning. Addresses beyond a
// binary file read FF, as those no HEX record covers.
ImageOrigin loadImage(const QString& path, FileFormat format, DataImage& image);

// Writes the image as the window's writers do (lines end in CR LF), replacing the file whole with
// the sync asked for. A binary file holds addresses 0 to binaryBytes - 1. "-" writes to standard
// output. Throws CliFailure (ExitCode::File).
void saveImage(const QString& path, FileFormat format, const DataImage& image,
               const ImageOrigin& origin, int32_t binaryBytes, SaveSync sync);

// Refuses, as saveImage would, a name the system cannot hold ("-" is standard output). Throws
// CliFailure (ExitCode::File).
void checkOutputName(const QString& path);

// One past the last address that is not FF; 0 when the whole image is erased.
int32_t extentOf(const DataImage& image);
