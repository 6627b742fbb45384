#pragma once

#include <stdbool.h>
#include <stdint.h>

// The I2C bus through the TWI unit, polled, at 400 kHz. Every call gives up after a bounded wait,
// so a bus held low cannot lock the firmware up.

void bus_init(void);
// START (or repeated START) and the address byte; true when a device acknowledged it.
bool bus_start(uint8_t address);
// Sends one byte; true when it was acknowledged.
bool bus_write(uint8_t byte);
// Receives one byte, acknowledging it when more are to follow.
uint8_t bus_read(bool more);
void bus_stop(void);
