#include "DeviceSelection.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

#include "DeviceCatalogue.h"
#include "LineFile.h"
#include "Numbers.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "WriterPins.h"

namespace {

enum RecordLine { Name, Size, Page, LevelA0, LevelA1, LevelA2, SourceBit1, SourceBit2, SourceBit3 };

bool isKnownSource(uint8_t source) { return source < kSourceNames.size(); }

uint8_t toUnsignedByte(int32_t value, const QString& line) {
    if (value < 0 || value > 0xFF) throw ProgramError::overflow(line);
    return static_cast<uint8_t>(value);
}

QString levelText(const char* pin, uint8_t level) {
    return QString::fromLatin1(pin) + (level == 1 ? QStringLiteral("=H") : QStringLiteral("=L"));
}

// Bit 1 names its source alone; bits 2 and 3 are put in front, so the label reads bit 3 first.
// The blanks around some names are as the label has always shown them.
QString sourcePrefix(int bit, uint8_t source) {
    const QString name = QString::fromLatin1(kSourceNames[source]);
    const bool leadingBlank = bit == 2 && source >= 2;
    return (leadingBlank ? QStringLiteral(" ") : QString()) + QStringLiteral("bit%1=").arg(bit) +
           name + QStringLiteral(" ");
}

void applyLine(ProgramState& s, int lineInRecord, const QString& line, DeviceLabels& labels) {
    switch (lineInRecord) {
        case Name:
            s.DeviceName = line;
            break;
        case Size:
            s.DeviceCapacity = toInteger32(line);
            labels[0] = QCoreApplication::translate("DeviceSelection", "Size=%1byt").arg(line);
            break;
        case Page: {
            const int16_t page = toInteger16(line);
            s.PageSizeBytes[0] = toUnsignedByte(page % 256, line);
            s.PageSizeBytes[1] = toUnsignedByte(page / 256, line);
            labels[0] += QCoreApplication::translate("DeviceSelection", " Page=%1byt").arg(line);
            break;
        }
        case LevelA0:
        case LevelA1:
        case LevelA2: {
            const int pin = lineInRecord - LevelA0;
            s.DeviceParams[pin] = toByte(line);
            const QString text = levelText(kSourceNames[pin], s.DeviceParams[pin]);
            labels[1] = pin == 0 ? text : labels[1] + u' ' + text;
            break;
        }
        default: {
            const int bit = lineInRecord - SourceBit1 + 1;
            const uint8_t source = toByte(line);
            s.DeviceParams[2 + bit] = source;
            if (!isKnownSource(source)) break;
            if (bit == 1) {
                labels[2] = QStringLiteral("bit1=") + QString::fromLatin1(kSourceNames[source]);
            } else {
                labels[2] = sourcePrefix(bit, source) + labels[2];
            }
        }
    }
}

}  // namespace

void applyDeviceRecord(ProgramState& s, const QString& path, int16_t index, DeviceLabels& labels) {
    LineReader reader(path);
    int lineInRecord = 0;
    s.DeviceCount = 0;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (s.DeviceCount == index) applyLine(s, lineInRecord, line, labels);
        if (++lineInRecord == kDeviceRecordLines) {
            lineInRecord = 0;
            ++s.DeviceCount;
        }
    }
}

int32_t blockCountFor(int32_t deviceCapacity) { return deviceCapacity / 256; }

int16_t blockBarMaximumFor(int32_t blockCount) {
    const int32_t last = blockCount - 1;
    if (last < INT16_MIN || last > INT16_MAX) throw ProgramError::overflow(QString::number(last));
    // A device smaller than one block has no block to scroll to; the bar stays at 0, where a
    // reversed range would put it on block -1.
    return static_cast<int16_t>(std::max(0, last));
}

void deriveDeviceParameters(ProgramState& s) {
    // A size the board cannot be told would reach it as another size, 16777216 as 0.
    if (s.DeviceCapacity < 0 || s.DeviceCapacity > 0xFFFFFF) {
        throw ProgramError::overflow(QString::number(s.DeviceCapacity));
    }
    const auto capacity = static_cast<uint32_t>(s.DeviceCapacity);
    s.CapacityBytes = {static_cast<uint8_t>(capacity % 256),
                       static_cast<uint8_t>((capacity % 65536) / 256),
                       static_cast<uint8_t>(capacity / 65536)};

    s.ControlBytes[0] = s.ControlBytes[1] = 0xA0;
    for (int bit = 1; bit <= 3; ++bit) {
        const uint8_t mask = static_cast<uint8_t>(1u << bit);
        const uint8_t source = s.DeviceParams[2 + bit];
        if (isPinSource(source) && s.DeviceParams[source] == 1) {
            s.ControlBytes[0] |= mask;
            s.ControlBytes[1] |= mask;
        } else if (isHalfSource(source)) {
            s.ControlBytes[1] |= mask;
        }
    }

    if (const ControllerPins* pins = controllerPins(s.WriterCpu)) {
        s.ControlBytes[2] = pins->portA;
        s.ControlBytes[3] = 0x00;
        for (int pin = 0; pin < 3; ++pin) {
            if (s.DeviceParams[pin] == 1) s.ControlBytes[2] |= pins->portABit[pin];
        }
        if (s.DeviceParams[2] == 1) s.ControlBytes[3] |= pins->portBBitA2;
    }
}

bool isWriteAvailable(int transferUnit, const std::array<uint8_t, 2>& pageSizeBytes) {
    return transferUnit == 2 || pageSizeBytes[0] != 0 || pageSizeBytes[1] != 0;
}
