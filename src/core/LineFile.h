#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <limits>

#include "Cp932.h"

// Settings and text data files are CP932 with CR LF line ends. The conversion happens here and
// nowhere else; the rest of the program works on QString lines.

// Where a line ends. The window's files end lines at CR LF or a lone CR, and a lone LF stays part
// of the line; the command line also takes a lone LF as a line end, as the tools of Linux write.
enum class LineEnds { CrOrCrLf, AlsoLf };

// Size bounds, far above any valid file, so that a huge or endless file is refused before it is
// read. A data file holds at most a full image (a HEX file with 1024 comment lines stays under
// 1 MiB); a settings file holds a few hundred short lines.
constexpr qint64 kDataFileLimit = 16 * 1024 * 1024;
constexpr qint64 kSettingsFileLimit = 1024 * 1024;

// No size bound, for a reader that takes only the head of a file.
constexpr qint64 kAnySize = std::numeric_limits<qint64>::max();

// Opens `file` (named, not yet open) for reading. Throws ProgramError when it does not exist, is
// not an ordinary file (a FIFO or a device would block in open or never end), is larger than
// maxBytes or cannot be opened.
void openForReading(QFile& file, qint64 maxBytes);

// Hands out the lines of a file one at a time, reading it in bounded pieces. A final line end
// does not start another line.
class LineReader {
public:
    // Throws ProgramError when the file does not exist, is not an ordinary file, is larger than
    // maxBytes or cannot be opened.
    explicit LineReader(const QString& path, qint64 maxBytes = kSettingsFileLimit,
                        LineEnds ends = LineEnds::CrOrCrLf);

    // Throws ProgramError when the file cannot be read.
    bool atEnd();
    // Throws ProgramError (input past end of file) when there is no line left.
    QString readLine();
    // The same line as the file's bytes, not yet decoded; valid until the next read.
    QByteArrayView readLineBytes();

private:
    bool readPiece();
    qsizetype nextLineEnd() const;

    QFile file_;
    qint64 maxBytes_;
    LineEnds ends_;
    qint64 bytesRead_ = 0;
    QByteArray piece_;
    qsizetype next_ = 0;
    // A line that runs across pieces, gathered; or the piece a line lies in, kept while the next
    // piece is read for the LF of its CR LF.
    QByteArray held_;
};

// Every line of a file; throws ProgramError when it does not exist or cannot be read.
QStringList readAllLines(const QString& path);

// Every line followed by CR LF, in CP932. Throws ProgramError when a line holds a character
// CP932 cannot.
QByteArray encodeLines(const QStringList& lines);

// Writes every line followed by CR LF, replacing the file only once all of it is on the disk.
// Throws ProgramError when a line holds a character CP932 cannot (before anything is written) or
// when the file cannot be written.
void writeLines(const QString& path, const QStringList& lines);
// The same, but an ordinary file that already holds exactly these bytes is left as it is: for a
// setting saved at every start, where a save and its wait for the disk would change nothing.
void writeChangedLines(const QString& path, const QStringList& lines);
