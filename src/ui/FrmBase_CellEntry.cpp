// Cell selection in the grid.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "FrmBase.h"
#include "ProgramState.h"

void FrmBase::txtData_Click(int Index) {
    const int row = Index / 16;
    const int column = Index % 16;
    txtEditAddress->setText(lblTateAddress.at(static_cast<std::size_t>(row))->text() +
                            lblYokoAddress[static_cast<std::size_t>(column)]->text().right(1));
    for (QRadioButton* mode : optEdit) mode->setEnabled(false);
    state_.CurrentAddress = state_.CurrentBlock * 256 + Index;
    clearCursor(state_.CurrentCell);
    state_.CurrentCell = static_cast<int16_t>(Index);
    paintCursor(Index, true);
}
