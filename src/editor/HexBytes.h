#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// Bytes written as hexadecimal text, as people paste and type them: two digits a byte, with
// spaces, tabs and line breaks anywhere between bytes and a 0x before any byte.

struct HexBytes {
    QByteArray bytes;              // the first `keep` bytes read
    qsizetype count = 0;           // every byte of the text
    std::optional<QString> fault;  // the first thing that is not a byte, as a message line
};

// `subject` names the text in a fault ("貼り付けるデーター"); at most `keep` bytes are held, so
// any length of text costs no more memory than the bytes that are used.
HexBytes readHexBytes(QStringView text, qsizetype keep, const QString& subject);

// Where a character of a text stands, as a message names it: "12文字目", or "3行目の5文字目" in
// a text of several lines.
QString characterPosition(QStringView text, qsizetype index);
// One character (a code point) as a message names it; one that cannot be seen by its code
// (U+3000).
QString characterName(QStringView character);
