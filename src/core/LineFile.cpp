#include "LineFile.h"

#include <QFile>
#include <QFileInfo>

#include "AtomicSave.h"
#include "ProgramError.h"

namespace {

void requireRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) throw ProgramError::fileNotFound(path);
    if (!info.isFile()) throw ProgramError::notRegularFile(path);
}

// Closed again before the caller replaces the file: Windows refuses to replace a file held open.
bool holdsExactly(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != bytes.size()) return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

}  // namespace

void openForReading(QFile& file, qint64 maxBytes) {
    const QString path = file.fileName();
    requireRegularFile(path);
    if (QFileInfo(path).size() > maxBytes) throw ProgramError::tooLarge(path, maxBytes);
    if (!file.open(QIODevice::ReadOnly)) throw ProgramError::cannotOpen(path, file.errorString());
}

LineReader::LineReader(const QString& path, qint64 maxBytes, LineEnds ends)
    : file_(path), maxBytes_(maxBytes), ends_(ends) {
    openForReading(file_, maxBytes_);
}

// The next piece of the file replaces the one used up. The bound is checked again as the bytes
// come, for a file that grows after it was opened.
bool LineReader::readPiece() {
    constexpr qint64 kPieceBytes = 64 * 1024;
    piece_ = file_.read(kPieceBytes);
    next_ = 0;
    if (file_.error() != QFileDevice::NoError) {
        throw ProgramError::cannotOpen(file_.fileName(), file_.errorString());
    }
    bytesRead_ += piece_.size();
    if (bytesRead_ > maxBytes_) throw ProgramError::tooLarge(file_.fileName(), maxBytes_);
    return !piece_.isEmpty();
}

bool LineReader::atEnd() { return next_ == piece_.size() && !readPiece(); }

// Where the current piece's next line end is, or -1.
qsizetype LineReader::nextLineEnd() const {
    const qsizetype cr = piece_.indexOf('\r', next_);
    if (ends_ != LineEnds::AlsoLf) return cr;
    const qsizetype lf = piece_.indexOf('\n', next_);
    return cr < 0 || (lf >= 0 && lf < cr) ? lf : cr;
}

// Split as bytes, then decoded: CR and LF are never part of a two-byte CP932 character.
QString LineReader::readLine() { return decodeCp932(readLineBytes()); }

// A line that lies in one piece is handed out from it without a copy; only one that runs across
// pieces is gathered first.
QByteArrayView LineReader::readLineBytes() {
    if (atEnd()) throw ProgramError::inputPastEnd();
    held_.clear();
    for (;;) {
        const qsizetype end = nextLineEnd();
        if (end < 0) {
            held_ += QByteArrayView(piece_).sliced(next_);
            next_ = piece_.size();
            if (!readPiece()) return held_;  // the last line has no line end
            continue;
        }
        QByteArrayView line = QByteArrayView(piece_).sliced(next_, end - next_);
        if (!held_.isEmpty()) {
            held_ += line;
            line = held_;
        }
        next_ = end + 1;
        if (piece_[end] == '\r') {
            if (next_ == piece_.size()) {
                if (held_.isEmpty()) held_ = piece_;  // shares the bytes `line` points into
                readPiece();  // the LF of this CR LF may be in the next piece
            }
            if (next_ < piece_.size() && piece_[next_] == '\n') ++next_;
        }
        return line;
    }
}

QStringList readAllLines(const QString& path) {
    LineReader reader(path);
    QStringList lines;
    while (!reader.atEnd()) lines << reader.readLine();
    return lines;
}

QByteArray encodeLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return encodeCp932(text);
}

void writeLines(const QString& path, const QStringList& lines) {
    saveAtomically(path, encodeLines(lines));
}

void writeChangedLines(const QString& path, const QStringList& lines) {
    const QByteArray bytes = encodeLines(lines);
    if (!holdsExactly(path, bytes)) saveAtomically(path, bytes);
}
