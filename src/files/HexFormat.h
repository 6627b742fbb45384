#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "FileFault.h"
#include "LineFile.h"

class DataImage;

// The two HEX comment lists of the file area. The reader puts a line into `before` while the
// address offset is 0 and into `after` once an extended address record has moved it; the writer
// writes `before` ahead of the data records and `after` behind the end record. A binary load puts
// its "Count:0x" line into `after`.
struct HexComments {
    QStringList before;  // list 0
    QStringList after;   // list 1
};

// The extended address record a save writes; the values are the indices of the record-type options.
enum class HexRecordType { Int20bit = 0, Int32bit = 1 };

// Intel HEX files.
namespace HexFormat {

constexpr int kCommentLimit = 1024;  // both lists together
constexpr int32_t kLastAddress = 0x1FFFF;

// What one load carries from one line to the next.
struct ReadState {
    int32_t addressOffset = 0;  // set by the last 02 or 04 record
    bool endRecordSeen = false;
    // Why the last line was rejected, as the record error box quotes it; stays as it was for an
    // unknown record type.
    QString errorText;
    std::optional<HexRecordType> recordType;  // chosen by the last 02 or 04 record
};

struct LineResult {
    enum class Outcome { Accepted, Rejected, BadCell };
    Outcome outcome = Outcome::Accepted;
    int32_t address = 0;  // BadCell: the image address where the faulty cell was stored
    QString cellText;     // BadCell: the cell as read
    std::optional<FileFault> fileFault;  // Rejected, BadCell: the fault, without file and line
};

// Takes one line of a HEX file: a data record fills the image, 02/04 move the address offset,
// 01 marks the end, 03/05 and every line not starting with ':' become comments. A rejected line
// leaves its reason in state.errorText (unknown record types leave it as it was). Throws
// FileFaultError for a field that is not hexadecimal, an address beyond the image and an offset
// that does not fit 32 signed bits.
LineResult readLine(QStringView line, ReadState& state, DataImage& image, HexComments& comments);

struct LoadResult {
    enum class Outcome { Loaded, RecordError, BadCell };
    Outcome outcome = Outcome::Loaded;
    int line = 0;                        // the faulty line, from 1, counting every line of the file
    QString errorText;                   // RecordError: the reason, possibly empty; BadCell: empty
    int32_t address = 0;                 // BadCell
    QString cellText;                    // BadCell
    std::optional<FileFault> fileFault;  // RecordError, BadCell: the fault as a value
};

// Once the file is open, fills the image with "FF", empties the comment lists, then reads the
// file line by line up to the first faulty line. Records before that line stay in the image; the
// comments and the record-type choice read so far stay in `comments` and `state`, also when it
// throws. Throws ProgramError when the file cannot be read (the image untouched), and as
// readLine does, with the file and the line in the FileFaultError.
LoadResult load(const QString& path, DataImage& image, HexComments& comments, ReadState& state,
                LineEnds ends = LineEnds::CrOrCrLf);

// Writes comment list 0, one data record per 16-byte group for the span between its first and
// last byte other than FF, one extended address record before the first group at 0x10000 or
// above, the end record and comment list 1. Cells are written as they stand. Throws ProgramError
// for a cell that is not hexadecimal or a file that cannot be written; the file on disk is then
// left as it was.
void save(const QString& path, const DataImage& image, const HexComments& comments,
          HexRecordType recordType);
// The bytes save writes; throws ProgramError as save does for a cell or a comment.
QByteArray fileBytes(const DataImage& image, const HexComments& comments, HexRecordType recordType);

// The messages of a load, for the file name as the user gave it. After a BadCell the cell
// message of the text format comes first, then the record error message with an empty reason.
QString recordErrorMessage(const QString& fileName, const QString& errorText, int line);
QString missingEndRecordMessage(const QString& fileName);

}  // namespace HexFormat
