// Device list and device selection.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>

#include "DeviceSelection.h"
#include "FailureReport.h"
#include "FrmBase.h"
#include "FrmConfig.h"
#include "ProgramState.h"
#include "SettingsFiles.h"

void FrmBase::cmbDevice_Click() {
    if (!state_.SetupDone) return;
    state_.DeviceIndex = static_cast<int16_t>(cmbDevice->currentIndex());
    subDeviceSelect(state_.DeviceIndex);
}

void FrmBase::cmdDevice_Click() {
    FrmConfig frmConfig(state_, dialogs_, *this);
    frmConfig.Form_Load();
    frmConfig.exec();
}

void FrmBase::showDeviceList(const QStringList& names, int16_t selected) {
    {
        const QSignalBlocker quiet(cmbDevice);
        cmbDevice->clear();
        cmbDevice->addItems(names);
        cmbDevice->setCurrentIndex(selected);
    }
    subDeviceSelect(selected);
}

void FrmBase::subDeviceSelect(int16_t index) {
    FailureReport report(state_, dialogs_, QStringLiteral("subDeviceSelect"));
    ProgramState& s = state_;
    const std::function<void()> steps[] = {
        [&] {
            s.CurrentStep = QStringLiteral("subDeviceSelect");
            fraDevice->setTitle(
                tr("デバイス選択：%1(%2)").arg(s.DeviceIndex + 1).arg(s.DeviceCount));
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("device.txt"));
            DeviceLabels labels = {lblDevice[0]->text(), lblDevice[1]->text(),
                                   lblDevice[2]->text()};
            // A line that fails leaves the labels as the lines before it wrote them.
            const auto showLabels = qScopeGuard([&] {
                for (int i = 0; i < 3; ++i) lblDevice[i]->setText(labels[i]);
            });
            applyDeviceRecord(s, s.SettingsFolder + QStringLiteral("device.txt"), index, labels);
        },
        [&] { setWindowCaption(); },
        [&] {
            s.BlockCount = blockCountFor(s.DeviceCapacity);
            fraBlock->setTitle(tr("ブロック選択(0 ～ %1)").arg(s.BlockCount - 1));
            hscBlock->setMaximum(blockBarMaximumFor(s.BlockCount));
        },
        [&] { deriveDeviceParameters(s); },
        [&] { subBlockDisplay(); },
        [&] {
            if (!txtEditAddress->text().isEmpty())
                txtEditAddress->setText(selectedCellAddressText());
        },
        [&] {
            int unit = 0;
            for (int i = 0; i < 3; ++i) {
                if (optComm[i]->isChecked()) unit = i;
            }
            cmdComm[0]->setEnabled(isWriteAvailable(unit, s.PageSizeBytes));
        },
        [&] {
            s.CurrentStep = writingStep(QStringLiteral("custom.txt"));
            writeCustomFile(s, s.SettingsFolder + QStringLiteral("custom.txt"));
        },
    };
    for (const auto& step : steps) {
        if (!report.run(step)) return;
    }
}
