#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "FileFault.h"
#include "LineFile.h"

class DataImage;

// The program's own text format: 8192 lines of 32 hexadecimal characters, 16 bytes a line, the
// whole 128 KiB image whatever the device.
namespace TextFormat {

constexpr int kLines = 8192;
constexpr int kLineLength = 32;

struct LoadResult {
    enum class Outcome { Loaded, WrongLineLength, BadCell };
    Outcome outcome = Outcome::Loaded;
    int line = 0;                        // the faulty line, from 1 (WrongLineLength)
    int32_t address = 0;                 // the faulty cell's address (BadCell)
    QString cellText;                    // the faulty cell as read (BadCell)
    std::optional<FileFault> fileFault;  // the same fault as a value, for the command line
};

// Reads the file into the image. The cells before a fault stay loaded, the faulty cell included
// (it is stored as read, then checked). Throws ProgramError when the file cannot be read or ends
// before its last line.
LoadResult load(const QString& path, DataImage& image, LineEnds ends = LineEnds::CrOrCrLf);

// Writes all 8192 lines; throws ProgramError when the file cannot be written.
void save(const QString& path, const DataImage& image);
// The bytes save writes. Cells are written as they stand; throws ProgramError for a cell holding
// a character CP932 cannot.
QByteArray fileBytes(const DataImage& image);

// The messages of a failed load, for the file name as the user gave it.
QString wrongLineLengthMessage(const QString& fileName, int line);
QString badCellMessage(const QString& fileName, int32_t address, const QString& cellText);

}  // namespace TextFormat
