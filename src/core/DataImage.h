#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

// The memory image: one two-character hexadecimal text per byte address. Cells keep the text as
// read or typed (letter case included) so that files round-trip exactly; an unset cell is empty.
// Stored as two chars per cell rather than 131072 heap strings.
class DataImage {
public:
    static constexpr int Size = 0x20000;  // addresses 0 .. 0x1FFFF

    DataImage() : cells_(Size) {}

    // The cell's text: "" when unset, otherwise the two characters stored.
    QString at(int address) const;
    // The same characters without building a string, for loops over the whole image; valid
    // until the cell changes.
    QLatin1String view(int address) const;
    // Replaces the cell whole. Characters outside Latin-1 cannot be held and become '?';
    // such a cell is never valid hexadecimal anyway.
    void set(int address, QStringView text);
    void set(int address, QLatin1StringView text);
    bool isEmpty(int address) const { return cell(address)[0] == 0; }
    // Sets every cell to the same two characters ("FF" before a HEX load, "00" before a binary
    // one).
    void fill(QStringView text);

private:
    using Cell = std::array<char, 2>;
    const Cell& cell(int address) const;
    Cell& cell(int address);

    std::vector<Cell> cells_;
};
