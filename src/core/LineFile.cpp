#include "LineFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "ProgramError.h"

namespace {
constexpr const char* kCodePage = "windows-31j";
}

QString decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid()) return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeCp932(const QString& text) {
    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid()) return text.toLocal8Bit();
    return encoder.encode(text);
}

LineReader::LineReader(const QString& path) {
    QFile file(path);
    if (!file.exists() || QFileInfo(path).isDir()) throw ProgramError::fileNotFound(path);
    if (!file.open(QIODevice::ReadOnly)) throw ProgramError::cannotOpen(path, file.errorString());
    lines_ = splitLines(decodeCp932(file.readAll()));
}

QString LineReader::readLine() {
    if (atEnd()) throw ProgramError::inputPastEnd();
    return lines_[next_++];
}

QStringList LineReader::splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw ProgramError::cannotWrite(path, file.errorString());
    const QByteArray bytes = encodeCp932(text);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw ProgramError::cannotWrite(path, file.errorString());
    }
}
