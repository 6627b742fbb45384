#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "WriterPins.h"

// The logic of the device definition editor: its choice lists, the preview of the four
// configuration bytes while pins and addressing change, and the saving of a record.

// The choices of deviceList.txt, by list.
struct DeviceChoices {
    QStringList sizes;       // 14 byte counts
    QStringList pageSizes;   // 7 byte counts
    QStringList pinLevels;   // low, high
    QStringList addressing;  // A0, A1, A2, B0, P0
};
// Throws ProgramError when the file cannot be read.
DeviceChoices readDeviceChoices(const QString& path);

// cpu.txt: line 1 the controller in use, then the names offered.
struct CpuChoices {
    QString current;
    QStringList names;
};
CpuChoices readCpuChoices(const QString& path);
// Writes the chosen name as line 1, then every name offered.
void writeCpuChoices(const QString& path, const QString& chosen, const QStringList& names);

// The four configuration bytes as the editor shows them: DAB L, DAB H, PORT A, PORT B.
struct ConfigPreview {
    uint8_t dabLow = 0;
    uint8_t dabHigh = 0;
    uint8_t portA = 0;
    uint8_t portB = 0;

    // "0x" + hexadecimal, the control bytes without a leading zero, the port bytes with two digits.
    std::array<QString, 4> texts() const;
    // Reads the boxes back; a box that does not end in hexadecimal digits counts as 0.
    static ConfigPreview fromTexts(const std::array<QString, 4>& texts);

    bool operator==(const ConfigPreview&) const = default;
};

constexpr int kNoChoice = -1;

// Bit k (1 to 3) of the control byte now takes its value from `source` (0..4, or kNoChoice).
// `pinLevels` are the list positions of the three level lists (0 low, else high).
void applyAddressingChoice(ConfigPreview& preview, int bit, int source,
                           const std::array<int, 3>& pinLevels);
// Pin `pin` (0 A0, 1 A1, 2 A2) now has `level` (0 low, else high): its port bit on the writer's
// controller follows, and so does every control-byte bit that takes its value from this pin.
void applyPinChoice(ConfigPreview& preview, int pin, int level,
                    const std::array<int, 3>& addressingSources, const QString& writerCpu);

// The list position of the controller in use: the first name offered that equals it, else the
// name itself read as a position. Throws ProgramError when neither gives a position in the list.
int cpuListPosition(const CpuChoices& choices);

// One record of device.txt as the editor builds it.
QStringList deviceRecordLines(const QString& name, const QString& size, const QString& pageSize,
                              const std::array<int, 3>& pinLevels,
                              const std::array<int, 3>& addressingSources);

// Puts the record into the lines of device.txt in place of record `index`, or after the last whole
// record when appending (the lines of an unfinished last record are dropped), and returns the index
// the record has now. A replacement keeps the catalogue's length, which has no room for an
// unfinished last record: it throws ProgramError for such a catalogue, as for an index outside it.
int16_t placeRecord(QStringList& catalogue, const QStringList& record, bool append, int16_t index);
