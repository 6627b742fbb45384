// The writer board: frames from the computer in, the 24Cxx chip's answers out. Every frame is
// checked whole (end marker 0xAC, then the XOR of everything after the code) before it acts; a
// frame that is wrong, stalls or meets a silent chip gets no answer, so the computer times out.

#include <stdbool.h>
#include <stdint.h>

#include "chip.h"
#include "serial.h"

#define END_MARKER 0xAC
#define BLOCK 256
#define FRAME_STALL_LIMIT MS_TO_TICKS(500)

enum {
    READ_BLOCK = 0xA0,
    READ_ALL = 0xA1,
    READ_BYTE = 0xA2,
    VERIFY_BLOCK = 0xA3,
    VERIFY_ALL = 0xA4,
    VERIFY_BYTE = 0xA5,
    WRITE_BLOCK = 0xA6,
    WRITE_ALL = 0xA7,
    WRITE_BYTE = 0xA8,
    CONFIGURE = 0xA9,
};

static uint8_t frame[1 + BLOCK + 2];

static uint16_t frame_length(uint8_t code) {
    switch (code) {
        case WRITE_BLOCK:
        case WRITE_ALL:
            return sizeof frame;
        case CONFIGURE:
            return 15;
        default:
            return code >= READ_BLOCK && code <= WRITE_BYTE ? 4 : 0;
    }
}

// Waits for a frame and takes it in whole; false when its bytes stop coming.
static bool receive(uint16_t* length) {
    uint16_t wanted;
    do {
        frame[0] = serial_get();
        wanted = frame_length(frame[0]);
    } while (wanted == 0);  // bytes that start no frame are skipped
    for (uint16_t i = 1; i < wanted; ++i) {
        const int16_t byte = serial_get_within(FRAME_STALL_LIMIT);
        if (byte < 0) return false;
        frame[i] = (uint8_t)byte;
    }
    *length = wanted;
    return true;
}

static uint8_t xor_of(const uint8_t* bytes, uint16_t count) {
    uint8_t check = 0;
    while (count--) check ^= *bytes++;
    return check;
}

static bool well_formed(uint16_t length) {
    return frame[length - 2] == END_MARKER && xor_of(frame + 1, length - 2) == frame[length - 1];
}

static void echo(uint16_t length) {
    for (uint16_t i = 0; i < length; ++i) serial_put(frame[i]);
}

static uint32_t big_endian24(const uint8_t* bytes) {
    return (uint32_t)bytes[0] << 16 | (uint16_t)bytes[1] << 8 | bytes[2];
}

static void configure(void) {
    const struct chip_config config = {
        .control_low = frame[1],
        .control_high = frame[2],
        .pins = frame[3],
        .start = big_endian24(frame + 5),
        .page_size = (uint16_t)frame[8] << 8 | frame[9],
        .size = big_endian24(frame + 10),
    };
    chip_configure(&config);
    echo(15);
}

// The reply's code goes out with the first byte off the bus, so a chip that does not answer
// leaves the line silent.
static bool reply_started;
static uint8_t reply_check;

static void send_data(uint8_t byte) {
    if (!reply_started) {
        serial_put(frame[0]);
        reply_started = true;
    }
    serial_put(byte);
    reply_check ^= byte;
}

static void answer_request(uint16_t count) {
    reply_started = false;
    reply_check = END_MARKER;
    if (!chip_read(count, send_data)) return;
    serial_put(END_MARKER);
    serial_put(reply_check);
}

static void handle(uint16_t length) {
    switch (frame[0]) {
        case CONFIGURE:
            configure();
            break;
        case WRITE_BLOCK:
        case WRITE_ALL:
        case WRITE_BYTE:
            if (chip_write(frame + 1, length - 3)) echo(length);
            break;
        case READ_BYTE:
        case VERIFY_BYTE:
            answer_request(1);
            break;
        default:
            answer_request(BLOCK);
            break;
    }
}

int main(void) {
    serial_init();
    chip_init();
    for (;;) {
        uint16_t length;
        if (receive(&length) && well_formed(length)) handle(length);
    }
}
