#pragma once

#include <stdbool.h>
#include <stdint.h>

// The serial line to the computer, polled, and a free-running time base for time-outs.

// Ticks of the time base (64 us each).
typedef uint16_t ticks_t;
#define MS_TO_TICKS(ms) ((ticks_t)(((uint32_t)(ms) * 1000u + 63u) / 64u))

void serial_init(void);
ticks_t now(void);
// True once at least `limit` ticks have passed since `since`.
bool elapsed(ticks_t since, ticks_t limit);

// Waits for the next byte without a limit.
uint8_t serial_get(void);
// The next byte, or -1 when none came within `limit` ticks.
int16_t serial_get_within(ticks_t limit);
void serial_put(uint8_t byte);
