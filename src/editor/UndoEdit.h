#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct ProgramState;

// Undo and redo of the image's changes (Ctrl+Z, Ctrl+Y / Ctrl+Shift+Z).

// What a press did, for the window to show. The record already holds the restored cells and
// marks and the block on view.
struct UndoPress {
    bool ignored = false;              // an operation is armed or running: nothing happened
    std::optional<int32_t> viewBlock;  // the block the view moves to (or redraws)
    QString messageLine;
};

UndoPress pressUndo(ProgramState& state);
UndoPress pressRedo(ProgramState& state);
