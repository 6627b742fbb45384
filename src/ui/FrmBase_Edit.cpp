// The data-editing frame.

#include <QCheckBox>

#include "FrmBase.h"

void FrmBase::chkEdit_Click(int Index) {
    chkEditAt(Index);  // only the boxes of the design exist
    paintSelectionColours({chkEdit[0], chkEdit[1], chkEdit[3]});
}
