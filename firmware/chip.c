#include "chip.h"

#include <avr/io.h>

#include "bus.h"
#include "serial.h"

// PD2..PD4 drive A0..A2, PD5 drives WP (held low: writes allowed).
#define SELECT_SHIFT 2
#define SELECT_MASK (0x07 << SELECT_SHIFT)
#define WRITE_PROTECT _BV(PD5)

// Parts up to 2 KiB take one address byte; the block bits of the control byte carry the rest.
#define ONE_ADDRESS_BYTE_LIMIT 2048UL
#define WRITE_CYCLE_LIMIT MS_TO_TICKS(20)

static struct chip_config chip;
static uint32_t current;

void chip_init(void) {
    PORTD &= (uint8_t) ~(SELECT_MASK | WRITE_PROTECT);
    DDRD |= SELECT_MASK | WRITE_PROTECT;
    bus_init();
}

void chip_configure(const struct chip_config* config) {
    chip = *config;
    if (chip.size == 0) chip.size = 0x1000000UL;  // no size given: nothing to wrap at
    current = chip.start % chip.size;
    PORTD = (PORTD & (uint8_t)~SELECT_MASK) | ((chip.pins >> 3 << SELECT_SHIFT) & SELECT_MASK);
}

static bool one_address_byte(void) { return chip.size <= ONE_ADDRESS_BYTE_LIMIT; }

// The control byte for an address. One-byte parts: the bits set only in the high control byte
// take address bits 8, 9, 10, from the lowest bit up. Two-byte parts: the high control byte
// from 64 KiB on.
static uint8_t control_for(uint32_t address) {
    if (!one_address_byte()) return address >= 0x10000UL ? chip.control_high : chip.control_low;
    uint8_t control = chip.control_low;
    const uint8_t block_bits = chip.control_high & (uint8_t)~chip.control_low;
    uint8_t high = (uint8_t)(address >> 8);
    for (uint8_t bit = 0x02; bit <= 0x08; bit <<= 1) {
        if (!(block_bits & bit)) continue;
        if (high & 1) control |= bit;
        high >>= 1;
    }
    return control & 0xFE;
}

// Bytes from an address up to where the control byte changes or the device ends.
static uint32_t segment_room(uint32_t address) {
    const uint32_t segment = one_address_byte() ? 0x100UL : 0x10000UL;
    const uint32_t to_segment = segment - (address & (segment - 1));
    const uint32_t to_end = chip.size - address;
    return to_segment < to_end ? to_segment : to_end;
}

static uint32_t advance(uint32_t address, uint16_t count) {
    address += count;
    return address >= chip.size ? address - chip.size : address;
}

// START, control byte and address bytes for writing from `address`.
static bool select_for_writing(uint32_t address) {
    if (!bus_start(control_for(address))) return false;
    if (!one_address_byte() && !bus_write((uint8_t)(address >> 8))) return false;
    return bus_write((uint8_t)address);
}

static bool select_for_reading(uint32_t address) {
    return select_for_writing(address) && bus_start(control_for(address) | 1);
}

bool chip_read(uint16_t count, void (*sink)(uint8_t byte)) {
    uint32_t address = current;
    while (count > 0) {
        const uint32_t room = segment_room(address);
        const uint16_t piece = room < count ? (uint16_t)room : count;
        if (!select_for_reading(address)) {
            bus_stop();
            return false;
        }
        for (uint16_t i = 0; i < piece; ++i) sink(bus_read(i + 1 < piece));
        bus_stop();
        address = advance(address, piece);
        count -= piece;
    }
    current = address;
    return true;
}

// Acknowledge polling: the chip answers its address again once the write cycle has ended.
static bool wait_for_write_cycle(uint8_t control) {
    const ticks_t start = now();
    for (;;) {
        const bool ready = bus_start(control);
        bus_stop();
        if (ready) return true;
        if (elapsed(start, WRITE_CYCLE_LIMIT)) return false;
    }
}

// Bytes from an address to the end of its page. A page size that is no power of two is no real
// part's: such writes go byte by byte, which no page size can make wrong.
static uint16_t page_room(uint32_t address) {
    const uint16_t page = chip.page_size;
    if (page == 0 || (page & (page - 1)) != 0) return 1;
    return page - ((uint16_t)address & (page - 1));
}

bool chip_write(const uint8_t* data, uint16_t count) {
    uint32_t address = current;
    while (count > 0) {
        uint16_t piece = page_room(address);
        const uint32_t room = segment_room(address);
        if (room < piece) piece = (uint16_t)room;
        if (count < piece) piece = count;
        const uint8_t control = control_for(address);
        bool sent = select_for_writing(address);
        for (uint16_t i = 0; sent && i < piece; ++i) sent = bus_write(data[i]);
        bus_stop();
        if (!sent || !wait_for_write_cycle(control)) return false;
        data += piece;
        count -= piece;
        address = advance(address, piece);
    }
    current = address;
    return true;
}
