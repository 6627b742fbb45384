#include "DeviceEditor.h"

#include "DeviceCatalogue.h"
#include "HexText.h"
#include "LineFile.h"
#include "Numbers.h"
#include "ProgramError.h"
#include "WriterPins.h"

namespace {

// deviceList.txt: lines 0-13 sizes, 14-20 page sizes, 21-22 pin levels, then addressing choices.
constexpr int kFirstPageLine = 14;
constexpr int kFirstLevelLine = 21;
constexpr int kFirstAddressingLine = 23;

uint8_t bitMask(int bit) { return static_cast<uint8_t>(1u << bit); }
// Clearing a control-byte bit also clears bit 0, the read/write bit.
uint8_t clearMask(int bit) { return static_cast<uint8_t>(~(bitMask(bit) | 0x01u)); }

QString boxText(uint8_t value, bool twoDigits) {
    return QStringLiteral("0x") + (twoDigits ? hexByte(value) : upperHex(value));
}

uint8_t byteOfBox(const QString& text) {
    QString digits = text;
    if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) digits = digits.mid(2);
    bool ok = false;
    const uint value = digits.right(2).toUInt(&ok, 16);
    return ok ? static_cast<uint8_t>(value) : 0;
}

}  // namespace

DeviceChoices readDeviceChoices(const QString& path) {
    const QStringList lines = readAllLines(path);
    return {lines.mid(0, kFirstPageLine),
            lines.mid(kFirstPageLine, kFirstLevelLine - kFirstPageLine),
            lines.mid(kFirstLevelLine, kFirstAddressingLine - kFirstLevelLine),
            lines.mid(kFirstAddressingLine)};
}

CpuChoices readCpuChoices(const QString& path) {
    const QStringList lines = readAllLines(path);
    if (lines.isEmpty()) throw ProgramError::inputPastEnd();
    return {lines.first(), lines.mid(1)};
}

void writeCpuChoices(const QString& path, const QString& chosen, const QStringList& names) {
    writeLines(path, QStringList{chosen} + names);
}

int cpuListPosition(const CpuChoices& choices) {
    const int found = static_cast<int>(choices.names.indexOf(choices.current));
    if (found >= 0) return found;
    const int position = toInteger16(choices.current);
    if (position < -1 || position >= choices.names.size()) {
        throw ProgramError::invalidValue(choices.current);
    }
    return position;
}

std::array<QString, 4> ConfigPreview::texts() const {
    return {boxText(dabLow, false), boxText(dabHigh, false), boxText(portA, true),
            boxText(portB, true)};
}

ConfigPreview ConfigPreview::fromTexts(const std::array<QString, 4>& texts) {
    return {byteOfBox(texts[0]), byteOfBox(texts[1]), byteOfBox(texts[2]), byteOfBox(texts[3])};
}

void applyAddressingChoice(ConfigPreview& preview, int bit, int source,
                           const std::array<int, 3>& pinLevels) {
    if (isPinSource(source)) {
        if (pinLevels[static_cast<std::size_t>(source)] == 0) {
            preview.dabLow &= clearMask(bit);
            preview.dabHigh &= clearMask(bit);
        } else {
            preview.dabLow |= bitMask(bit);
            preview.dabHigh |= bitMask(bit);
        }
    } else if (isHalfSource(source)) {
        preview.dabLow &= clearMask(bit);
        preview.dabHigh |= bitMask(bit);
    }
}

void applyPinChoice(ConfigPreview& preview, int pin, int level,
                    const std::array<int, 3>& addressingSources, const QString& writerCpu) {
    const bool high = level != 0;
    if (const ControllerPins* pins = controllerPins(writerCpu)) {
        // A pin without a port A bit is A2 on port B.
        const uint8_t portABit = pins->portABit[static_cast<std::size_t>(pin)];
        uint8_t& port = portABit != 0 ? preview.portA : preview.portB;
        const uint8_t bit = portABit != 0 ? portABit : pins->portBBitA2;
        port = high ? (port | bit) : (port & static_cast<uint8_t>(~bit));
    }
    for (int j = 0; j < 3; ++j) {
        if (addressingSources[static_cast<std::size_t>(j)] != pin) continue;
        const int bit = j + 1;
        if (high) {
            preview.dabLow |= bitMask(bit);
            preview.dabHigh |= bitMask(bit);
        } else {
            preview.dabLow &= clearMask(bit);
            preview.dabHigh &= clearMask(bit);
        }
    }
}

QStringList deviceRecordLines(const QString& name, const QString& size, const QString& pageSize,
                              const std::array<int, 3>& pinLevels,
                              const std::array<int, 3>& addressingSources) {
    QStringList lines{name, size, pageSize};
    for (int level : pinLevels) lines << QString::number(level);
    for (int source : addressingSources) lines << QString::number(source);
    return lines;
}

int16_t placeRecord(QStringList& catalogue, const QStringList& record, bool append, int16_t index) {
    const qsizetype unfinished = catalogue.size() % kDeviceRecordLines;
    if (append) {
        catalogue.resize(catalogue.size() - unfinished);
        catalogue += record;
        return static_cast<int16_t>(catalogue.size() / kDeviceRecordLines - 1);
    }
    const qsizetype first = qsizetype{index} * kDeviceRecordLines;
    if (unfinished != 0 || index < 0 || first + kDeviceRecordLines > catalogue.size()) {
        throw ProgramError::indexOutOfRange();
    }
    for (int i = 0; i < kDeviceRecordLines; ++i) catalogue[first + i] = record[i];
    return index;
}
