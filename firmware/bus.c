#include "bus.h"

#include <avr/io.h>

#define STATUS_START 0x08
#define STATUS_RESTART 0x10
#define STATUS_WRITE_ADDRESS_ACK 0x18
#define STATUS_READ_ADDRESS_ACK 0x40
#define STATUS_DATA_SENT_ACK 0x28
#define STATUS_NONE 0x00

void bus_init(void) {
    TWSR = 0;                             // prescaler 1
    TWBR = (F_CPU / 400000UL - 16) / 2;   // 400 kHz
    TWCR = _BV(TWEN);
}

// Starts one bus step and waits for its end. A step takes at most a byte time (23 us); the
// limit of some 16 ms is for a bus that never finishes.
static uint8_t step(uint8_t control) {
    TWCR = control | _BV(TWINT) | _BV(TWEN);
    uint16_t patience = 0xFFFF;
    while (!(TWCR & _BV(TWINT))) {
        if (--patience == 0) return STATUS_NONE;
    }
    return TWSR & 0xF8;
}

bool bus_start(uint8_t address) {
    const uint8_t started = step(_BV(TWSTA));
    if (started != STATUS_START && started != STATUS_RESTART) return false;
    TWDR = address;
    const uint8_t status = step(0);
    // Some TWI models report "data sent" after the address for writing: take it as the same.
    if (address & 1) return status == STATUS_READ_ADDRESS_ACK;
    return status == STATUS_WRITE_ADDRESS_ACK || status == STATUS_DATA_SENT_ACK;
}

bool bus_write(uint8_t byte) {
    TWDR = byte;
    return step(0) == STATUS_DATA_SENT_ACK;
}

uint8_t bus_read(bool more) {
    step(more ? _BV(TWEA) : 0);
    return TWDR;
}

// The STOP bit clears once the STOP is on the bus; a START before that would be lost.
void bus_stop(void) {
    TWCR = _BV(TWINT) | _BV(TWEN) | _BV(TWSTO);
    uint16_t patience = 0xFFFF;
    while ((TWCR & _BV(TWSTO)) && --patience) {
    }
}
