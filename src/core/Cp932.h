#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Code page 932 as Windows converts it, so that the files read and write the same as there.

// Never fails: a byte that is no character of the code page becomes a code point that encodes
// back to that very byte. A line read and written again keeps its bytes, except where a
// character has two codes (the NEC selection of IBM extensions, a few symbols): it is written
// back in the one code Windows writes, so read from its other code it comes back changed, and
// a raw byte just before it may then pair up with the new code.
QString decodeCp932(QByteArrayView bytes);

// ASCII is the same in the code page, and most data files are nothing else: such bytes can be
// read as Latin-1 text without decoding.
bool isAscii(QByteArrayView bytes);

// Throws ProgramError naming the first character the code page cannot hold. Nothing is ever
// substituted: a name written as something else would not be found again.
QByteArray encodeCp932(QStringView text);

// The same for a text held as Latin-1, one byte a character, as the image keeps its cells. ASCII,
// which the code page keeps as it is, comes back without a conversion.
QByteArray latin1ToCp932(QByteArray text);
