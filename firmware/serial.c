#include "serial.h"

#include <avr/io.h>
#include <util/setbaud.h>

void serial_init(void) {
    // U2X first: the UBRR write is what sets the speed, and it must meet the final mode.
#if USE_2X
    UCSR0A = _BV(U2X0);
#else
    UCSR0A = 0;
#endif
    UCSR0B = _BV(RXEN0) | _BV(TXEN0);
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00);  // 8N1
    UBRR0H = UBRRH_VALUE;
    UBRR0L = UBRRL_VALUE;

    TCCR1A = 0;
    TCCR1B = _BV(CS12) | _BV(CS10);  // clk/1024: 64 us a tick, wraps after 4.2 s
}

ticks_t now(void) { return TCNT1; }

bool elapsed(ticks_t since, ticks_t limit) { return (ticks_t)(TCNT1 - since) >= limit; }

uint8_t serial_get(void) {
    while (!(UCSR0A & _BV(RXC0))) {
    }
    return UDR0;
}

int16_t serial_get_within(ticks_t limit) {
    const ticks_t start = now();
    while (!(UCSR0A & _BV(RXC0))) {
        if (elapsed(start, limit)) return -1;
    }
    return UDR0;
}

void serial_put(uint8_t byte) {
    while (!(UCSR0A & _BV(UDRE0))) {
    }
    UDR0 = byte;
}
