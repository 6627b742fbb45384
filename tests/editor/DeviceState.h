#pragma once

#include <memory>

#include "ProgramState.h"
#include "Selection.h"

// A record with a device of `capacity` bytes chosen and the cell at `selected` selected, its
// block on view.
inline std::unique_ptr<ProgramState> deviceOf(int32_t capacity, int32_t selected) {
    auto s = std::make_unique<ProgramState>();
    s->DeviceCapacity = capacity;
    s->BlockCount = capacity / 256;
    showBlockAt(*s, selected / 256);
    selectCell(*s, selected % 256);
    return s;
}
