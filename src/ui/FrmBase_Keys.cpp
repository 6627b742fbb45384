// Keys of the grid while a cell has the focus: moving the selection, a range of cells, copy and
// paste, go to address and find. Shift+click extends the range too.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "CellMove.h"
#include "ClipboardText.h"
#include "Colours.h"
#include "DlgFind.h"
#include "DlgGoTo.h"
#include "FindBytes.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

// While a writer operation or an ALL DATA fill is armed or running, the selection and the image
// stay as they were announced.
bool gridBusy(const ProgramState& s) { return s.OperationRunning || s.AllDataArmed; }

std::optional<CellMoveKey> moveKeyOf(int key, bool control) {
    switch (key) {
        case Qt::Key_Left:
            return CellMoveKey::Left;
        case Qt::Key_Right:
            return CellMoveKey::Right;
        case Qt::Key_Up:
            return CellMoveKey::Up;
        case Qt::Key_Down:
            return CellMoveKey::Down;
        case Qt::Key_Home:
            return control ? CellMoveKey::DeviceStart : CellMoveKey::RowStart;
        case Qt::Key_End:
            return control ? CellMoveKey::DeviceEnd : CellMoveKey::RowEnd;
        case Qt::Key_PageUp:
            return CellMoveKey::BlockUp;
        case Qt::Key_PageDown:
            return CellMoveKey::BlockDown;
        default:
            return std::nullopt;
    }
}

}  // namespace

void FrmBase::txtData_MouseDown(int Index, bool extend) {
    if (extend) {
        extendRange(state_.CurrentBlock * 256 + Index);
        return;
    }
    endRange();
    txtData_Click(Index);
}

bool FrmBase::txtData_KeyDown(const QKeyEvent& event) {
    if (gridBusy(state_)) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (modifiers == Qt::ControlModifier) {
        switch (event.key()) {
            case Qt::Key_G:
                openGoTo();
                return true;
            case Qt::Key_C:
                copyToClipboard();
                return true;
            case Qt::Key_V:
                pasteFromClipboard();
                return true;
            case Qt::Key_F:
                openFind();
                return true;
            default:
                break;
        }
    }
    if (event.key() == Qt::Key_F3 && !control) {
        findAgain(shift ? FindDirection::Backward : FindDirection::Forward);
        return true;
    }
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)) return false;
    const std::optional<CellMoveKey> move = moveKeyOf(event.key(), control);
    if (!move) return false;
    // Ctrl reaches the device's ends only; with an arrow it is no key of the grid.
    if (control && *move != CellMoveKey::DeviceStart && *move != CellMoveKey::DeviceEnd)
        return false;
    moveSelection(*move, shift);
    return true;
}

void FrmBase::moveSelection(CellMoveKey key, bool extend) {
    const int32_t address = movedAddress(state_.CurrentAddress, key, state_.DeviceCapacity);
    if (extend) {
        extendRange(address);
        return;
    }
    endRange();
    selectAddress(address);
}

void FrmBase::selectAddress(int32_t address) {
    const int block = address / 256;
    if (block != hscBlock->value()) hscBlock->setValue(block);
    txtData_Click(address % 256);
    txtData[static_cast<std::size_t>(address % 256)]->setFocus();
}

// The range runs from where it began to the cell it is extended to, which becomes the selected
// cell, so the view follows it across blocks.
void FrmBase::extendRange(int32_t address) {
    const int32_t anchor = range_ ? range_->anchor : state_.CurrentAddress;
    range_ = CellRange{anchor, address};
    selectAddress(address);
    redrawGrid();  // cells the range gave up take their own colours back
}

void FrmBase::endRange() {
    if (!range_) return;
    range_.reset();
    redrawGrid();
}

std::optional<std::pair<int, int>> FrmBase::rangeOnView() const {
    if (!range_) return std::nullopt;
    const int32_t blockStart = state_.CurrentBlock * 256;
    const int32_t first = std::max(range_->first(), blockStart);
    const int32_t last = std::min(range_->last(), blockStart + 255);
    if (first > last) return std::nullopt;
    return std::pair{static_cast<int>(first - blockStart), static_cast<int>(last - blockStart)};
}

void FrmBase::paintRange() {
    const auto cells = rangeOnView();
    if (!cells) return;
    for (int i = cells->first; i <= cells->second; ++i) {
        if (i != state_.CurrentCell)
            setBackColour(txtData[static_cast<std::size_t>(i)], kRangeBack);
    }
}

void FrmBase::redrawGrid() {
    subBlockDisplay();
    paintVerifyMarks();
}

void FrmBase::copyToClipboard() {
    const ClipboardResult copy =
        copyCells(state_, range_.value_or(CellRange{state_.CurrentAddress, state_.CurrentAddress}));
    if (copy.refusal) {
        showEditMessage(*copy.refusal);
        return;
    }
    QGuiApplication::clipboard()->setText(copy.text);
    showMessageLine(copy.messageLine, MessageColour::Information);
}

void FrmBase::pasteFromClipboard() {
    const ClipboardResult paste =
        pasteText(state_, QGuiApplication::clipboard()->text(), chkChange->isChecked());
    if (paste.refusal) {
        showEditMessage(*paste.refusal);
        return;
    }
    if (paste.messageLine.isEmpty()) return;  // an operation is armed or running
    redrawGrid();
    showMessageLine(paste.messageLine, MessageColour::Information);
}

void FrmBase::openGoTo() {
    if (!dlgGoTo_) {
        dlgGoTo_ = new DlgGoTo(this);
        connectClick(dlgGoTo_->cmdGoTo, QStringLiteral("cmdGoTo_Click"),
                     [this] { cmdGoTo_Click(); });
    }
    dlgGoTo_->txtGoToAddress->selectAll();
    dlgGoTo_->open();
}

void FrmBase::cmdGoTo_Click() {
    const GoToAddress goTo =
        readGoToAddress(dlgGoTo_->txtGoToAddress->text(), state_.DeviceCapacity);
    if (!goTo.address) {
        showEditMessage({goToRefusalTitle(), goTo.refusal});
        return;
    }
    dlgGoTo_->accept();
    endRange();
    selectAddress(*goTo.address);
}

void FrmBase::openFind() {
    if (!dlgFind_) {
        dlgFind_ = new DlgFind(this);
        connectClick(dlgFind_->cmdFindNext, QStringLiteral("cmdFindNext_Click"),
                     [this] { cmdFindNext_Click(); });
    }
    dlgFind_->show();
    dlgFind_->raise();
    dlgFind_->activateWindow();
    dlgFind_->txtFindText->setFocus();
    dlgFind_->txtFindText->selectAll();
}

void FrmBase::cmdFindNext_Click() {
    if (gridBusy(state_)) return;
    const FindPattern pattern =
        readFindPattern(dlgFind_->txtFindText->text(),
                        dlgFind_->optFindHex->isChecked() ? FindKind::Hex : FindKind::Text,
                        state_.CodeTable, state_.DeviceCapacity);
    if (pattern.refusal) {
        showEditMessage(*pattern.refusal);
        return;
    }
    if (pattern.bytes != findPattern_) lastMatch_.reset();  // a new pattern may match right here
    findPattern_ = pattern.bytes;
    findAgain(FindDirection::Forward);
}

// A match selects its first cell and shows the bytes it covers as the range. The next search
// starts one cell on from a match still selected, so it does not find that match again.
void FrmBase::findAgain(FindDirection direction) {
    if (findPattern_.isEmpty()) {
        openFind();
        return;
    }
    int32_t from = state_.CurrentAddress;
    if (lastMatch_ == from) from += direction == FindDirection::Forward ? 1 : -1;
    const auto hit = findBytes(state_.Image, state_.DeviceCapacity, findPattern_, from, direction);
    if (!hit) {
        showMessageLine(findNotFoundText(), MessageColour::Information);
        return;
    }
    endRange();
    selectAddress(hit->address);
    lastMatch_ = hit->address;
    if (findPattern_.size() > 1) {
        range_ =
            CellRange{hit->address + static_cast<int32_t>(findPattern_.size()) - 1, hit->address};
        redrawGrid();
    }
    showMessageLine(hit->wrapped ? findWrappedText(direction) : QString(),
                    MessageColour::Information);
}
