#include "UndoEdit.h"

#include <QCoreApplication>
#include <algorithm>

#include "AddressText.h"
#include "ProgramState.h"
#include "Selection.h"

namespace {

enum class Direction { Undo, Redo };

// The view stays on its block when the step touched it, else goes to the step's first block;
// always a block of the device chosen now.
int32_t blockToShow(const ProgramState& s, const ChangedRange& range) {
    const int32_t lastBlock = std::max(s.BlockCount - 1, 0);
    const int32_t onView = std::clamp(s.CurrentBlock, 0, lastBlock);
    const int32_t first = range.first / 256;
    const int32_t last = (range.first + range.count - 1) / 256;
    if (onView >= first && onView <= last) return onView;
    return std::clamp(first, 0, lastBlock);
}

UndoPress press(ProgramState& s, Direction direction) {
    UndoPress result;
    // While a writer operation or an ALL DATA fill is armed or running, the image is spoken for.
    if (s.OperationRunning || s.AllDataArmed) {
        result.ignored = true;
        return result;
    }
    const int32_t limit = std::min(s.DeviceCapacity, int32_t{DataImage::Size});
    const bool undo = direction == Direction::Undo;
    const std::optional<ChangedRange> range = undo ? s.History.undo(s.Image, s.EditMarks, limit)
                                                   : s.History.redo(s.Image, s.EditMarks, limit);
    if (!range) {
        result.messageLine =
            undo ? QCoreApplication::translate("UndoEdit", "元に戻す変更はありません")
                 : QCoreApplication::translate("UndoEdit", "やり直す変更はありません");
        return result;
    }
    if (range->count == 0) {
        result.messageLine = undo ? QCoreApplication::translate(
                                        "UndoEdit", "元に戻しました（デバイスの範囲外の変更です）")
                                  : QCoreApplication::translate(
                                        "UndoEdit", "やり直しました（デバイスの範囲外の変更です）");
        return result;
    }
    const int32_t block = blockToShow(s, *range);
    showBlockAt(s, block);
    result.viewBlock = block;
    const QString addresses =
        deviceRangeText(range->first, range->first + range->count - 1, s.DeviceCapacity);
    result.messageLine = (undo ? QCoreApplication::translate("UndoEdit", "元に戻しました %1")
                               : QCoreApplication::translate("UndoEdit", "やり直しました %1"))
                             .arg(addresses);
    return result;
}

}  // namespace

UndoPress pressUndo(ProgramState& state) { return press(state, Direction::Undo); }
UndoPress pressRedo(ProgramState& state) { return press(state, Direction::Redo); }
