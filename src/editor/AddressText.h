#pragma once

#include <QString>
#include <cstdint>

// Address texts of the block view. Devices over 64 KiB get a fifth digit, taken from the block on
// show (blocks 256 and up are the upper 64 KiB), so that every address of the view reads whole.
enum class AddressForm { Row, Full };

// Full form: "0x" + digits, e.g. 0x1200 or 0x11200. Row form leaves out the second-lowest digit:
// callers pass the block start plus the row number, so the result is the row's start address
// without its last digit (block 0x12, row 5: 0x125, or 0x0125 on a device over 64 KiB).
QString funDHChange(int32_t dec, AddressForm form, int32_t deviceCapacity, int32_t currentBlock);

// An address in a message: "0x" and as many digits as the device's addresses have (0x00FF,
// 0x1FFFF), taken from the address itself.
QString deviceAddressText(int32_t address, int32_t deviceCapacity);

// A range of addresses in a message: 0x0300 ～ 0x0311, as deviceAddressText writes each end.
QString deviceRangeText(int32_t first, int32_t last, int32_t deviceCapacity);
