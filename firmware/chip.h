#pragma once

#include <stdbool.h>
#include <stdint.h>

// The 24Cxx chip in the socket, addressed as the configuration frame describes it.

struct chip_config {
    uint8_t control_low;   // control byte with the chip-select bits
    uint8_t control_high;  // ... with the block-select bits added
    uint8_t pins;          // chip-select pattern: bit 3 = A0, bit 4 = A1, bit 5 = A2
    uint32_t start;
    uint16_t page_size;
    uint32_t size;
};

void chip_init(void);
// Drives the chip-select pins and makes the start address the current address.
void chip_configure(const struct chip_config* config);

// Reads `count` bytes from the current address, handing each to `sink` as it arrives off the bus.
// False, with the address unchanged, when the chip does not answer; it can fail only before the
// first byte or where the control byte changes.
bool chip_read(uint16_t count, void (*sink)(uint8_t byte));
// Writes the bytes page by page from the current address, each page's write cycle waited out.
// False when the chip does not answer or stays busy; the address then stays where it was.
bool chip_write(const uint8_t* data, uint16_t count);
