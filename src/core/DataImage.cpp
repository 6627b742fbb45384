#include "DataImage.h"

#include <algorithm>

#include "ProgramError.h"

void DataImage::outOfRange() { throw ProgramError::indexOutOfRange(); }

QString DataImage::at(int address) const {
    const Cell& c = cell(address);
    if (c[0] == 0) return {};
    const QChar pair[2] = {QChar(static_cast<unsigned char>(c[0])),
                           QChar(static_cast<unsigned char>(c[1]))};
    return QString(pair, c[1] == 0 ? 1 : 2);
}

void DataImage::fill(QStringView text) { std::fill(cells_.begin(), cells_.end(), cellOf(text)); }

std::vector<DataImage::Cell> DataImage::cells(int first, int count) const {
    if (count < 0 || first < 0 || first > Size - count) outOfRange();
    const auto begin = cells_.begin() + first;
    return {begin, begin + count};
}

void DataImage::setCells(int first, std::span<const Cell> cells) {
    const int count = static_cast<int>(cells.size());
    if (first < 0 || first > Size - count) outOfRange();
    std::copy(cells.begin(), cells.end(), cells_.begin() + first);
}
