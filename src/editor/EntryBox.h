#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "EntryData.h"

struct ProgramState;

// The data entry box: the check of each change, its two layouts and the reverse transfer.

// Characters the box takes: one grid row in the Single layout, one block in the Multi layout;
// text entry takes one character a byte, so half as many.
int entryLimit(bool multiLayout, bool hexEntry);

// What a change of the box text means. Only the last character is checked: a change is one
// keystroke or one append, and a text pasted whole is checked in full by the transfer.
struct EntryCheck {
    std::optional<EditMessage> refusal;  // the last character is refused: show this, then drop it
    QString title;                       // of the box
    bool entryModesEnabled = true;       // the entry mode may change only while the box is empty
    bool transferNow = false;            // the direct mode writes each byte once it is complete
};
EntryCheck checkEntry(const QString& text, bool hexEntry, bool directMode,
                      const CodeTable& codeTable);

// Switches between the Single and Multi layouts; returns the message line's new text.
QString switchEntryLayout(ProgramState& state);

// The cells the reverse transfer appends to the emptied box one by one: 256 from the selected
// address, to the end of the image at most (also beyond the device, as the cells stand).
QStringList reverseTransferCells(const ProgramState& state);
