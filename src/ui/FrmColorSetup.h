#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

struct ProgramState;
class Dialogs;

// The colour window: the 14 display colours of ColorTable, each picked from a fixed palette of
// 48 swatches, and saved to color.txt on request. A pick changes the table at once; saving only
// makes it last beyond this run. Modal over frmBase.
class FrmColorSetup : public QDialog {
    Q_OBJECT

public:
    static constexpr int ObjectCount = 14;
    static constexpr int SampleCount = 48;

    FrmColorSetup(ProgramState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Paints the colour boxes from ColorTable.
    void Form_Load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void connectHandlers();

    void lblObject_Click(int Index);
    void lblSample_Click(int Index);
    void cmdSave_Click();
    void cmdEnd_Click();

    int selectedObject() const;

    ProgramState& state_;
    Dialogs& dialogs_;

    // Controls; objectName is the same name, with "(i)" for arrays.
    QGroupBox* fraObject = nullptr;
    std::array<QLabel*, 2> lblMidashi{};
    std::array<QRadioButton*, ObjectCount> optObject{};
    std::array<QLabel*, ObjectCount> lblObject{};
    QGroupBox* fraPalette = nullptr;
    std::array<QLabel*, SampleCount> lblSample{};
    QPlainTextEdit* txtComment = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdEnd = nullptr;
};
