#include <gtest/gtest.h>

#include <random>

#include "HexText.h"
#include "ImageHistory.h"

namespace {

struct Image {
    DataImage cells;
    std::vector<bool> marks = std::vector<bool>(DataImage::Size + 1, false);
    bool operator==(const Image& other) const {
        return cells.cells(0, DataImage::Size) == other.cells.cells(0, DataImage::Size) &&
               marks == other.marks;
    }
};

// One change as the program makes it: announce, change, close.
void change(ImageHistory& history, Image& image, int first, int count, uint8_t value,
            bool mark = false) {
    history.willChange(image.cells, image.marks, first, count);
    for (int a = first; a < first + count; ++a) {
        image.cells.set(a, hexByte(value));
        image.marks[static_cast<std::size_t>(a)] = mark;
    }
    history.endStep(image.cells, image.marks);
}

}  // namespace

// Random changes checked against whole copies of the image after each: undoing them all, one by
// one, passes back through every copy, and redoing them all comes back to the last.
TEST(ImageHistory, UndoAndRedoPassThroughEveryEarlierImage) {
    std::mt19937 random(20261209);
    ImageHistory history;
    Image image;
    std::vector<Image> copies{image};
    for (int i = 0; i < 40; ++i) {
        const int first = static_cast<int>(random() % DataImage::Size);
        const int count = 1 + static_cast<int>(random() % 700);
        change(history, image, first, count, static_cast<uint8_t>(random()), random() % 2 == 0);
        copies.push_back(image);
    }
    for (int i = 40; i > 0; --i) {
        ASSERT_TRUE(history.undo(image.cells, image.marks, DataImage::Size));
        ASSERT_TRUE(image == copies[static_cast<std::size_t>(i - 1)]) << "undo " << i;
    }
    EXPECT_FALSE(history.undo(image.cells, image.marks, DataImage::Size));
    while (history.redo(image.cells, image.marks, DataImage::Size)) {
    }
    EXPECT_TRUE(image == copies.back());
}

// A READ stores block after block into one step, whose range holds only what really changed.
TEST(ImageHistory, AnnouncementsWidenOneStepTrimmedToTheChangedCells) {
    ImageHistory history;
    Image image;
    for (int block : {5, 4, 6}) {
        history.willChange(image.cells, image.marks, block * 256, 256);
        image.cells.set(block * 256 + 10, u"AA");
    }
    history.endStep(image.cells, image.marks);
    ASSERT_EQ(history.stepCount(), 1u);
    const auto range = history.undo(image.cells, image.marks, DataImage::Size);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 4 * 256 + 10);
    EXPECT_EQ(range->count, 2 * 256 + 1);
    EXPECT_TRUE(image.cells.isEmpty(5 * 256 + 10));

    change(history, image, 0, 16, 0x00);
    image.cells.set(0, u"00");  // the same text again changes nothing: no step
    change(history, image, 0, 1, 0x00);
    EXPECT_EQ(history.stepCount(), 1u);
}

// A file load announces the whole image from address 0. Whatever part of it really changes, undo
// and redo bring back every cell and mark, also marks in words shared with unchanged ones.
TEST(ImageHistory, WholeImageStepsPutBackEveryCellAndMark) {
    struct Row {
        int first, end;  // the cells that really change
    };
    const Row rows[] = {
        {0, DataImage::Size},   // everything: kept as announced
        {0, 70'001},            // trimmed at the end
        {3, DataImage::Size},   // trimmed at the start
        {65, 65 + 64 * 3 + 1},  // both, off word bounds
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.first);
        ImageHistory history;
        Image image;
        for (int a = 0; a < DataImage::Size; a += 7) {
            image.cells.set(a, hexByte(static_cast<uint8_t>(a)));
            image.marks[static_cast<std::size_t>(a)] = true;
        }
        const Image before = image;
        history.willChange(image.cells, image.marks, 0, DataImage::Size);
        for (int a = row.first; a < row.end; ++a) {
            image.cells.set(a, u"5A");
            image.marks[static_cast<std::size_t>(a)] = a % 3 == 0;
        }
        history.endStep(image.cells, image.marks);
        const Image after = image;

        const auto range = history.undo(image.cells, image.marks, DataImage::Size);
        ASSERT_TRUE(range);
        EXPECT_EQ(range->first, row.first);
        EXPECT_EQ(range->count, row.end - row.first);
        EXPECT_TRUE(image == before);
        history.redo(image.cells, image.marks, DataImage::Size);
        EXPECT_TRUE(image == after);
    }
}

TEST(ImageHistory, ANewChangeEndsTheRedoHistory) {
    ImageHistory history;
    Image image;
    change(history, image, 0, 4, 0x11);
    change(history, image, 0, 4, 0x22);
    history.undo(image.cells, image.marks, DataImage::Size);
    ASSERT_TRUE(history.canRedo());
    change(history, image, 8, 1, 0x33);
    EXPECT_FALSE(history.canRedo());
    history.undo(image.cells, image.marks, DataImage::Size);
    history.undo(image.cells, image.marks, DataImage::Size);
    EXPECT_TRUE(image.cells.isEmpty(0));
}

TEST(ImageHistory, OldestStepsGoFirstBeyondEitherBound) {
    struct Row {
        std::size_t maxSteps, maxBytes;
        int changes, cellsEach;
        std::size_t kept;
    };
    const Row rows[] = {
        {3, std::size_t{32} << 20, 5, 1, 3},      // steps
        {100, 1'200'000, 5, DataImage::Size, 2},  // bytes: two whole-image steps fit
        {100, 100, 2, DataImage::Size, 1},        // the newest step stays, whatever it costs
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.maxSteps);
        ImageHistory history(row.maxSteps, row.maxBytes);
        Image image;
        for (int i = 0; i < row.changes; ++i) {
            change(history, image, 0, row.cellsEach, static_cast<uint8_t>(i));
        }
        EXPECT_EQ(history.stepCount(), row.kept);
        std::size_t undone = 0;
        while (history.undo(image.cells, image.marks, DataImage::Size)) ++undone;
        EXPECT_EQ(undone, row.kept);
        EXPECT_EQ(image.cells.at(0), hexByte(static_cast<uint8_t>(row.changes - row.kept - 1)));
    }
}

// After a change to a smaller device nothing is put back beyond its end.
TEST(ImageHistory, NothingIsPutBackAtOrBeyondTheLimit) {
    ImageHistory history;
    Image image;
    change(history, image, 0x00F0, 0x20, 0x5A);
    const auto range = history.undo(image.cells, image.marks, 0x100);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 0x00F0);
    EXPECT_EQ(range->count, 0x10);
    EXPECT_TRUE(image.cells.isEmpty(0x00FF));
    EXPECT_EQ(image.cells.at(0x0100), QStringLiteral("5A"));

    change(history, image, 0x0200, 1, 0x5A);
    const auto beyond = history.undo(image.cells, image.marks, 0x100);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->count, 0);
    EXPECT_EQ(image.cells.at(0x0200), QStringLiteral("5A"));
}
