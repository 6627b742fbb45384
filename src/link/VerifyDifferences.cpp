#include "VerifyDifferences.h"

#include <QCoreApplication>

#include "DataImage.h"
#include "HexText.h"
#include "LinkFrames.h"

QString VerifyDifferences::text() const {
    if (!any()) return {};
    const auto count = static_cast<qsizetype>(offsets.size());
    const QString counted =
        count == 1
            ? QCoreApplication::translate("VerifyDifferences", "(1 byte differs)")
            : QCoreApplication::translate("VerifyDifferences", "(%1 bytes differ)").arg(count);
    return QStringLiteral("0x") + fixedHex(firstAddress(), 5) + QStringLiteral(": ") +
           firstImageByte + QStringLiteral(" ≠ ") + hexByte(firstChipByte) + QLatin1Char(' ') +
           counted;
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
            found.firstImageByte = hexByte(value);
            found.firstChipByte = chip[k];
        } else {
            if (cellByte(image.view(address)) == chip[k]) continue;
        }
        found.offsets.push_back(static_cast<int>(k));
    }
    return found;
}
