#pragma once

#include <QString>
#include <QStringList>

#include "Cp932.h"

// Settings and text data files are CP932 with CR LF line ends. The conversion happens here and
// nowhere else; the rest of the program works on QString lines.

// Where a line ends. The window's files end lines at CR LF or a lone CR, and a lone LF stays part
// of the line; the command line also takes a lone LF as a line end, as the tools of Linux write.
enum class LineEnds { CrOrCrLf, AlsoLf };

// Reads a whole file and hands out its lines one at a time. A final line end does not start
// another line.
class LineReader {
public:
    // Throws ProgramError when the file does not exist or cannot be read.
    explicit LineReader(const QString& path, LineEnds ends = LineEnds::CrOrCrLf);

    bool atEnd() const { return next_ >= lines_.size(); }
    // Throws ProgramError (input past end of file) when there is no line left.
    QString readLine();

    // Splits decoded text the way readLine sees it.
    static QStringList splitLines(const QString& text, LineEnds ends = LineEnds::CrOrCrLf);

private:
    QStringList lines_;
    qsizetype next_ = 0;
};

// Every line of a file; throws ProgramError when it does not exist or cannot be read.
QStringList readAllLines(const QString& path);

// Writes every line followed by CR LF, replacing the file only once all of it is on the disk.
// Throws ProgramError when a line holds a character CP932 cannot (before anything is written) or
// when the file cannot be written.
void writeLines(const QString& path, const QStringList& lines);
