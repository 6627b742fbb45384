#pragma once

#include <cstdint>

struct ProgramState;

// The selected cell and the block on view, as the record keeps them: the selected address is the
// block on view plus the selected cell, unless an ALL DATA fill armed from address 0 moved it
// without moving the view.

// A click on grid cell `cell` (0 to 255) of the block on view.
void selectCell(ProgramState& state, int cell);

// The view shows `block`; the selection keeps its cell.
void showBlockAt(ProgramState& state, int32_t block);
