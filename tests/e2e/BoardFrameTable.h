#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "LinkFrames.h"

// Frames sent to a writer board and the answers due, the same for every board: each row starts
// from where the rows before it left the chip. The geometry is a 24C1024's (two control bytes,
// 256-byte pages, 128 KiB), all chip-select pins low.
namespace BoardFrameTable {

using Bytes = std::vector<uint8_t>;

struct Row {
    std::string name;
    Bytes sent;
    Bytes answer;     // everything the board sends back for `sent` and `then`
    int pauseMs = 0;  // silence on the line after `sent`, before `then` is sent
    Bytes then = {};
};

template <std::size_t N>
Bytes bytesOf(const std::array<uint8_t, N>& frame) {
    return Bytes(frame.begin(), frame.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes config(int32_t start) {
    return bytesOf(
        LinkFrames::configFrame({0xA0, 0xA2, 0x01, 0x00}, start, {0x00, 0x01}, {0x00, 0x00, 0x02}));
}

inline std::array<uint8_t, 256> blockData(uint8_t seed) {
    std::array<uint8_t, 256> data;
    for (int i = 0; i < 256; ++i) data[i] = static_cast<uint8_t>(i * 7 ^ seed);
    return data;
}

inline Bytes block(uint8_t code, uint8_t seed) {
    return bytesOf(LinkFrames::blockFrame(code, blockData(seed)));
}

inline Bytes request(uint8_t code) { return bytesOf(LinkFrames::requestFrame(code)); }

// A READ or VERIFY reply has the layout of a block frame.
inline Bytes erasedReply(uint8_t code) {
    std::array<uint8_t, 256> data;
    data.fill(0xFF);
    return bytesOf(LinkFrames::blockFrame(code, data));
}

inline Bytes withByte(Bytes frame, std::size_t at, uint8_t value) {
    frame[at] = value;
    return frame;
}

inline Bytes noise() {
    std::mt19937 generator(18);
    Bytes bytes(600);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(generator());
    return bytes;
}

inline std::vector<Row> rows() {
    const Bytes cut = block(0xA7, 9);
    return {
        {"configuration echoed", config(0), config(0)},
        {"blocks written from the start", config(0x200) + block(0xA7, 1) + block(0xA7, 2),
         config(0x200) + block(0xA7, 1) + block(0xA7, 2)},
        {"blocks read back and the address walks on", config(0x300) + request(0xA1) + request(0xA4),
         config(0x300) + block(0xA1, 2) + erasedReply(0xA4)},
        {"one byte written and verified",
         config(0x1234) + Bytes{0xA8, 0x5A, 0xAC, 0xF6} + config(0x1234) + request(0xA5),
         config(0x1234) + Bytes{0xA8, 0x5A, 0xAC, 0xF6} + config(0x1234) +
             Bytes{0xA5, 0x5A, 0xAC, 0xF6}},
        {"blocks across 64 KiB", config(0xFF00) + block(0xA7, 3) + block(0xA7, 4),
         config(0xFF00) + block(0xA7, 3) + block(0xA7, 4)},
        {"read across 64 KiB", config(0xFF00) + request(0xA4) + request(0xA4),
         config(0xFF00) + block(0xA4, 3) + block(0xA4, 4)},
        {"the last block", config(0x1FF00) + block(0xA6, 5) + config(0x1FF00) + request(0xA0),
         config(0x1FF00) + block(0xA6, 5) + config(0x1FF00) + block(0xA0, 5)},
        {"bytes that start no frame and a wrong check byte",
         config(0) + Bytes{0x00, 0x55} + withByte(request(0xA0), 3, 0x54) + request(0xA2),
         config(0) + Bytes{0xA2, 0xFF, 0xAC, 0x53}},
        {"wrong end marker: nothing written",
         config(0) + withByte(block(0xA7, 6), 257, 0xAD) + config(0) + request(0xA2),
         config(0) + config(0) + Bytes{0xA2, 0xFF, 0xAC, 0x53}},
        {"wrong check byte: nothing written",
         config(0x400) + withByte(block(0xA6, 6), 258, 0x00) + config(0x400) + request(0xA0),
         config(0x400) + config(0x400) + erasedReply(0xA0)},
        {"a frame cut short is dropped", config(0) + Bytes(cut.begin(), cut.begin() + 100),
         config(0) + config(0) + Bytes{0xA2, 0xFF, 0xAC, 0x53}, 1500, config(0) + request(0xA2)},
        {"noise, then a good configuration", noise(), config(0x200) + Bytes{0xA2, 0x01, 0xAC, 0xAD},
         1500, config(0x200) + request(0xA2)},
    };
}

}  // namespace BoardFrameTable
