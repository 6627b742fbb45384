#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// device.txt holds one 9-line record per device type, the first line being its name.
constexpr int kDeviceRecordLines = 9;

struct DeviceListing {
    QStringList names;  // one entry per record begun, a final partial record included
    int16_t completeRecords = 0;
};

// Lists the device names of device.txt. Throws ProgramError when the file cannot be read.
DeviceListing scanDeviceFile(const QString& path);
