// The block view: the grid, its address labels, block selection, cursor styles and display mode.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <array>
#include <vector>

#include "AddressText.h"
#include "Colours.h"
#include "FrmBase.h"
#include "HexText.h"
#include "ProgramState.h"
#include "Selection.h"

namespace {

constexpr int kCursorOneCell = 0;
constexpr int kCursorCorner = 1;
constexpr int kCursorCross = 2;

}  // namespace

void FrmBase::subBlockDisplay() {
    const ProgramState& s = state_;
    const int32_t blockStart = s.CurrentBlock * 256;
    const auto address = [&](int32_t a, AddressForm form) {
        return funDHChange(a, form, s.DeviceCapacity, s.CurrentBlock);
    };
    fraBlock->setTitle(tr("ブロック選択(0 ～ %1)").arg(s.BlockCount - 1));
    lblBlockAddress->setText(tr("%1 ～ %2")
                                 .arg(address(blockStart, AddressForm::Full),
                                      address(blockStart + 255, AddressForm::Full)));
    for (int r = 0; r < 16; ++r) {
        lblTateAddress[r]->setText(address(blockStart + r, AddressForm::Row));
    }
    if (cellsHeld_) {
        cellsStale_ = true;
        return;
    }
    drawCells();
}

void FrmBase::releaseCells() {
    if (!cellsHeld_) return;
    cellsHeld_ = false;
    if (cellsStale_) drawCells();
}

void FrmBase::drawCells() {
    cellsStale_ = false;
    const ProgramState& s = state_;
    const int32_t blockStart = s.CurrentBlock * 256;
    // Each cell gets its final background at once, cursor included: a colour set and set back
    // would cost the cell two palette changes and a repaint for nothing.
    std::array<int32_t, 256> background;
    background.fill(s.ColorTable[Colour::CellNormal]);
    for (int i : cursorLine(s.CurrentCell, cursorStyle())) {
        background[static_cast<std::size_t>(i)] = s.ColorTable[Colour::CursorActive];
    }
    if (const auto range = rangeOnView()) {
        std::fill(background.begin() + range->first, background.begin() + range->second + 1,
                  kRangeBack);
    }
    background[static_cast<std::size_t>(s.CurrentCell)] = s.ColorTable[Colour::CellSelected];

    const bool hexDisplay = optEdit[0]->isChecked();
    for (int i = 0; i < 256; ++i) {
        const int32_t a = blockStart + i;
        const QString cell = s.Image.at(a);
        // A cell that is not a byte (unset, or damaged in a file) shows as it stands.
        const int byte = cellByte(cell);
        const QString shown = hexDisplay || byte < 0 ? cell : s.CodeTable[byte];
        QLineEdit* box = txtData[static_cast<std::size_t>(i)];
        if (box->text() != shown) box->setText(shown);
        setColours(box,
                   s.ColorTable[s.EditMarks[static_cast<std::size_t>(a)] ? Colour::DataMarked
                                                                         : Colour::DataNormal],
                   background[static_cast<std::size_t>(i)]);
    }
}

int FrmBase::cursorStyle() const {
    for (int i = 0; i < 3; ++i) {
        if (optCursor[i]->isChecked()) return i;
    }
    return kCursorOneCell;
}

std::vector<int> FrmBase::cursorLine(int cell, int style) {
    const int row = cell / 16;
    const int column = cell % 16;
    std::vector<int> cells;
    switch (style) {
        case kCursorCross:
            for (int i = 0; i < 16; ++i) {
                cells.push_back(i * 16 + column);
                cells.push_back(row * 16 + i);
            }
            break;
        case kCursorCorner:
            for (int i = column; i <= cell; i += 16) cells.push_back(i);
            for (int i = row * 16; i <= cell; ++i) cells.push_back(i);
            break;
        default:
            break;
    }
    return cells;
}

void FrmBase::paintCursor(int cell, bool withLabels) {
    for (int i : cursorLine(cell, cursorStyle())) {
        setBackColour(txtData[static_cast<std::size_t>(i)],
                      state_.ColorTable[Colour::CursorActive]);
    }
    paintRange();
    setBackColour(txtData[cell], state_.ColorTable[Colour::CellSelected]);
    if (withLabels) {
        setTextColour(lblTateAddress[cell / 16], state_.ColorTable[Colour::AddressActive]);
        setTextColour(lblYokoAddress[cell % 16], state_.ColorTable[Colour::AddressActive]);
    }
    paintVerifyMarks();
}

void FrmBase::clearCursor(int cell) {
    const int row = cell / 16;
    const int column = cell % 16;
    if (cursorStyle() != kCursorOneCell) {
        for (int i = 0; i < 16; ++i) {
            setBackColour(txtData[i * 16 + column], state_.ColorTable[Colour::CursorNormal]);
            setBackColour(txtData[row * 16 + i], state_.ColorTable[Colour::CursorNormal]);
        }
    }
    setBackColour(txtData[cell], state_.ColorTable[Colour::CellNormal]);
    setTextColour(lblTateAddress[row], state_.ColorTable[Colour::AddressNormal]);
    setTextColour(lblYokoAddress[column], state_.ColorTable[Colour::AddressNormal]);
}

QString FrmBase::selectedCellAddressText() const {
    return lblTateAddress[state_.CurrentCell / 16]->text() +
           lblYokoAddress[state_.CurrentCell % 16]->text().right(1);
}

void FrmBase::optCursor_Click(int Index) {
    const int cell = state_.CurrentCell;
    for (int i = 0; i < 16; ++i) {
        setBackColour(txtData[i * 16 + cell % 16], state_.ColorTable[Colour::CursorNormal]);
        setBackColour(txtData[cell / 16 * 16 + i], state_.ColorTable[Colour::CursorNormal]);
    }
    paintCursor(cell, false);
    paintSelectionColours({optCursor[0], optCursor[1], optCursor[2]});
    state_.FlagTable[Flag::CursorStyle] = static_cast<int16_t>(Index);
}

void FrmBase::optEdit_Click(int Index) {
    state_.FlagTable[Flag::DisplayMode] = static_cast<int16_t>(Index);
    optEdit.at(static_cast<std::size_t>(Index))->setFocusPolicy(Qt::ClickFocus);
    subBlockDisplay();
    paintSelectionColours({optEdit[0], optEdit[1]});
}

void FrmBase::chkChange_Click() { paintSelectionColour(chkChange); }

void FrmBase::hscBlock_Change() {
    followBlockBar();
    showBlock();
}

void FrmBase::followBlockBar() { showBlockAt(state_, hscBlock->value()); }

void FrmBase::showBlock() {
    txtBlock->setText(QString::number(state_.CurrentBlock));
    subBlockDisplay();
    if (!txtEditAddress->text().isEmpty()) txtEditAddress->setText(selectedCellAddressText());
}

int FrmBase::blockBarValue() const { return hscBlock->value(); }

int FrmBase::blockBarMaximum() const { return hscBlock->maximum(); }

// A transfer moves the bar and always redraws, also when the bar already stands there. A
// whole-memory transfer passes blocks faster than anyone reads them, and drawing each would hold
// up the next frame: the record follows the bar at once, the screen when the event loop is free
// and at most once a frame time (the last block is always drawn, see showPendingBlock).
void FrmBase::moveBlockBar(int value) {
    {
        const QSignalBlocker quiet(hscBlock);
        hscBlock->setValue(value);
    }
    if (!state_.OperationRunning) {
        hscBlock_Change();
        return;
    }
    followBlockBar();
    blockPending_ = true;
    scheduleFrame();
}

void FrmBase::scheduleFrame() {
    if (blockRedraw_->isActive()) return;
    constexpr qint64 kFrameMs = 16;
    const qint64 sinceDrawn = blockDrawn_.isValid() ? blockDrawn_.elapsed() : kFrameMs;
    blockRedraw_->start(static_cast<int>(std::max<qint64>(0, kFrameMs - sinceDrawn)));
}

void FrmBase::showPendingBlock() {
    blockRedraw_->stop();
    if (!blockPending_ && !progressPending_) return;
    blockDrawn_.start();
    if (progressPending_) showTransferProgress();
    if (!blockPending_) return;
    blockPending_ = false;
    showBlock();
}

void FrmBase::txtBlock_Change() {
    const QString text = txtBlock->text();
    bool isNumber = true;
    const int block = text.isEmpty() ? 0 : text.toInt(&isNumber);
    if (isNumber && block < state_.BlockCount) {
        hscBlock->setValue(block);
        return;
    }
    // Too large, or not a number at all (pasted): the block on show stays.
    const QString current = QString::number(hscBlock->value());
    if (text != current) txtBlock->setText(current);
}
