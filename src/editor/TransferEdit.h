#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "EntryData.h"

struct ProgramState;

// The two transfer buttons: 転写 writes the entry box into the image, or arms and then runs the
// ALL DATA fill; クリア empties the box, or withdraws an armed fill.

// What the window's controls say about a press.
struct EditOptions {
    bool hexEntry = true;          // HEX entry, else text entry through the code table
    bool allDataMode = false;      // "Setアドレス～最後"
    bool autoAddress = false;      // "Autoアドレス": the selection moves past the bytes written
    bool markEdits = false;        // written bytes are marked
    bool fromAddressZero = false;  // "0x00000": the fill starts at address 0, the view returns to 0
    bool caution = false;          // "警告表示": the fill announces each step in a box
    QString fileName;              // named by the end-of-device box in HEX entry
};

// What a press did, for the window to show. The record already holds the new image, selection,
// block on view and armed state.
struct TransferPress {
    enum class Step {
        Refused,  // the entry box holds no valid data; nothing changed
        Written,  // bytes written, the selection moved or kept
        Armed,    // the fill waits for its second press
        Ended,    // the fill was run or withdrawn
        Cleared,  // the entry box is to be emptied
    };
    explicit TransferPress(Step step) : step(step) {}
    Step step;
    std::optional<int32_t> viewBlock;  // the block the view moves to
    QString editAddress;               // a text of its own for the address box, else the cell's
    std::optional<QString> messageLine;
    bool promptColour = false;           // the message line's text colour becomes the prompt's
    std::optional<EditMessage> message;  // shown last
};

TransferPress pressTransfer(ProgramState& state, const QString& entryText,
                            const EditOptions& options);
TransferPress pressClear(ProgramState& state, const EditOptions& options);
