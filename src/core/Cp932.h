#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Code page 932 as Windows converts it, so that the files read and write the same as there.

// Never fails: a byte that is no character of the code page becomes a code point that encodes
// back to that very byte, so a line read and written again keeps its bytes exactly.
QString decodeCp932(QByteArrayView bytes);

// Throws ProgramError naming the first character the code page cannot hold. Nothing is ever
// substituted: a name written as something else would not be found again.
QByteArray encodeCp932(QStringView text);

// The same for a text held as Latin-1, one byte a character, as the image keeps its cells. ASCII,
// which the code page keeps as it is, comes back without a conversion.
QByteArray latin1ToCp932(QByteArray text);
