#include "LinkFrames.h"

#include <algorithm>

#include "DataImage.h"
#include "HexText.h"
#include "ProgramError.h"

namespace LinkFrames {

uint8_t commandCode(int operation, int unit) {
    if (unit < Unit::Block || unit > Unit::OneByte) return 0;
    switch (operation) {
        case Operation::Read:
            return static_cast<uint8_t>(0xA0 + unit);
        case Operation::Verify:
            return static_cast<uint8_t>(0xA3 + unit);
        case Operation::Write:
            return static_cast<uint8_t>(0xA6 + unit);
        default:
            return 0;
    }
}

uint8_t xorOf(std::span<const uint8_t> bytes) {
    uint8_t check = 0;
    for (const uint8_t b : bytes) check ^= b;
    return check;
}

std::array<uint8_t, RequestLength> requestFrame(uint8_t code) {
    std::array<uint8_t, RequestLength> frame{code, Filler, EndMarker, 0};
    frame[3] = frame[1] ^ frame[2];
    return frame;
}

std::array<uint8_t, ByteLength> byteFrame(uint8_t value) {
    return {0xA8, value, EndMarker, static_cast<uint8_t>(value ^ EndMarker)};
}

std::array<uint8_t, BlockLength> blockFrame(uint8_t code,
                                            std::span<const uint8_t, BlockSize> data) {
    std::array<uint8_t, BlockLength> frame{};
    frame[0] = code;
    std::copy(data.begin(), data.end(), frame.begin() + 1);
    frame[BlockLength - 2] = EndMarker;
    frame[BlockLength - 1] = xorOf(std::span(frame).subspan(1, BlockSize + 1));
    return frame;
}

std::array<uint8_t, ConfigLength> configFrame(const std::array<uint8_t, 4>& controlBytes,
                                              int32_t startAddress,
                                              const std::array<uint8_t, 2>& pageSizeBytes,
                                              const std::array<uint8_t, 3>& capacityBytes) {
    std::array<uint8_t, ConfigLength> frame{ConfigCode,
                                            controlBytes[0],
                                            controlBytes[1],
                                            controlBytes[2],
                                            controlBytes[3],
                                            static_cast<uint8_t>(startAddress >> 16),
                                            static_cast<uint8_t>(startAddress >> 8),
                                            static_cast<uint8_t>(startAddress),
                                            pageSizeBytes[1],
                                            pageSizeBytes[0],
                                            capacityBytes[2],
                                            capacityBytes[1],
                                            capacityBytes[0],
                                            EndMarker,
                                            0};
    frame[ConfigLength - 1] = xorOf(std::span(frame).subspan(1, ConfigLength - 2));
    return frame;
}

uint8_t imageByte(const DataImage& image, int address) {
    const QLatin1StringView cell = image.view(address);
    const int value = cellByte(cell);
    if (value < 0) throw ProgramError::typeMismatch(QString(cell));
    return static_cast<uint8_t>(value);
}

std::array<uint8_t, BlockSize> imageBlock(const DataImage& image, int address) {
    std::array<uint8_t, BlockSize> data{};
    for (int i = 0; i < BlockSize; ++i) data[i] = imageByte(image, address + i);
    return data;
}

QString operationName(int operation) {
    switch (operation) {
        case Operation::Write:
            return QStringLiteral("Write");
        case Operation::Read:
            return QStringLiteral("Read");
        default:
            return QStringLiteral("Verify");
    }
}

}  // namespace LinkFrames
