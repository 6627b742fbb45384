#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QInputMethodEvent;
class QLabel;
class QLineEdit;
class QPushButton;

struct ProgramState;
class Dialogs;
class SerialPort;

// The port settings window: port number and line speed, applied to the main window's port at
// once (close, reconfigure, reopen) and stored in comm.txt. Keeps no state of its own: it shows
// and changes CommSettings. The device list makes port n lead to a chosen device by the link
// 設定/COM<n>. Modal over frmBase.
class FrmCommProperty : public QDialog {
    Q_OBJECT

public:
    FrmCommProperty(ProgramState& state, Dialogs& dialogs, SerialPort& prtLocal,
                    QWidget* parent = nullptr);

    // Shows CommSettings(0) and CommSettings(1), and the devices port n can lead to.
    void Form_Load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();

    // True when the typed key is discarded before it reaches the box.
    bool txtCommPort_KeyPress(const QKeyEvent& event) const;
    bool txtCommRate_KeyPress(const QKeyEvent& event) const;
    void comSave_Click();

    // Passes on what an input method commits, keeping only the digits. True when handled here.
    bool filterComposition(QLineEdit* box, const QInputMethodEvent& event) const;

    ProgramState& state_;
    Dialogs& dialogs_;
    SerialPort& prtLocal_;

    // Controls; objectName is the same name, with "(i)" for arrays.
    QGroupBox* fraCommPort = nullptr;
    QLineEdit* txtCommPort = nullptr;
    QGroupBox* fraCommSpeed = nullptr;
    QLineEdit* txtCommRate = nullptr;
    QLabel* lblComm = nullptr;
    // First entry: leave the port's link as it is.
    QComboBox* cmbPortDevice = nullptr;
    QPushButton* comSave = nullptr;
};
