#include "DataImage.h"

#include <algorithm>

#include "ProgramError.h"

namespace {

char toCellChar(QChar c) {
    const char16_t u = c.unicode();
    return (u != 0 && u < 0x100) ? static_cast<char>(u) : '?';
}

// The characters a cell keeps of a text: its first two, or none.
template <typename View>
std::array<char, 2> cellOf(View text) {
    return {text.size() > 0 ? toCellChar(text[0]) : char(0),
            text.size() > 1 ? toCellChar(text[1]) : char(0)};
}

}  // namespace

const DataImage::Cell& DataImage::cell(int address) const {
    if (address < 0 || address >= Size) throw ProgramError::indexOutOfRange();
    return cells_[static_cast<std::size_t>(address)];
}

DataImage::Cell& DataImage::cell(int address) {
    if (address < 0 || address >= Size) throw ProgramError::indexOutOfRange();
    return cells_[static_cast<std::size_t>(address)];
}

QString DataImage::at(int address) const {
    const Cell& c = cell(address);
    if (c[0] == 0) return {};
    const QChar pair[2] = {QChar(static_cast<unsigned char>(c[0])),
                           QChar(static_cast<unsigned char>(c[1]))};
    return QString(pair, c[1] == 0 ? 1 : 2);
}

QLatin1String DataImage::view(int address) const {
    const Cell& c = cell(address);
    return QLatin1String(c.data(), c[0] == 0 ? 0 : c[1] == 0 ? 1 : 2);
}

void DataImage::set(int address, QStringView text) { cell(address) = cellOf(text); }

void DataImage::set(int address, QLatin1StringView text) { cell(address) = cellOf(text); }

void DataImage::fill(QStringView text) { std::fill(cells_.begin(), cells_.end(), cellOf(text)); }
