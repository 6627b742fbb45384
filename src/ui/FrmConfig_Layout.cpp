#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ControlNames.h"
#include "FrmConfig.h"

namespace {

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
    return named(new QGroupBox(caption, parent), QString::fromLatin1(name));
}

// A row of indexed lists with their labels above them.
template <std::size_t N, typename Control>
void labelledRow(QGroupBox* box, const char* listName, const char* labelName,
                 const std::array<const char*, N>& captions, std::array<Control*, N>& controls,
                 std::array<QLabel*, N>& labels) {
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < N; ++i) {
        const int index = static_cast<int>(i);
        labels[i] =
            named(new QLabel(FrmConfig::tr(captions[i]), box), indexedName(labelName, index));
        controls[i] = named(new Control(box), indexedName(listName, index));
        grid->addWidget(labels[i], 0, index);
        grid->addWidget(controls[i], 1, index);
    }
}

}  // namespace

void FrmConfig::buildLayout() {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("コンフィング 設定"));

    fraConfigCPU = frame("fraConfigCPU", tr("制御機 CPU選択"), this);
    cmbConfigCPU = named(new QComboBox(fraConfigCPU), QStringLiteral("cmbConfigCPU"));
    cmdCPUsave = named(new QPushButton(tr("保存"), fraConfigCPU), QStringLiteral("cmdCPUsave"));
    auto* cpuRow = new QHBoxLayout(fraConfigCPU);
    cpuRow->addWidget(cmbConfigCPU, 1);
    cpuRow->addWidget(cmdCPUsave);

    fraDeviceName = frame("fraDeviceName", tr("デバイス名"), this);
    txtConfigDeviceName =
        named(new QLineEdit(fraDeviceName), QStringLiteral("txtConfigDeviceName"));
    lblDeviceName = named(new QLabel(tr("全角：8文字      半角：16文字以内"), fraDeviceName),
                          QStringLiteral("lblDeviceName"));
    auto* nameColumn = new QVBoxLayout(fraDeviceName);
    nameColumn->addWidget(txtConfigDeviceName);
    nameColumn->addWidget(lblDeviceName);

    fraConfigDeviceSize = frame("fraConfigDeviceSize", tr("デバイスサイズ[Byte]"), this);
    cmbConfigDeviceSize =
        named(new QComboBox(fraConfigDeviceSize), QStringLiteral("cmbConfigDeviceSize"));
    cmbConfigDevicePage =
        named(new QComboBox(fraConfigDeviceSize), QStringLiteral("cmbConfigDevicePage"));
    auto* sizeGrid = new QGridLayout(fraConfigDeviceSize);
    sizeGrid->addWidget(
        named(new QLabel(tr("Size"), fraConfigDeviceSize), QStringLiteral("lblConfigDeviceSize")),
        0, 0);
    sizeGrid->addWidget(cmbConfigDeviceSize, 0, 1);
    sizeGrid->addWidget(
        named(new QLabel(tr("Page"), fraConfigDeviceSize), QStringLiteral("lblConfigDevicePage")),
        1, 0);
    sizeGrid->addWidget(cmbConfigDevicePage, 1, 1);

    fraConfigPin = frame("fraConfigPin", tr("ChipSelect 電圧設定"), this);
    labelledRow<3>(
        fraConfigPin, "cmbConfigPin", "lblConfigPin",
        {QT_TR_NOOP("ピン 1 (A0)"), QT_TR_NOOP("ピン 2 (A1)"), QT_TR_NOOP("ピン 3 (A2)")},
        cmbConfigPin, lblConfigPin);

    fraConfigDeviceAddressing = frame("fraConfigDeviceAddressing", tr("I2C Control Byte"), this);
    labelledRow<3>(fraConfigDeviceAddressing, "cmbConfigDeviceAddressing",
                   "lblConfigDeviceAddressing",
                   {QT_TR_NOOP("bit 1"), QT_TR_NOOP("bit 2"), QT_TR_NOOP("bit 3")},
                   cmbConfigDeviceAddressing, lblConfigDeviceAddressing);

    fraConfigContent = frame("fraConfigContent", tr("設定内容[HEX]"), this);
    labelledRow<4>(
        fraConfigContent, "txtConfigContent", "lblConfigContent",
        {QT_TR_NOOP("DAB L"), QT_TR_NOOP("DAB H"), QT_TR_NOOP("PORT A"), QT_TR_NOOP("PORT B")},
        txtConfigContent, lblConfigContent);

    fraConfigSave = frame("fraConfigSave", tr("保存"), this);
    optConfigSaveOption[0] = named(new QRadioButton(tr("変更"), fraConfigSave),
                                   QStringLiteral("optConfigSaveOption(0)"));
    optConfigSaveOption[1] = named(new QRadioButton(tr("追加"), fraConfigSave),
                                   QStringLiteral("optConfigSaveOption(1)"));
    // Appending is the choice that can never overwrite a record by accident.
    optConfigSaveOption[1]->setChecked(true);
    comConfigSave =
        named(new QPushButton(tr("実行"), fraConfigSave), QStringLiteral("comConfigSave"));
    auto* saveRow = new QHBoxLayout(fraConfigSave);
    saveRow->addWidget(optConfigSaveOption[0]);
    saveRow->addWidget(optConfigSaveOption[1]);
    saveRow->addStretch(1);
    saveRow->addWidget(comConfigSave);

    for (QPushButton* button : {cmdCPUsave, comConfigSave}) button->setAutoDefault(false);

    auto* root = new QVBoxLayout(this);
    for (QGroupBox* box : {fraConfigCPU, fraDeviceName, fraConfigDeviceSize, fraConfigPin,
                           fraConfigDeviceAddressing, fraConfigContent, fraConfigSave}) {
        root->addWidget(box);
    }
}
