// Keys of the grid and the go-to box, as addresses.

#include <gtest/gtest.h>

#include "CellMove.h"

namespace {

constexpr int32_t k24C02 = 256;
constexpr int32_t k24C1024 = 131072;

}  // namespace

TEST(CellMove, KeysStayInsideTheDevice) {
    using Key = CellMoveKey;
    struct Row {
        int32_t capacity;
        int32_t from;
        Key key;
        int32_t to;
    };
    const Row rows[] = {
        {k24C1024, 0x0100, Key::Left, 0x00FF},  // into the previous block
        {k24C1024, 0x00FF, Key::Right, 0x0100},
        {k24C1024, 0x0105, Key::Up, 0x00F5},
        {k24C1024, 0x00F5, Key::Down, 0x0105},
        {k24C1024, 0x0000, Key::Left, 0x0000},  // nothing below 0
        {k24C1024, 0x0005, Key::Up, 0x0005},
        {k24C1024, 0x0042, Key::BlockUp, 0x0042},
        {k24C1024, 0x1FFFF, Key::Right, 0x1FFFF},  // nothing past the end
        {k24C1024, 0x1FFF5, Key::Down, 0x1FFF5},
        {k24C1024, 0x1FF42, Key::BlockDown, 0x1FF42},
        {k24C1024, 0x1FE42, Key::BlockDown, 0x1FF42},
        {k24C1024, 0x1FF42, Key::BlockUp, 0x1FE42},
        {k24C1024, 0x1234, Key::RowStart, 0x1230},
        {k24C1024, 0x1234, Key::RowEnd, 0x123F},
        {k24C1024, 0x1234, Key::DeviceStart, 0x0000},
        {k24C1024, 0x1234, Key::DeviceEnd, 0x1FFFF},
        {k24C02, 0x0034, Key::DeviceEnd, 0x00FF},
        {128, 0x00C8, Key::Left, 0x007F},  // a cell beyond a small device comes back into it
        {128, 0x00C8, Key::RowStart, 0x007F},
        {0x40000, 0x1FFFF, Key::Right, 0x1FFFF},  // a catalogue entry larger than the image
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.from << " key " << int(row.key));
        EXPECT_EQ(movedAddress(row.from, row.key, row.capacity), row.to);
    }
}

TEST(CellMove, GoToTakesHexadecimalAddressesInsideTheDevice) {
    struct Row {
        const char* text;
        int32_t capacity;
        int32_t address;  // -1: refused
        const char* refusalStart;
    };
    const Row rows[] = {
        {"1A2b", k24C1024, 0x1A2B, ""},
        {" 0x1ffff ", k24C1024, 0x1FFFF, ""},
        {"0", k24C02, 0, ""},
        {"-1", k24C1024, -1, "【-】は16進数の文字ではありません。"},
        {"20000", k24C1024, -1, "入力したアドレスはデバイスの範囲外です。\r\n0x00000 ～ 0x1FFFF"},
        {"1FFFF", k24C02, -1, "入力したアドレスはデバイスの範囲外です。\r\n0x0000 ～ 0x00FF"},
        {"FFFFFFFFFFFFFFFFFFFFFFFF", k24C02, -1, "入力したアドレスはデバイスの範囲外です。"},
        {"", k24C1024, -1, "アドレスを入力してください。"},
        {"0x", k24C1024, -1, "アドレスを入力してください。"},
        {"１２", k24C1024, -1, "【１】は16進数の文字ではありません。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const GoToAddress goTo = readGoToAddress(QString::fromUtf8(row.text), row.capacity);
        if (row.address < 0) {
            EXPECT_FALSE(goTo.address);
            EXPECT_TRUE(goTo.refusal.startsWith(QString::fromUtf8(row.refusalStart)))
                << goTo.refusal.toStdString();
        } else {
            EXPECT_EQ(goTo.address, row.address);
        }
    }
}
