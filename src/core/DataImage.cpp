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
