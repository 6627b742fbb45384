#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// A device port number n can be made to lead to, as the port settings window lists it.
struct PortDevice {
    QString path;            // what 設定/COM<n> will point at; empty on Windows, which makes no links
    QString label;           // one line for the list
    int32_t portNumber = 0;  // on Windows the n of the port's own name COM<n>, else 0
};

// The serial ports present (under their stable /dev/serial/by-id/ names where those exist, with
// the system's name, description, maker and serial number), then the COM<n> links already in the
// settings folder with the device each leads to. On Windows the ports present, by their names.
QList<PortDevice> listPortDevices(const QString& settingsFolder);

// Makes COM<number> in the settings folder a link to `devicePath`, replacing the link that is
// there in one step. Throws ProgramError with the system's reason; a COM<number> that is a real
// file or folder is not the program's to replace and is left alone.
void linkPortNumber(const QString& settingsFolder, int32_t number, const QString& devicePath);
