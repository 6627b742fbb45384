#include "FrmConfig.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DeviceCatalogue.h"
#include "DeviceEditor.h"
#include "Dialogs.h"
#include "FailureReport.h"
#include "FrmBase.h"
#include "LineFile.h"
#include "Numbers.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "WindowsColour.h"

namespace {

// What the editor's failure reports say after the step that failed.
QString failedSentence() {
    //: Follows the step that failed, e.g. "Opening device.txt"
    return FrmConfig::tr("に失敗しました。");
}

// A list position read from the catalogue; one the list does not have leaves it unselected.
void selectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position < list->count() ? position : -1);
}

}  // namespace

FrmConfig::FrmConfig(ProgramState& state, Dialogs& dialogs, FrmBase& frmBase)
    : QDialog(&frmBase), state_(state), dialogs_(dialogs), frmBase_(frmBase) {
    setModal(true);
    buildLayout();
    connectHandlers();
}

void FrmConfig::connectHandlers() {
    for (int i = 0; i < 3; ++i) {
        connect(cmbConfigPin[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cmbConfigPin_Click(i); });
        connect(cmbConfigDeviceAddressing[i], &QComboBox::currentIndexChanged, this,
                [this, i] { cmbConfigDeviceAddressing_Click(i); });
    }
    connect(comConfigSave, &QPushButton::clicked, this, [this] { comConfigSave_Click(); });
    connect(cmdCPUsave, &QPushButton::clicked, this, [this] { cmdCPUsave_Click(); });
}

void FrmConfig::Form_Load() {
    FailureReport report(state_, dialogs_, QStringLiteral("frmConfig_Load"), failedSentence());
    ProgramState& s = state_;
    const std::function<void()> steps[] = {
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("deviceList.txt"));
            const DeviceChoices choices =
                readDeviceChoices(s.SettingsFolder + QStringLiteral("deviceList.txt"));
            cmbConfigDeviceSize->clear();
            cmbConfigDeviceSize->addItems(choices.sizes);
            cmbConfigDevicePage->clear();
            cmbConfigDevicePage->addItems(choices.pageSizes);
            for (int i = 0; i < 3; ++i) {
                cmbConfigPin[i]->clear();
                cmbConfigPin[i]->addItems(choices.pinLevels);
                cmbConfigDeviceAddressing[i]->clear();
                cmbConfigDeviceAddressing[i]->addItems(choices.addressing);
            }
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("cpu.txt"));
            const CpuChoices cpus = readCpuChoices(s.SettingsFolder + QStringLiteral("cpu.txt"));
            cmbConfigCPU->clear();
            cmbConfigCPU->addItems(cpus.names);
            cmbConfigCPU->setCurrentIndex(cpuListPosition(cpus));
        },
        [&] { txtConfigDeviceName->setText(s.DeviceName); },
        [&] {
            const int32_t page = s.PageSizeBytes[1] * 256 + s.PageSizeBytes[0];
            cmbConfigDeviceSize->setCurrentIndex(-1);
            for (int i = 0; i < cmbConfigDeviceSize->count(); ++i) {
                if (toInteger32(cmbConfigDeviceSize->itemText(i)) == s.DeviceCapacity) {
                    cmbConfigDeviceSize->setCurrentIndex(i);
                    break;
                }
            }
            cmbConfigDevicePage->setCurrentIndex(-1);
            for (int i = 0; i < cmbConfigDevicePage->count(); ++i) {
                if (toInteger16(cmbConfigDevicePage->itemText(i)) == page) {
                    cmbConfigDevicePage->setCurrentIndex(i);
                    break;
                }
            }
        },
        [&] {
            for (int k = 0; k < 3; ++k) {
                selectPosition(cmbConfigPin[k], s.DeviceParams[k]);
                selectPosition(cmbConfigDeviceAddressing[k], s.DeviceParams[3 + k]);
            }
        },
        [&] {
            const ConfigPreview preview{s.ControlBytes[0], s.ControlBytes[1], s.ControlBytes[2],
                                        s.ControlBytes[3]};
            showPreview(preview.texts(), 4);
        },
        [&] { s.ConfigEditorReady = true; },
    };
    for (const auto& step : steps) {
        if (!report.run(step)) return;
    }
}

void FrmConfig::done(int result) {
    state_.ConfigEditorReady = false;
    QDialog::done(result);
}

std::array<int, 3> FrmConfig::pinLevels() const {
    return {cmbConfigPin[0]->currentIndex(), cmbConfigPin[1]->currentIndex(),
            cmbConfigPin[2]->currentIndex()};
}

std::array<int, 3> FrmConfig::addressingSources() const {
    return {cmbConfigDeviceAddressing[0]->currentIndex(),
            cmbConfigDeviceAddressing[1]->currentIndex(),
            cmbConfigDeviceAddressing[2]->currentIndex()};
}

std::array<QString, 4> FrmConfig::previewTexts() const {
    return {txtConfigContent[0]->text(), txtConfigContent[1]->text(), txtConfigContent[2]->text(),
            txtConfigContent[3]->text()};
}

// Writes the first `count` preview boxes.
void FrmConfig::showPreview(const std::array<QString, 4>& texts, int count) {
    for (int i = 0; i < count; ++i) txtConfigContent[i]->setText(texts[i]);
}

void FrmConfig::cmbConfigDeviceAddressing_Click(int Index) {
    if (!state_.ConfigEditorReady) return;
    ConfigPreview preview = ConfigPreview::fromTexts(previewTexts());
    applyAddressingChoice(preview, Index + 1, cmbConfigDeviceAddressing[Index]->currentIndex(),
                          pinLevels());
    showPreview(preview.texts(), 2);  // the port bytes do not depend on the addressing
}

void FrmConfig::cmbConfigPin_Click(int Index) {
    if (!state_.ConfigEditorReady) return;
    ConfigPreview preview = ConfigPreview::fromTexts(previewTexts());
    applyPinChoice(preview, Index, cmbConfigPin[Index]->currentIndex(), addressingSources(),
                   state_.WriterCpu);
    showPreview(preview.texts(), 4);
}

bool FrmConfig::everyChoiceMade() const {
    bool made =
        cmbConfigDeviceSize->currentIndex() >= 0 && cmbConfigDevicePage->currentIndex() >= 0;
    for (int i = 0; i < 3; ++i) {
        made = made && cmbConfigPin[i]->currentIndex() >= 0 &&
               cmbConfigDeviceAddressing[i]->currentIndex() >= 0;
    }
    return made;
}

void FrmConfig::comConfigSave_Click() {
    if (txtConfigDeviceName->text().isEmpty()) {
        dialogs_.showMessage(tr("デバイス名を記述して、やり直してください。"), windowTitle(),
                             MessageIcon::None);
        return;
    }
    // A record with an empty choice could not be selected again; it is not saved.
    if (!everyChoiceMade()) {
        dialogs_.showMessage(tr("サイズ・ページ・ピン・bit をすべて選択して、やり直してください。"),
                             windowTitle(), MessageIcon::None);
        return;
    }
    const QStringList record =
        deviceRecordLines(txtConfigDeviceName->text(), cmbConfigDeviceSize->currentText(),
                          cmbConfigDevicePage->currentText(), pinLevels(), addressingSources());
    const bool append = !optConfigSaveOption[0]->isChecked();
    const QString path = state_.SettingsFolder + QStringLiteral("device.txt");

    FailureReport report(state_, dialogs_, QStringLiteral("comConfigSave"), failedSentence());
    QStringList catalogue;
    int16_t saved = 0;
    const bool written = report.run([&] {
        state_.CurrentStep = openingStep(QStringLiteral("device.txt"));
        catalogue = readAllLines(path);
        saved = placeRecord(catalogue, record, append, state_.DeviceIndex);
    }) && report.run([&] {
        state_.CurrentStep = writingStep(QStringLiteral("device.txt"));
        writeLines(path, catalogue);
    });
    if (!written) return;

    QStringList names;
    for (qsizetype i = 0; i < catalogue.size(); i += kDeviceRecordLines) names << catalogue[i];
    state_.DeviceIndex = saved;
    state_.DeviceCount = static_cast<int16_t>(names.size());
    frmBase_.showDeviceList(names, saved);
}

void FrmConfig::cmdCPUsave_Click() {
    FailureReport report(state_, dialogs_, QStringLiteral("comCPUsave"), failedSentence());
    const bool written = report.run([&] {
        state_.CurrentStep = writingStep(QStringLiteral("cpu.txt"));
        QStringList names;
        for (int i = 0; i < cmbConfigCPU->count(); ++i) names << cmbConfigCPU->itemText(i);
        writeCpuChoices(state_.SettingsFolder + QStringLiteral("cpu.txt"),
                        cmbConfigCPU->currentText(), names);
    });
    if (!written) return;
    frmBase_.showMessageLine(tr("本ソフトを再起動して下さい。"), MessageColour::Failure);
    close();
}
