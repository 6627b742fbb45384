#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "DataImage.h"

// Where the keys of the grid take the selection, as image addresses. Every result lies inside the
// device, also when the selection stood beyond it (a cell past the end of a small device).

// The end of the addresses the keys, the clipboard and find reach: the device's end, and never past
// the image even for a catalogue entry larger than the image.
inline int32_t deviceEnd(int32_t deviceCapacity) {
    return std::clamp(deviceCapacity, 0, int32_t{DataImage::Size});
}

enum class CellMoveKey {
    Left,         // the previous byte, into the previous block at a row's start
    Right,        // the next byte, into the next block at a row's end
    Up,           // a row up
    Down,         // a row down
    RowStart,     // Home
    RowEnd,       // End
    DeviceStart,  // Ctrl+Home
    DeviceEnd,    // Ctrl+End
    BlockUp,      // Page Up
    BlockDown,    // Page Down
};

// A row or block move that would leave the device stays where it is; a step left or right at
// either end of the device stays there too.
int32_t movedAddress(int32_t address, CellMoveKey key, int32_t deviceCapacity);

// The address typed into the go-to box: hexadecimal, a leading 0x and surrounding blanks allowed.
struct GoToAddress {
    std::optional<int32_t> address;
    QString refusal;  // why nothing moves, for the box titled goToRefusalTitle()
};
GoToAddress readGoToAddress(QStringView text, int32_t deviceCapacity);

// The title of the box that shows a refusal.
QString goToRefusalTitle();
