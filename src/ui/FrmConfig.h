#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct ProgramState;
class Dialogs;
class FrmBase;

// The device definition editor: describes an EEPROM type, replaces the selected record of the
// catalogue or appends a new one, and chooses the writer board's controller. Modal over frmBase.
class FrmConfig : public QDialog {
    Q_OBJECT

public:
    FrmConfig(ProgramState& state, Dialogs& dialogs, FrmBase& frmBase);

    // Fills and presets the controls; the list handlers act only once this has finished.
    void Form_Load();

protected:
    void done(int result) override;  // Form_Unload

private:
    void buildLayout();
    void connectHandlers();

    void cmbConfigPin_Click(int Index);
    void cmbConfigDeviceAddressing_Click(int Index);
    void comConfigSave_Click();
    void cmdCPUsave_Click();

    std::array<int, 3> pinLevels() const;
    std::array<int, 3> addressingSources() const;
    std::array<QString, 4> previewTexts() const;
    void showPreview(const std::array<QString, 4>& texts, int count);
    bool everyChoiceMade() const;

    ProgramState& state_;
    Dialogs& dialogs_;
    FrmBase& frmBase_;

    // Controls; objectName is the same name, with "(i)" for arrays.
    QGroupBox* fraConfigCPU = nullptr;
    QComboBox* cmbConfigCPU = nullptr;
    QPushButton* cmdCPUsave = nullptr;
    QGroupBox* fraDeviceName = nullptr;
    QLineEdit* txtConfigDeviceName = nullptr;
    QLabel* lblDeviceName = nullptr;
    QGroupBox* fraConfigDeviceSize = nullptr;
    QComboBox* cmbConfigDeviceSize = nullptr;
    QComboBox* cmbConfigDevicePage = nullptr;
    QGroupBox* fraConfigPin = nullptr;
    std::array<QComboBox*, 3> cmbConfigPin{};
    std::array<QLabel*, 3> lblConfigPin{};
    QGroupBox* fraConfigDeviceAddressing = nullptr;
    std::array<QComboBox*, 3> cmbConfigDeviceAddressing{};
    std::array<QLabel*, 3> lblConfigDeviceAddressing{};
    QGroupBox* fraConfigContent = nullptr;
    std::array<QLineEdit*, 4> txtConfigContent{};
    std::array<QLabel*, 4> lblConfigContent{};
    QGroupBox* fraConfigSave = nullptr;
    std::array<QRadioButton*, 2> optConfigSaveOption{};
    QPushButton* comConfigSave = nullptr;
};
