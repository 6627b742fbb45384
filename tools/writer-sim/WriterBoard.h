#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The writer board as the program meets it on the serial line, without the line: bytes go in,
// the board's answers come out. It keeps a 128 KiB EEPROM and answers like the firmware:
//   A9 configuration (15 bytes)    echoed; start address, page size and device size remembered,
//                                   and the start address becomes the current address
//   A6/A7 block write (259 bytes)  the 256 bytes stored at the current address, frame echoed
//   A8 byte write (4 bytes)        the byte stored at the current address, frame echoed
//   A0/A1/A3/A4 block request (4)  code + 256 bytes from the current address + AC + check
//   A2/A5 byte request (4)         code + the byte at the current address + AC + check
// Every block or byte moves the current address on, so a whole-memory transfer walks the chip
// from the configured start; addresses wrap at 128 KiB. A frame whose end marker or check byte
// is wrong gets no answer at all (the program then reports a time-out), and a byte that starts
// no known frame is skipped, so the board finds the next frame by itself. A frame whose bytes
// stop coming is dropped once the line has been quiet for StallMs.
class WriterBoard {
public:
    static constexpr int MemorySize = 0x20000;

    // Faults to inject, for tests of the program's error paths.
    struct Faults {
        bool corruptConfig = false;  // the configuration echo comes back with one byte changed
        bool badCheck = false;       // READ and VERIFY replies carry a wrong check byte
        bool silent = false;         // never answers
        int silentAfter = -1;        // answers this many frames, then falls silent (-1: never)
        int flipAddress = -1;        // READ and VERIFY replies give this byte with its lowest bit
                                     // changed, as a worn cell would (-1: none)
    };

    WriterBoard() = default;
    explicit WriterBoard(Faults faults) : faults_(faults) {}

    static constexpr int StallMs = 500;

    // Bytes from the line, in any chunks; returns the answers of every frame they complete.
    std::vector<uint8_t> receive(std::span<const uint8_t> bytes);
    // The line has been quiet for StallMs: a frame begun is dropped unanswered.
    void stalled() { frame_.clear(); }

    std::vector<uint8_t>& memory() { return memory_; }
    const std::vector<uint8_t>& memory() const { return memory_; }

    uint32_t startAddress() const { return startAddress_; }
    uint32_t currentAddress() const { return address_; }
    uint32_t deviceSize() const { return deviceSize_; }
    uint16_t pageSize() const { return pageSize_; }
    // Frames refused for a bad end marker or check byte.
    int rejectedFrames() const { return rejected_; }
    // Frames acted on (answered, or swallowed by a silence fault).
    int acceptedFrames() const { return accepted_; }

private:
    static int frameLength(uint8_t code);
    void answer(std::vector<uint8_t>& out);
    uint8_t& at(uint32_t offset) { return memory_[(address_ + offset) % MemorySize]; }

    Faults faults_;
    std::vector<uint8_t> memory_ = std::vector<uint8_t>(MemorySize, 0xFF);
    std::vector<uint8_t> frame_;
    int expected_ = 0;
    uint32_t startAddress_ = 0;
    uint32_t address_ = 0;
    uint32_t deviceSize_ = 0;
    uint16_t pageSize_ = 0;
    int rejected_ = 0;
    int accepted_ = 0;
};
