#pragma once

#include <QString>
#include <cstdint>
#include <utility>

#include "ProgramError.h"

// What a reader found wrong with a file, as a value: each face words it its own way, the window
// in its message boxes, the command line in one short line.
struct FileFault {
    enum class Kind {
        // The text format.
        LineLength,  // value: the line's length
        // The text and HEX formats: a cell that is not two hexadecimal digits. value: its image
        // address; text: the cell as read.
        BadCell,
        // HEX records: value as each names it.
        TooManyComments,
        EvenLength,  // value: the line's length
        BadEndRecord,
        CountMismatch,  // value: the count byte
        HexChecksum,    // value: the checksum the record's bytes give
        NoData,
        UnknownRecordType,  // value: the type
        UnreadableField,    // text: the field
        HexBeyondImage,     // value: the address
        OffsetOverflow,     // value: the offset
        MissingEndRecord,   // no end record in the whole file; line 0
        // S-records.
        NotSRecord,
        NoSuchRecordType,  // value: the type digit
        CountNotHexadecimal,
        CountTooSmall,       // value: the count; expected: the address bytes
        LengthMismatch,      // value: the digits after the count; expected: the count
        NotHexadecimal,      // text: the pair; value: its column
        SRecordChecksum,     // value: the checksum of the record; expected: what its bytes give
        SRecordBeyondImage,  // value: the address
        RecordCount,         // value: the count record's; expected: the data records before it
        NotClosed,           // no count or end record after the last data record; line 0
    };

    QString file;  // the path the reader was given
    int line = 0;  // from 1, every line of the file counted; 0 for the file as a whole
    Kind kind = Kind::LineLength;
    QString text;
    int64_t value = 0;
    int64_t expected = 0;
};

// The fault in words, one clause without the file and the line: what the HEX record error box
// quotes as its second line, what the failure report quotes for the faults that stop a load, and
// what the command line prints after the file and the line.
QString faultReason(const FileFault& fault);

// A fault a reader cannot report as its result: it stops the load in the failure report, whose
// text is the description as the window always gave it.
class FileFaultError : public ProgramError {
public:
    explicit FileFaultError(FileFault fault)
        : ProgramError(faultReason(fault)), fault_(std::move(fault)) {}

    const FileFault& fault() const { return fault_; }
    // The load that met it names the file and the line.
    void locate(const QString& file, int line) {
        fault_.file = file;
        fault_.line = line;
    }

private:
    FileFault fault_;
};
