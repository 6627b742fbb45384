#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A 24Cxx serial EEPROM on the I2C bus, as its datasheet describes it, one bus event at a time.
// Bits 1..3 of the control byte are either block bits, carrying the address bits above the
// address bytes, or compared with the levels on the chip's A0..A2 pins. A page write collects its
// bytes in the page of its address, rolling over inside it, and is committed at STOP; the write
// cycle that follows (5 ms) leaves the chip acknowledging nothing, which is what acknowledge
// polling looks for. Sequential reads roll over at the end of the device (or of its half).
class Eeprom24 {
public:
    struct Part {
        std::string_view name;
        uint32_t size;
        uint16_t pageSize;
        uint8_t blockBits;  // control-byte bits that carry address bits, from the lowest up
        uint32_t readSpan;  // a sequential read rolls over inside spans of this size
        bool needsA2High;   // the chip answers only with A2 high
    };
    static constexpr uint64_t WriteCycleNs = 5'000'000;

    // The part of that name, or nullptr.
    static const Part* find(std::string_view name);
    static const std::vector<Part>& parts();

    explicit Eeprom24(const Part& part);

    // Levels on A0..A2: bit 0 = A0, bit 1 = A1, bit 2 = A2.
    void setPins(uint8_t levels) { pins_ = levels; }

    // START (or repeated START) with an address byte; true when the chip acknowledges it.
    bool start(uint8_t address, uint64_t nowNs);
    // A byte from the master; true when acknowledged.
    bool write(uint8_t byte);
    // The next byte for the master.
    uint8_t read();
    void stop(uint64_t nowNs);

    const Part& part() const { return part_; }
    std::vector<uint8_t>& memory() { return memory_; }
    const std::vector<uint8_t>& memory() const { return memory_; }
    bool busy(uint64_t nowNs) const { return nowNs < busyUntil_; }

private:
    enum class Phase { Idle, Address, Data, Reading };

    int addressBytes() const { return part_.size <= 2048 ? 1 : 2; }
    bool selects(uint8_t address) const;
    uint32_t blockAddress(uint8_t address) const;

    Part part_;
    std::vector<uint8_t> memory_;
    uint8_t pins_ = 0;
    Phase phase_ = Phase::Idle;
    int addressBytesSeen_ = 0;
    uint32_t newAddress_ = 0;   // taking shape from the address bytes
    uint32_t counter_ = 0;      // the chip's address counter, changed only by complete addresses
    std::vector<int> pending_;  // the page being written, -1 where nothing was sent
    uint32_t pageBase_ = 0;
    uint64_t busyUntil_ = 0;
};
