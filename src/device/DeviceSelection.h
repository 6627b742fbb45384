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

// The number of whole 256-byte blocks of a device; a remainder lies outside every block.
int32_t blockCountFor(int32_t deviceCapacity);

// The block bar's maximum for a device of `blockCount` blocks: its last block, or 0 for a device
// smaller than one block. Throws ProgramError when the bar's 16-bit range cannot count the blocks.
int16_t blockBarMaximumFor(int32_t blockCount);

// CapacityBytes and ControlBytes from the device fields and WriterCpu. Throws ProgramError, before
// changing anything, when the size does not fit the three bytes the board is told.
void deriveDeviceParameters(ProgramState& state);

// WRITE needs page writes for a block or the whole memory; a single byte can always be written.
bool isWriteAvailable(int transferUnit, const std::array<uint8_t, 2>& pageSizeBytes);
