#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct ProgramState;

// The three device labels of the main window: size and page, pin levels, control-byte sources.
using DeviceLabels = std::array<QString, 3>;

// Reads device.txt and applies the lines of record `index` to the device fields of the state and
// to the labels. Fields whose lines are missing keep their values; an index beyond the last record
// applies nothing. Also recounts DeviceCount. Throws ProgramError when the file cannot be read or
// a line does not convert.
void applyDeviceRecord(ProgramState& state, const QString& path, int16_t index,
                       DeviceLabels& labels);

// BlockCount, CapacityBytes and ControlBytes from the device fields and WriterCpu.
void deriveDeviceParameters(ProgramState& state);

// WRITE needs page writes for a block or the whole memory; a single byte can always be written.
bool isWriteAvailable(int transferUnit, const std::array<uint8_t, 2>& pageSizeBytes);
