// The data-editing frame.

#include <QCheckBox>

#include "FrmBase.h"

void FrmBase::chkEdit_Click(int /*Index*/) {
    paintSelectionColours({chkEdit[0], chkEdit[1], chkEdit[3]});
}
