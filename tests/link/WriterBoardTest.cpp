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

Bytes block(uint8_t code, uint8_t seed) {
    std::array<uint8_t, 256> data;
    for (int i = 0; i < 256; ++i) data[i] = static_cast<uint8_t>(i ^ seed);
    return bytesOf(blockFrame(code, data));
}

// Feeds the bytes one at a time, the worst chunking the line can produce.
Bytes feedByteByByte(WriterBoard& board, const Bytes& bytes) {
    Bytes out;
    for (const uint8_t b : bytes) {
        const Bytes answer = board.receive(std::span(&b, 1));
        out.insert(out.end(), answer.begin(), answer.end());
    }
    return out;
}

TEST(WriterBoard, EchoesTheConfigurationAndRemembersIt) {
    WriterBoard board;
    EXPECT_EQ(board.receive(config(0x1FF00)), config(0x1FF00));
    EXPECT_EQ(board.startAddress(), 0x1FF00u);
    EXPECT_EQ(board.currentAddress(), 0x1FF00u);
    EXPECT_EQ(board.pageSize(), 256);
    EXPECT_EQ(board.deviceSize(), 131072u);
}

TEST(WriterBoard, BlocksWalkOnFromTheConfiguredStart) {
    WriterBoard board;
    Bytes frames = config(0x200);
    for (const Bytes& frame : {block(0xA7, 1), block(0xA7, 2)}) {
        frames.insert(frames.end(), frame.begin(), frame.end());
    }
    EXPECT_EQ(feedByteByByte(board, frames), frames);
    EXPECT_EQ(board.memory()[0x1FF], 0xFF);
    EXPECT_EQ(board.memory()[0x200], 0x01);
    EXPECT_EQ(board.memory()[0x3FF], 0xFF ^ 0x02);
    EXPECT_EQ(board.memory()[0x400], 0xFF);

    board.receive(config(0x300));
    const Bytes replies = board.receive(Bytes{0xA1, 0xFF, 0xAC, 0x53, 0xA4, 0xFF, 0xAC, 0x53});
    ASSERT_EQ(replies.size(), 2u * 259);
    // A READ reply has the layout of a WRITE frame; 0x400 on was never written.
    std::array<uint8_t, 256> erased;
    erased.fill(0xFF);
    EXPECT_EQ(Bytes(replies.begin(), replies.begin() + 259), block(0xA1, 2));
    EXPECT_EQ(Bytes(replies.begin() + 259, replies.end()), bytesOf(blockFrame(0xA4, erased)));
    EXPECT_EQ(board.currentAddress(), 0x500u);

    board.receive(config(0x1234));
    EXPECT_EQ(board.receive(Bytes{0xA8, 0x5A, 0xAC, 0xF6}), (Bytes{0xA8, 0x5A, 0xAC, 0xF6}));
    board.receive(config(0x1234));
    EXPECT_EQ(board.receive(Bytes{0xA5, 0xFF, 0xAC, 0x53}), (Bytes{0xA5, 0x5A, 0xAC, 0xF6}));
}

TEST(WriterBoard, BadFramesGetNoAnswerAndTheNextFrameIsFound) {
    WriterBoard board;
    board.receive(config(0));
    Bytes wrongEnd = block(0xA7, 3);
    wrongEnd[257] = 0xAD;
    EXPECT_TRUE(board.receive(Bytes{0x00, 0x55, 0xA0, 0xFF, 0xAC, 0x54}).empty());
    EXPECT_TRUE(board.receive(wrongEnd).empty());
    EXPECT_EQ(board.rejectedFrames(), 2);
    EXPECT_EQ(board.memory()[0], 0xFF);
    EXPECT_EQ(board.receive(Bytes{0xA2, 0xFF, 0xAC, 0x53}), (Bytes{0xA2, 0xFF, 0xAC, 0x53}));
}

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
    EXPECT_TRUE(quiet.receive(block(0xA7, 0)).empty());
    EXPECT_EQ(quiet.memory()[1], 0x01);  // silence is on the line only
}

}  // namespace
