// The device communication frame: transfer unit.

#include <QPushButton>
#include <QRadioButton>

#include "DeviceSelection.h"
#include "FrmBase.h"
#include "ProgramState.h"

void FrmBase::optComm_Click(int Index) {
    state_.FlagTable[Flag::TransferUnit] = static_cast<int16_t>(Index);
    paintSelectionColours({optComm[0], optComm[1], optComm[2]});
    cmdComm[0]->setEnabled(isWriteAvailable(Index, state_.PageSizeBytes));
}
