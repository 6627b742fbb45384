#pragma once

#include <array>
#include <cstdint>

// The 48 swatches of the colour window, as Windows colour values 0x00BBGGRR. Swatch i sits in
// column i / 6 and row i % 6: the columns run grey, red, orange, yellow, green, cyan, blue,
// magenta, each from light at the top to dark at the bottom.
namespace Palette {

constexpr int Columns = 8;
constexpr int Rows = 6;
constexpr int Count = Columns * Rows;

// One column per line, light to dark.
// clang-format off
constexpr std::array<int32_t, Count> Swatches{
    0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040, 0x000000,  // grey
    0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080, 0x000040,  // red
    0xC0E0FF, 0x80C0FF, 0x0080FF, 0x0040C0, 0x004080, 0x404080,  // orange
    0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00C0C0, 0x008080, 0x004040,  // yellow
    0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000,  // green
    0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000,  // cyan
    0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000,  // blue
    0xFFC0FF, 0xFF80FF, 0xFF00FF, 0xC000C0, 0x800080, 0x400040,  // magenta
};
// clang-format on

constexpr int columnOf(int index) { return index / Rows; }
constexpr int rowOf(int index) { return index % Rows; }

}  // namespace Palette
