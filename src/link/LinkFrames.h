#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <span>

#include "HexText.h"
#include "WindowsColour.h"

class DataImage;

// The frames between the program and the writer board. Every frame is: command code, data, the
// end marker 0xAC, and a check byte that XORs everything after the code up to the end marker.
// Numbers go most significant byte first.
namespace LinkFrames {

constexpr uint8_t EndMarker = 0xAC;
constexpr uint8_t Filler = 0xFF;
constexpr uint8_t ConfigCode = 0xA9;

constexpr int RequestLength = 4;
constexpr int ByteLength = 4;
constexpr int BlockLength = 259;
constexpr int ConfigLength = 15;
constexpr int BlockSize = 256;

// OperationCode: the index of the operation button pressed last.
namespace Operation {
constexpr int Write = 0;
constexpr int Read = 1;
constexpr int Verify = 2;
constexpr int Property = 3;
}  // namespace Operation

// FlagTable(2): the transfer unit, with Configuration while the opening exchange runs.
namespace Unit {
constexpr int Block = 0;
constexpr int WholeMemory = 1;
constexpr int OneByte = 2;
constexpr int Configuration = 3;
}  // namespace Unit

// Message line colours the link uses.
constexpr int32_t InformationColour = MessageColour::Information;
constexpr int32_t FailureColour = MessageColour::Failure;

// The command code of an operation (0..2) on a unit (0..2): 0xA6..0xA8 WRITE, 0xA0..0xA2 READ,
// 0xA3..0xA5 VERIFY; 0 for anything else.
uint8_t commandCode(int operation, int unit);

// XOR of the bytes given.
uint8_t xorOf(std::span<const uint8_t> bytes);

std::array<uint8_t, RequestLength> requestFrame(uint8_t code);
std::array<uint8_t, ByteLength> byteFrame(uint8_t value);
std::array<uint8_t, BlockLength> blockFrame(uint8_t code, std::span<const uint8_t, BlockSize> data);
std::array<uint8_t, ConfigLength> configFrame(const std::array<uint8_t, 4>& controlBytes,
                                              int32_t startAddress,
                                              const std::array<uint8_t, 2>& pageSizeBytes,
                                              const std::array<uint8_t, 3>& capacityBytes);

// The byte value of an image cell. Only two hexadecimal digits (either case) make a byte: an
// empty or malformed cell throws ProgramError rather than sending a made-up value to the chip.
uint8_t imageByte(const DataImage& image, int address);
std::array<uint8_t, BlockSize> imageBlock(const DataImage& image, int address);

// "Write", "Read" or "Verify", as the messages on the message line name the operation.
QString operationName(int operation);

}  // namespace LinkFrames
