#include "LineFile.h"

#include <QFile>
#include <QFileInfo>

#include "AtomicSave.h"
#include "ProgramError.h"

LineReader::LineReader(const QString& path, LineEnds ends) {
    QFile file(path);
    if (!file.exists() || QFileInfo(path).isDir()) throw ProgramError::fileNotFound(path);
    if (!file.open(QIODevice::ReadOnly)) throw ProgramError::cannotOpen(path, file.errorString());
    lines_ = splitLines(decodeCp932(file.readAll()), ends);
}

QString LineReader::readLine() {
    if (atEnd()) throw ProgramError::inputPastEnd();
    return lines_[next_++];
}

QStringList LineReader::splitLines(const QString& text, LineEnds ends) {
    const bool lfEnds = ends == LineEnds::AlsoLf;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && !(lfEnds && text[i] == u'\n')) continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

QStringList readAllLines(const QString& path) {
    LineReader reader(path);
    QStringList lines;
    while (!reader.atEnd()) lines << reader.readLine();
    return lines;
}

void writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    saveAtomically(path, encodeCp932(text));
}
