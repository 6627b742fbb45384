#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "DataImage.h"

// The addresses an undo or redo put back; count 0 when the step lay wholly beyond the limit.
struct ChangedRange {
    int32_t first = 0;
    int32_t count = 0;
};

// The undo history of the image and its edit marks. A step keeps one range of cells and marks as
// they were before a change and as the change left them, never a copy of the whole image. A
// change announces the cells it is about to touch with willChange (the first announcement opens
// the step, later ones widen it) and endStep closes it, so a whole-memory READ that stores block
// after block is one step. The history is bounded in steps and in bytes; the oldest go first.
class ImageHistory {
public:
    static constexpr std::size_t DefaultMaxSteps = 100;
    static constexpr std::size_t DefaultMaxBytes = std::size_t{32} << 20;

    explicit ImageHistory(std::size_t maxSteps = DefaultMaxSteps,
                          std::size_t maxBytes = DefaultMaxBytes)
        : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

    // Before cells [first, first + count) change: keeps them as they are now.
    void willChange(const DataImage& image, const std::vector<bool>& marks, int first, int count);
    // Closes the open step, keeping what its cells became, trimmed to the cells that really
    // changed; a step that changed nothing is forgotten. A kept step ends the redo history.
    void endStep(const DataImage& image, const std::vector<bool>& marks);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Puts back the cells of the last step as they were before it (undo) or after it (redo), at
    // addresses below `limit` only, so nothing lands beyond a device chosen since. Nothing when
    // there is no step to take.
    std::optional<ChangedRange> undo(DataImage& image, std::vector<bool>& marks, int32_t limit);
    std::optional<ChangedRange> redo(DataImage& image, std::vector<bool>& marks, int32_t limit);

    std::size_t stepCount() const { return undo_.size(); }
    std::size_t byteCount() const { return bytes_; }
    void clear();

private:
    struct Cells {
        std::vector<DataImage::Cell> cells;
        std::vector<bool> marks;
    };
    struct Step {
        int32_t first = 0;
        Cells before;
        Cells after;
        std::size_t bytes() const;
    };

    static Cells cellsOf(const DataImage& image, const std::vector<bool>& marks, int first,
                         int count);
    static ChangedRange put(const Step& step, const Cells& cells, DataImage& image,
                            std::vector<bool>& marks, int32_t limit);
    void keep(Step step);

    std::size_t maxSteps_;
    std::size_t maxBytes_;
    std::size_t bytes_ = 0;  // of the undo steps; the redo steps came out of that budget
    std::optional<Step> open_;  // before-cells only, until endStep
    std::deque<Step> undo_;
    std::vector<Step> redo_;
};
