#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "CellRange.h"
#include "EntryData.h"

struct ProgramState;

// Copy and paste of the grid's cells as hexadecimal text: two upper-case digits a byte,
// separated by spaces, 16 to a line.

// What a copy or a paste did: a line for the message line, or a box saying why nothing happened.
struct ClipboardResult {
    QString text;  // the copied text
    QString messageLine;
    std::optional<EditMessage> refusal;
};

// The range's bytes within the device. A cell that holds no byte (nothing loaded yet, or a
// damaged file) stops the copy: text that does not paste back is no copy.
ClipboardResult copyCells(const ProgramState& state, const CellRange& range);

// Writes the text's bytes from the selected cell on, with edit marks when `mark`, or nothing at
// all: text that is not all bytes, or more bytes than fit before the device's end, is refused
// whole. While a writer operation or an ALL DATA fill is armed or running, does nothing.
ClipboardResult pasteText(ProgramState& state, QStringView text, bool mark);

// The one change a paste makes to the image: the bytes in upper case from `first` on, marked
// when `mark`. Nothing is written beyond the device.
void pasteCells(ProgramState& state, int32_t first, QByteArrayView bytes, bool mark);
