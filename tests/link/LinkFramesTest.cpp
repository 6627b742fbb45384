#include <gtest/gtest.h>

#include <vector>

#include "DataImage.h"
#include "LinkFrames.h"
#include "ProgramError.h"

using namespace LinkFrames;

namespace {

template <std::size_t N>
std::vector<int> bytesOf(const std::array<uint8_t, N>& frame) {
    return std::vector<int>(frame.begin(), frame.end());
}

TEST(LinkFrames, CommandCodesAndRequestFramesWhoseCheckIsAlways53) {
    const int expected[3][3] = {{0xA6, 0xA7, 0xA8}, {0xA0, 0xA1, 0xA2}, {0xA3, 0xA4, 0xA5}};
    for (int operation = 0; operation < 3; ++operation) {
        for (int unit = 0; unit < 3; ++unit) {
            const uint8_t code = commandCode(operation, unit);
            EXPECT_EQ(code, expected[operation][unit]);
            EXPECT_EQ(bytesOf(requestFrame(code)), (std::vector<int>{code, 0xFF, 0xAC, 0x53}));
        }
    }
    EXPECT_EQ(commandCode(Operation::Property, Unit::Block), 0);
    EXPECT_EQ(commandCode(Operation::Read, Unit::Configuration), 0);
}

TEST(LinkFrames, ByteAndBlockFramesCarryDataAndCheck) {
    EXPECT_EQ(bytesOf(byteFrame(0x5A)), (std::vector<int>{0xA8, 0x5A, 0xAC, 0xF6}));

    std::array<uint8_t, 256> data;
    data.fill(0xFF);  // the data cancel out in pairs, leaving the end marker
    auto frame = blockFrame(0xA7, data);
    EXPECT_EQ(frame[0], 0xA7);
    EXPECT_EQ(frame[1], 0xFF);
    EXPECT_EQ(frame[256], 0xFF);
    EXPECT_EQ(frame[257], 0xAC);
    EXPECT_EQ(frame[258], 0xAC);

    data.fill(0);
    data[255] = 0x5A;  // the last data byte must be inside the check
    frame = blockFrame(0xA6, data);
    EXPECT_EQ(frame[256], 0x5A);
    EXPECT_EQ(frame[258], 0xF6);
}

TEST(LinkFrames, ConfigurationFrameIsMostSignificantFirst) {
    // The last block of a 128 KiB device with 256-byte pages.
    EXPECT_EQ(bytesOf(configFrame({0xA0, 0xA2, 0x01, 0x02}, 0x1FF00, {0x00, 0x01}, {0, 0, 2})),
              (std::vector<int>{0xA9, 0xA0, 0xA2, 0x01, 0x02, 0x01, 0xFF, 0x00, 0x01, 0x00, 0x02,
                                0x00, 0x00, 0xAC, 0x50}));
    const auto frame = configFrame({}, 0x1234, {0x40, 0x00}, {0x00, 0x80, 0x00});
    EXPECT_EQ(bytesOf(frame),
              (std::vector<int>{0xA9, 0, 0, 0, 0, 0x00, 0x12, 0x34, 0x00, 0x40, 0x00, 0x80, 0x00,
                                0xAC, 0x12 ^ 0x34 ^ 0x40 ^ 0x80 ^ 0xAC}));
}

TEST(LinkFrames, ImageCellsConvertOnlyWhenTwoHexDigits) {
    DataImage image;
    image.set(0, u"ab");
    image.set(1, u"0F");
    EXPECT_EQ(imageByte(image, 0), 0xAB);
    EXPECT_EQ(imageByte(image, 1), 0x0F);
    for (const char16_t* bad : {u"", u"G1", u"F", u" 1", u"+1"}) {
        image.set(2, bad);
        EXPECT_THROW(imageByte(image, 2), ProgramError) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_THROW(imageBlock(image, 0), ProgramError);
    EXPECT_THROW(imageByte(image, DataImage::Size), ProgramError);
}

}  // namespace
