#include "VerifyDifferences.h"

#include "DataImage.h"
#include "HexText.h"
#include "LinkFrames.h"

QString VerifyDifferences::text() const {
    if (!any()) return {};
    const auto count = static_cast<qsizetype>(offsets.size());
    const QString counted = count == 1 ? QStringLiteral("(1 byte differs)")
                                       : QStringLiteral("(%1 bytes differ)").arg(count);
    const QString address =
        QString::number(firstAddress(), 16).toUpper().rightJustified(5, QLatin1Char('0'));
    return QStringLiteral("0x") + address + QStringLiteral(": ") + firstImageByte +
           QStringLiteral(" ≠ ") + LinkFrames::hexByte(firstChipByte) + QLatin1Char(' ') + counted;
}

VerifyDifferences compareWithImage(const DataImage& image, int32_t start,
                                   std::span<const uint8_t> chip) {
    VerifyDifferences found;
    found.start = start;
    for (std::size_t k = 0; k < chip.size(); ++k) {
        const int32_t address = start + static_cast<int32_t>(k);
        if (!found.any()) {
            const uint8_t value = LinkFrames::imageByte(image, address);
            if (value == chip[k]) continue;
            found.firstImageByte = LinkFrames::hexByte(value);
            found.firstChipByte = chip[k];
        } else {
            const QString cell = image.at(address);
            if (isHexCell(cell) && cell.toUInt(nullptr, 16) == chip[k]) continue;
        }
        found.offsets.push_back(static_cast<int>(k));
    }
    return found;
}
