#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "FileFault.h"

class DataImage;

// Motorola S-records: S0 header, S1/S2/S3 data with 16-, 24- or 32-bit addresses, S5/S6 record
// count, S7/S8/S9 end. The window offers no such files; the command line reads and writes them.
namespace SRecordFormat {

// The data record type (1, 2 or 3) also names the count and end records written with it.
int smallestRecordType(int32_t lastAddress);
int32_t lastAddressOf(int recordType);

// The names that mean S-records, in any letter case: .s19 .s28 .s37 .srec .mot.
bool isSRecordName(const QString& fileName);
// The data record type a name asks for, as other tools read it: .s19 S1, .s28 S2, .s37 S3; none
// for the other names.
std::optional<int> recordTypeNamed(const QString& fileName);

struct LoadResult {
    int faultyLine = 0;                  // from 1; 0 when every record was sound
    QString fault;                       // what is wrong with that line, in words
    std::optional<FileFault> fileFault;  // the same as a value
    // A count or end record follows the last data record, so the file was not cut short after a
    // whole line. Some tools write no end record, so either one will do.
    bool closed = false;
};

// Once the file is open, fills the image with "FF" and stores every data record's bytes as
// read, up to the first faulty line; blank lines are skipped. A line is faulty when it is no
// S-record, its count byte disagrees with its length, its checksum is wrong, its data reaches
// beyond the image, or a count record disagrees with the data records before it. Lines may end
// in CR LF, CR or LF. Throws ProgramError when the file cannot be read.
LoadResult load(const QString& path, DataImage& image);

// An S0 header, one data record of `recordType` per 16-byte group for the span between its first
// and last byte other than FF, the count record and the end record; lines end in CR LF. Throws
// ProgramError for a cell that is not hexadecimal or an address the record type cannot hold.
QByteArray fileBytes(const DataImage& image, int recordType);

}  // namespace SRecordFormat
