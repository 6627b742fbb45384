#include <gtest/gtest.h>

#include <vector>

#include "LinkFrames.h"
#include "WriterBoard.h"

using namespace LinkFrames;

namespace {

using Bytes = std::vector<uint8_t>;

template <std::size_t N>
Bytes bytesOf(const std::array<uint8_t, N>& frame) {
    return Bytes(frame.begin(), frame.end());
}

Bytes config(int32_t start) {
    return bytesOf(configFrame({0xA0, 0xA0, 0, 0}, start, {0x00, 0x01}, {0x00, 0x00, 0x02}));
}

TEST(WriterBoard, EchoesTheConfigurationAndRemembersIt) {
    WriterBoard board;
    EXPECT_EQ(board.receive(config(0x1FF00)), config(0x1FF00));
    EXPECT_EQ(board.startAddress(), 0x1FF00u);
    EXPECT_EQ(board.currentAddress(), 0x1FF00u);
    EXPECT_EQ(board.pageSize(), 256);
    EXPECT_EQ(board.deviceSize(), 131072u);
}

// What the board answers to each frame is the table in tests/e2e/BoardFrameTable.h, run against
// this board and our own firmware alike; here only what the emulator alone has.

TEST(WriterBoard, InjectedFaults) {
    WriterBoard corrupt({.corruptConfig = true});
    Bytes changed = config(0x100);
    changed[5] ^= 0x01;
    EXPECT_EQ(corrupt.receive(config(0x100)), changed);

    WriterBoard badCheck({.badCheck = true});
    const Bytes reply = badCheck.receive(Bytes{0xA2, 0xFF, 0xAC, 0x53});
    EXPECT_EQ(reply, (Bytes{0xA2, 0xFF, 0xAC, 0x52}));

    WriterBoard quiet({.silentAfter = 1});
    EXPECT_EQ(quiet.receive(config(0)).size(), 15u);
    std::array<uint8_t, 256> data;
    for (int i = 0; i < 256; ++i) data[i] = static_cast<uint8_t>(i);
    EXPECT_TRUE(quiet.receive(bytesOf(blockFrame(0xA7, data))).empty());
    EXPECT_EQ(quiet.memory()[1], 0x01);  // silence is on the line only
}

}  // namespace
