#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class DataImage;

// The data entry box and what a transfer makes of its text.

using CodeTable = std::array<QString, 256>;

// A message box of the editor, with the warning icon and one OK button.
struct EditMessage {
    QString title;
    QString text;
};

// The byte whose display text equals `text` (the first such entry): "0" to "FF" without a leading
// zero, or "fff" when no entry matches.
QString funCodehexChange(const QString& text, const CodeTable& codeTable);

// Title of the entry box for `length` characters typed: bytes with a half byte in HEX entry.
QString entryTitle(qsizetype length, bool hexEntry);

// The bytes of a transfer, each as two hexadecimal characters, or why there are none.
struct TransferData {
    enum class Fault { None, BadHexCharacter, OddOrEmptyHex, UnknownCharacter, EmptyText };
    QStringList bytes;
    Fault fault = Fault::None;
    QString character;  // the offending character
};
// HEX entry keeps the pairs as typed; text entry translates each character through the table.
TransferData readTransferData(const QString& text, bool hexEntry, const CodeTable& codeTable);
// The message of a fault, for its box titled "文字ﾃﾞｰﾀｰｴﾗｰ".
QString transferFaultMessage(const TransferData& data);

// Writes the bytes from `start` on, marking them when `mark`, and stops at the last byte of the
// device, dropping the rest. Returns the address after the last byte written, or the last byte of
// the device when the transfer reached it.
int32_t writePlainTransfer(DataImage& image, std::vector<bool>& editMarks, int32_t start,
                           const QStringList& bytes, int32_t deviceCapacity, bool mark);

// Repeats the bytes from `start` up to the last byte of the device; marks nothing.
void fillAllData(DataImage& image, int32_t start, const QStringList& bytes, int32_t deviceCapacity);
