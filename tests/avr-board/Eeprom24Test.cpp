#include <gtest/gtest.h>

#include <vector>

#include "Eeprom24.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint64_t Ms = 1'000'000;

Eeprom24 chipOf(const char* name, uint8_t pins = 0) {
    Eeprom24 chip(*Eeprom24::find(name));
    chip.setPins(pins);
    return chip;
}

// START, control byte, address bytes and data, STOP; false at the first byte not acknowledged.
bool writeTransaction(Eeprom24& chip, uint8_t control, const Bytes& bytes, uint64_t now = 0) {
    bool acked = chip.start(control, now);
    for (const uint8_t b : bytes) acked = acked && chip.write(b);
    chip.stop(now);
    return acked;
}

// A random read, after any write cycle has ended.
Bytes readFrom(Eeprom24& chip, uint8_t control, const Bytes& address, int count) {
    constexpr uint64_t later = 10 * Ms;
    Bytes out;
    if (!chip.start(control, later)) return out;
    for (const uint8_t b : address) chip.write(b);
    if (!chip.start(control | 1, later)) return out;
    for (int i = 0; i < count; ++i) out.push_back(chip.read());
    chip.stop(later);
    return out;
}

TEST(Eeprom24, ControlByteSelectsByPinsAndBlockBits) {
    const struct {
        const char* part;
        uint8_t pins;  // bit 0 = A0
        uint8_t control;
        bool acked;
    } rows[] = {
        {"24C02", 0b000, 0xA0, true},    {"24C02", 0b000, 0xA2, false},
        {"24C02", 0b001, 0xA2, true},    {"24C02", 0b001, 0xA0, false},
        {"24C02", 0b000, 0xB0, false},   {"24C04", 0b000, 0xA2, true},
        {"24C04", 0b000, 0xA4, false},   {"24C04", 0b010, 0xA6, true},
        {"24C08", 0b000, 0xA6, true},    {"24C08", 0b000, 0xA8, false},
        {"24C16", 0b111, 0xAE, true},    {"24C512", 0b101, 0xAA, true},
        {"24C512", 0b101, 0xA8, false},  {"24C1024", 0b000, 0xA2, true},
        {"24C1024", 0b000, 0xA4, false}, {"24C1025", 0b000, 0xA0, false},
        {"24C1025", 0b100, 0xA0, true},  {"24C1025", 0b100, 0xA8, true},
        {"24C1025", 0b100, 0xA2, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.part) + " control " + std::to_string(row.control));
        Eeprom24 chip = chipOf(row.part, row.pins);
        EXPECT_EQ(chip.start(row.control, 0), row.acked);
        EXPECT_EQ(chip.start(row.control | 1, 0), row.acked);
    }
}

TEST(Eeprom24, BlockBitsAndAddressBytesMakeTheAddress) {
    const struct {
        const char* part;
        uint8_t pins;
        uint8_t control;
        Bytes address;
        uint32_t expected;
    } rows[] = {
        {"24C02", 0, 0xA0, {0xFF}, 0xFF},
        {"24C04", 0, 0xA2, {0x10}, 0x110},
        {"24C08", 0, 0xA4, {0x00}, 0x200},
        {"24C16", 0, 0xAE, {0xFF}, 0x7FF},
        {"24C64", 0, 0xA0, {0x1F, 0xFF}, 0x1FFF},
        {"24C64", 0, 0xA0, {0xFF, 0xFF}, 0x1FFF},  // address bits above the device are ignored
        {"24C1024", 0, 0xA2, {0x12, 0x34}, 0x11234},
        {"24C1025", 0b100, 0xA8, {0x12, 0x34}, 0x11234},
        {"24C1025", 0b100, 0xA0, {0x12, 0x34}, 0x01234},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.part) + " to " + std::to_string(row.expected));
        Eeprom24 chip = chipOf(row.part, row.pins);
        Bytes bytes = row.address;
        bytes.push_back(0x5A);
        ASSERT_TRUE(writeTransaction(chip, row.control, bytes));
        Bytes expected(chip.part().size, 0xFF);
        expected[row.expected] = 0x5A;
        EXPECT_EQ(chip.memory(), expected);
        EXPECT_EQ(readFrom(chip, row.control, row.address, 1), Bytes{0x5A});
    }
}

// Writing one byte more than a page from its start wraps onto the page's first byte.
TEST(Eeprom24, PageWritesRollOverInsideTheirPage) {
    for (const Eeprom24::Part& part : Eeprom24::parts()) {
        SCOPED_TRACE(std::string(part.name));
        Eeprom24 chip(part);
        chip.setPins(part.needsA2High ? 0b100 : 0);
        const uint32_t page = part.pageSize;
        Bytes bytes = part.size > 2048
                          ? Bytes{static_cast<uint8_t>(page >> 8), static_cast<uint8_t>(page)}
                          : Bytes{static_cast<uint8_t>(page)};
        for (uint32_t i = 0; i <= page; ++i) bytes.push_back(static_cast<uint8_t>(i + 1));
        ASSERT_TRUE(writeTransaction(chip, 0xA0, bytes));
        EXPECT_EQ(chip.memory()[page], uint8_t(page + 1));  // the first, overwritten by the last
        EXPECT_EQ(chip.memory()[2 * page - 1], uint8_t(page));
        EXPECT_EQ(chip.memory()[2 * page], 0xFF);  // the next page untouched
        EXPECT_EQ(chip.memory()[page - 1], 0xFF);
    }
}

TEST(Eeprom24, WritesCommitAtStopAndTheWriteCycleAcknowledgesNothing) {
    Eeprom24 chip = chipOf("24C02");
    ASSERT_TRUE(chip.start(0xA0, 0));
    chip.write(0x10);
    chip.write(0x77);
    EXPECT_EQ(chip.memory()[0x10], 0xFF);
    ASSERT_TRUE(chip.start(0xA0, 0));  // a repeated START drops the page
    chip.stop(0);
    EXPECT_EQ(chip.memory()[0x10], 0xFF);
    EXPECT_TRUE(chip.start(0xA0, 0));  // nothing was written: no write cycle

    ASSERT_TRUE(writeTransaction(chip, 0xA0, {0x10, 0x77}, 1 * Ms));
    EXPECT_EQ(chip.memory()[0x10], 0x77);
    EXPECT_FALSE(chip.start(0xA0, 1 * Ms));
    EXPECT_FALSE(chip.start(0xA1, 5 * Ms));
    EXPECT_TRUE(chip.start(0xA0, 6 * Ms));
    chip.stop(6 * Ms);  // acknowledge polling writes nothing and keeps the address counter
    EXPECT_TRUE(chip.start(0xA1, 6 * Ms));
    EXPECT_EQ(chip.read(), 0xFF);  // 0x11, after the byte written
}

TEST(Eeprom24, SequentialReadsRollOverAtTheEndOfTheDeviceOrItsHalf) {
    const struct {
        const char* part;
        uint8_t pins;
        uint8_t control;
        Bytes address;
        uint32_t last, next;
    } rows[] = {
        {"24C02", 0, 0xA0, {0xFF}, 0xFF, 0x00},
        {"24C16", 0, 0xAE, {0xFF}, 0x7FF, 0x000},
        {"24C04", 0, 0xA0, {0xFF}, 0x0FF, 0x100},
        {"24C1024", 0, 0xA0, {0xFF, 0xFF}, 0xFFFF, 0x10000},
        {"24C1024", 0, 0xA2, {0xFF, 0xFF}, 0x1FFFF, 0x00000},
        {"24C1025", 0b100, 0xA0, {0xFF, 0xFF}, 0xFFFF, 0x00000},
        {"24C1025", 0b100, 0xA8, {0xFF, 0xFF}, 0x1FFFF, 0x10000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.part) + " from " + std::to_string(row.last));
        Eeprom24 chip = chipOf(row.part, row.pins);
        chip.memory()[row.last] = 0x11;
        chip.memory()[row.next] = 0x22;
        EXPECT_EQ(readFrom(chip, row.control, row.address, 2), (Bytes{0x11, 0x22}));
    }
}

}  // namespace
