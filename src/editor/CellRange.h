#pragma once

#include <algorithm>
#include <cstdint>

// A range of cells, from the cell where it began to the cell it was extended to (the selected
// one), either way round and across blocks.
struct CellRange {
    int32_t anchor = 0;
    int32_t end = 0;

    int32_t first() const { return std::min(anchor, end); }
    int32_t last() const { return std::max(anchor, end); }
    bool contains(int32_t address) const { return address >= first() && address <= last(); }
};
