#include "Selection.h"

#include "ProgramState.h"

void selectCell(ProgramState& state, int cell) {
    state.CurrentAddress = state.CurrentBlock * 256 + cell;
    state.CurrentCell = static_cast<int16_t>(cell);
}

void showBlockAt(ProgramState& state, int32_t block) {
    state.CurrentBlock = block;
    state.CurrentAddress = block * 256 + state.CurrentCell;
}
