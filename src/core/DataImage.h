#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The memory image: one two-character hexadecimal text per byte address. Cells keep the text as
// read or typed (letter case included) so that files round-trip exactly; an unset cell is empty.
// Stored as two chars per cell rather than 131072 heap strings. The cell accessors are inline:
// loads and saves call them for every address.
class DataImage {
public:
    static constexpr int Size = 0x20000;  // addresses 0 .. 0x1FFFF

    DataImage() : cells_(Size) {}

    // The cell's text: "" when unset, otherwise the two characters stored.
    QString at(int address) const;
    // The same characters without building a string, for loops over the whole image; valid
    // until the cell changes.
    QLatin1StringView view(int address) const {
        const Cell& c = cell(address);
        return QLatin1StringView(c.data(), c[0] == 0 ? 0 : c[1] == 0 ? 1 : 2);
    }
    // Replaces the cell whole. Characters outside Latin-1 cannot be held and become '?';
    // such a cell is never valid hexadecimal anyway.
    void set(int address, QStringView text) { cell(address) = cellOf(text); }
    void set(int address, QLatin1StringView text) { cell(address) = cellOf(text); }
    bool isEmpty(int address) const { return cell(address)[0] == 0; }
    // Sets every cell to the same two characters ("FF" before a HEX load, "00" before a binary
    // one).
    void fill(QStringView text);

    // Cells as stored, for keeping and putting back a range whole (the undo history).
    using Cell = std::array<char, 2>;
    std::vector<Cell> cells(int first, int count) const;
    void setCells(int first, std::span<const Cell> cells);

private:

    static char cellChar(QChar c) {
        const char16_t u = c.unicode();
        return (u != 0 && u < 0x100) ? static_cast<char>(u) : '?';
    }
    template <typename View>
    static Cell cellOf(View text) {
        Cell c{};
        for (qsizetype i = 0; i < text.size() && i < 2; ++i) c[i] = cellChar(text[i]);
        return c;
    }
    [[noreturn]] static void outOfRange();
    const Cell& cell(int address) const {
        if (address < 0 || address >= Size) outOfRange();
        return cells_[static_cast<std::size_t>(address)];
    }
    Cell& cell(int address) {
        if (address < 0 || address >= Size) outOfRange();
        return cells_[static_cast<std::size_t>(address)];
    }

    std::vector<Cell> cells_;
};
