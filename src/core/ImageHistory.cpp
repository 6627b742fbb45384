#include "ImageHistory.h"

#include <algorithm>

namespace {

template <typename T>
void prepend(std::vector<T>& to, std::vector<T>&& from) {
    to.insert(to.begin(), from.begin(), from.end());
}
template <typename T>
void append(std::vector<T>& to, std::vector<T>&& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// A copy of a whole vector of bools goes word by word, one of a range bit by bit: for a range
// that starts at 0 and holds most of the marks (a file load), copying all and cutting off the
// rest is many times cheaper.
std::vector<bool> marksOf(const std::vector<bool>& marks, int first, int count) {
    if (first == 0 && std::size_t(count) * 2 >= marks.size()) {
        std::vector<bool> kept(marks);
        kept.resize(std::size_t(count));
        return kept;
    }
    const auto begin = marks.begin() + first;
    return std::vector<bool>(begin, begin + count);
}

}  // namespace

std::size_t ImageHistory::Step::bytes() const {
    return (before.cells.size() + after.cells.size()) * sizeof(DataImage::Cell) +
           (before.marks.size() + after.marks.size()) / 8 + sizeof(Step);
}

ImageHistory::Cells ImageHistory::cellsOf(const DataImage& image, const std::vector<bool>& marks,
                                          int first, int count) {
    return {image.cells(first, count), marksOf(marks, first, count)};
}

void ImageHistory::willChange(const DataImage& image, const std::vector<bool>& marks, int first,
                              int count) {
    first = std::max(first, 0);
    const int end = std::min(first + std::max(count, 0), int{DataImage::Size});
    if (first >= end) return;
    if (!open_) {
        open_ = Step{first, cellsOf(image, marks, first, end - first), {}};
        return;
    }
    // Cells outside the step's range have not changed yet, so they are still as before.
    Step& step = *open_;
    if (first < step.first) {
        Cells head = cellsOf(image, marks, first, step.first - first);
        prepend(step.before.cells, std::move(head.cells));
        prepend(step.before.marks, std::move(head.marks));
        step.first = first;
    }
    const int stepEnd = step.first + static_cast<int>(step.before.cells.size());
    if (end > stepEnd) {
        Cells tail = cellsOf(image, marks, stepEnd, end - stepEnd);
        append(step.before.cells, std::move(tail.cells));
        append(step.before.marks, std::move(tail.marks));
    }
}

void ImageHistory::endStep(const DataImage& image, const std::vector<bool>& marks) {
    if (!open_) return;
    Step step = std::move(*open_);
    open_.reset();
    const int count = static_cast<int>(step.before.cells.size());
    step.after = cellsOf(image, marks, step.first, count);
    const auto same = [&](int i) {
        return step.before.cells[i] == step.after.cells[i] &&
               step.before.marks[i] == step.after.marks[i];
    };
    int head = 0;
    while (head < count && same(head)) ++head;
    if (head == count) return;
    int tail = count;
    while (same(tail - 1)) --tail;
    // A file load changes its whole range: nothing to trim.
    if (head > 0 || tail < count) {
        for (Cells* cells : {&step.before, &step.after}) {
            cells->cells = {cells->cells.begin() + head, cells->cells.begin() + tail};
            cells->marks = marksOf(cells->marks, head, tail - head);
        }
    }
    step.first += head;
    redo_.clear();
    keep(std::move(step));
}

void ImageHistory::keep(Step step) {
    bytes_ += step.bytes();
    undo_.push_back(std::move(step));
    while (undo_.size() > maxSteps_ || (bytes_ > maxBytes_ && undo_.size() > 1)) {
        bytes_ -= undo_.front().bytes();
        undo_.pop_front();
    }
}

ChangedRange ImageHistory::put(const Step& step, const Cells& cells, DataImage& image,
                               std::vector<bool>& marks, int32_t limit) {
    const int32_t end =
        std::min<int32_t>(step.first + static_cast<int32_t>(cells.cells.size()), limit);
    const int32_t count = std::max(end - step.first, 0);
    if (count == 0) return {step.first, 0};
    image.setCells(step.first, std::span(cells.cells).first(static_cast<std::size_t>(count)));
    std::copy_n(cells.marks.begin(), count, marks.begin() + step.first);
    return {step.first, count};
}

std::optional<ChangedRange> ImageHistory::undo(DataImage& image, std::vector<bool>& marks,
                                               int32_t limit) {
    endStep(image, marks);
    if (undo_.empty()) return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    bytes_ -= step.bytes();
    const ChangedRange range = put(step, step.before, image, marks, limit);
    redo_.push_back(std::move(step));
    return range;
}

std::optional<ChangedRange> ImageHistory::redo(DataImage& image, std::vector<bool>& marks,
                                               int32_t limit) {
    endStep(image, marks);
    if (redo_.empty()) return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    const ChangedRange range = put(step, step.after, image, marks, limit);
    keep(std::move(step));
    return range;
}

void ImageHistory::clear() {
    open_.reset();
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}
