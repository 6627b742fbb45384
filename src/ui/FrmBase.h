#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "CellRange.h"
#include "ProgramState.h"
#include "WriterLink.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QGroupBox;
class QKeySequence;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTimer;

struct EditMessage;
struct EditOptions;
struct TransferPress;
struct UndoPress;
struct HexComments;
class Dialogs;
class FileDialogs;
class DlgFind;
class DlgGoTo;
enum class CellMoveKey;
enum class FindDirection;
class SerialPort;

// The main window. It owns every working control; its handlers are spread over files named after
// the area they serve, FrmBase_<area>.cpp, as grouped below (FrmBase.cpp holds the wiring of
// controls to handlers and the helpers every area uses).
class FrmBase : public QWidget, public LinkWindow {
    Q_OBJECT

public:
    // programFolder is the folder of the program, where the settings and data folders lie.
    FrmBase(ProgramState& state, Dialogs& dialogs, SerialPort& prtLocal, QString programFolder,
            QWidget* parent = nullptr);
    ~FrmBase() override;

    // The window's load event: start-up.
    void Form_Load();

    // Window operation states. Idle is restored by subObjectEnable; the writer operations arm and
    // start through these.
    void subObjectEnable() override;
    void enterArmedState(int pressedButton);
    void enterRunningState();

    // What a transfer does to the window (LinkWindow).
    void setMessage(const QString& text) override;
    void setMessageColour(int32_t windowsColour) override;
    int blockBarValue() const override;
    int blockBarMaximum() const override;
    void moveBlockBar(int value) override;
    void subBlockDisplay() override;
    void startWaitTimer() override;
    void stopWaitTimer() override;
    void showPortLost() override;
    void showProgress(int blocksDone, int blockCount) override;
    void showVerifyDifferences(const VerifyDifferences& differences) override;
    // The tick of tmrWait: the reply did not come in time.
    void tmrWait_Timer();

    // After the device editor saved the catalogue: the list shows `names` and `selected` is
    // applied as the selected device.
    void showDeviceList(const QStringList& names, int16_t selected);
    void showMessageLine(const QString& text, int32_t windowsColour);

    // Loads the one file that a drop or the command line names; refuses anything else.
    void openFiles(const QList<QUrl>& files);
    // The file dialogs the File page opens; the window's own show the system's dialogs.
    void setFileDialogs(FileDialogs& dialogs) { fileDialogs_ = &dialogs; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (FrmBase_Layout.cpp)
    void buildLayout();
    QWidget* buildBasePage();
    QWidget* buildFilePage();
    QWidget* buildGrid();
    QWidget* buildEditFrame();
    QWidget* buildCommFrame();
    void connectHandlers();
    void runHandler(const QString& name, const std::function<void()>& handler);
    template <std::size_t N>
    void connectOptions(const std::array<QRadioButton*, N>& options, const QString& name,
                        const std::function<void(int)>& handler);
    void connectCheckBox(QCheckBox* box, const QString& name, const std::function<void()>& handler);
    template <typename Sender, typename Signal>
    void connectEvent(Sender* sender, Signal signal, const QString& name,
                      const std::function<void()>& handler);
    void connectClick(QAbstractButton* button, const QString& name,
                      const std::function<void()>& handler);
    void connectKey(const QKeySequence& keys, const QString& name,
                    const std::function<void()>& handler);

    // Start-up and shut-down (FrmBase_Setup.cpp)
    void subSetup();
    void rootFileList();
    void Form_Unload();
    bool openPort();
    void showPortCaption(bool open);
    void paintAllSelectionColours();

    // The window's own handlers (FrmBase_Window.cpp)
    void sstBase_Click();
    void lblMessage_Click();
    void optMode_Click(int Index);
    void chkCaution_Click(int Index);
    void cmdReset_Click();
    void cmdColor_Click();

    // Device list and selection (FrmBase_Device.cpp)
    void subDeviceSelect(int16_t index);
    void cmbDevice_Click();
    void cmdDevice_Click();

    // File page (FrmBase_Files.cpp)
    void cmdFileOperation_Click(int Index);
    void optFileType_Click(int Index);
    void flbFileList_Click();
    void txtLastCount_Change();
    void cmdFileBrowse_Click();
    void cmdFileSaveAs_Click();
    void chooseDataFile(const QString& name);
    void openFile(const QString& path);
    void loadDataFile();
    void saveDataFile();
    HexComments hexComments() const;
    void showHexComments(const HexComments& comments);
    void armFileOperation(ArmedFile operation);
    void setFileButtonsIdle();
    // The file-type options' captions untranslated: FileTypeName, by which the file layer picks
    // the format, is one of these whatever the interface language.
    static const std::array<const char*, 4> kFileTypeNames;

    // Block view and its cursor (FrmBase_BlockView.cpp)
    void optEdit_Click(int Index);
    void optCursor_Click(int Index);
    void chkChange_Click();
    void hscBlock_Change();
    void txtBlock_Change();
    // The two halves of a block change: the record follows the bar; the screen shows the block.
    void followBlockBar();
    void showBlock();
    // Draws the block a transfer moved to and its progress, if the screen has not caught up yet.
    void showPendingBlock();
    // Asks for showPendingBlock when the event loop is free, at most once a frame time.
    void scheduleFrame();
    void showTransferProgress();
    // The 256 cells' texts and colours, the part of subBlockDisplay that start-up holds back.
    void drawCells();
    // Ends start-up's hold on the cells early, drawing them if a redraw was held back.
    void releaseCells();
    int cursorStyle() const;
    // The cells an L-shaped or cross cursor at `cell` colours besides the cell itself.
    static std::vector<int> cursorLine(int cell, int style);
    void paintCursor(int cell, bool withLabels);
    void clearCursor(int cell);
    // Row label plus the column label's digit: the full address of the selected cell.
    QString selectedCellAddressText() const;

    // Cell selection and the entry box (FrmBase_CellEntry.cpp)
    void txtData_Click(int Index);
    void txtSetData_Change();
    void txtSetData_GotFocus();
    void txtSetData_LostFocus();
    bool isHexEntry() const;
    int entryBoxLimit() const;
    void setEntryText(const QString& text);

    // Keys of the grid: moves, a range, copy and paste, go to address, find (FrmBase_Keys.cpp)
    void txtData_MouseDown(int Index, bool extend);
    bool txtData_KeyDown(const QKeyEvent& event);  // false for a key the cell handles itself
    void moveSelection(CellMoveKey key, bool extend);
    // The click route to any address: the block bar, then a click on the cell.
    void selectAddress(int32_t address);
    void extendRange(int32_t address);
    void endRange();
    // The cells of the block on view that the range covers, as a first and last cell.
    std::optional<std::pair<int, int>> rangeOnView() const;
    void paintRange();
    void redrawGrid();
    void copyToClipboard();
    void pasteFromClipboard();
    void openGoTo();
    void cmdGoTo_Click();
    void openFind();
    void cmdFindNext_Click();
    void findAgain(FindDirection direction);

    // Transfer edits and ALL DATA (FrmBase_Edit.cpp)
    void chkEdit_Click(int Index);
    void cmdEdit_Click(int Index);
    EditOptions editOptions() const;
    void showTransferPress(const TransferPress& press);
    void showAllDataArmed();
    void showEditMessage(const EditMessage& message);

    // Undo and redo (FrmBase_Undo.cpp)
    void connectUndoKeys();
    void keyUndo_Press();
    void keyRedo_Press();
    void showUndoPress(const UndoPress& press);

    // Single and Multi layouts (FrmBase_LineChange.cpp)
    void cmdLineChange_Click();
    void cmdEditReverse_Click();

    // Device communication (FrmBase_Comm.cpp)
    void optComm_Click(int Index);
    void cmdComm_Click(int Index);

    // Transfer row: progress, stop, VERIFY differences, verify after write (FrmBase_Progress.cpp)
    QLayout* buildTransferRow();
    void connectTransferControls();
    void paintVerifyMarks();
    void armTransferControls();
    void idleTransferControls();
    void cmdStop_Click();
    void chkVerifyAfterWrite_Click();

    // Selecting an option or ticking a box from code runs its handler, as a click does.
    void selectOption(QRadioButton* option);
    void setCheckState(QCheckBox* box, int16_t state);
    // Caption colour by the selection rule: ColorTable(12) selected or ticked, (13) otherwise.
    void paintSelectionColour(QAbstractButton* control);
    void paintSelectionColours(std::initializer_list<QAbstractButton*> controls);
    void setWindowCaption();

    ProgramState& state_;
    Dialogs& dialogs_;
    std::unique_ptr<FileDialogs> systemFileDialogs_;
    FileDialogs* fileDialogs_ = nullptr;
    SerialPort& prtLocal_;
    const QString programFolder_;
    std::map<QButtonGroup*, std::function<void(int)>> optionHandlers_;
    std::map<QCheckBox*, std::function<void()>> checkBoxHandlers_;
    int singleEntryHeight_ = 0;
    std::unique_ptr<WriterLink> link_;
    QElapsedTimer transferClock_;
    int progressDone_ = 0;
    int progressTotal_ = 0;
    // Addresses where the last VERIFY found the chip different from the image.
    std::vector<int32_t> verifyMarks_;
    QTimer* blockRedraw_ = nullptr;
    QElapsedTimer blockDrawn_;
    bool blockPending_ = false;
    bool progressPending_ = false;
    bool cellsHeld_ = false;
    bool cellsStale_ = false;
    std::optional<CellRange> range_;
    // The range's background: pale green, a colour the colour table does not offer, so it
    // cannot be taken for a cursor; the text keeps the colour of its edit mark.
    static constexpr int32_t kRangeBack = 0xCEEFC6;
    DlgGoTo* dlgGoTo_ = nullptr;
    DlgFind* dlgFind_ = nullptr;
    QByteArray findPattern_;
    std::optional<int32_t> lastMatch_;

    // Controls, named as the program names them; objectName is the same, with "(i)" for arrays,
    // and is how anything outside the window finds one.
    QTabWidget* sstBase = nullptr;

    // Page "Base"
    QGroupBox* fraDevice = nullptr;
    QComboBox* cmbDevice = nullptr;
    QPushButton* cmdDevice = nullptr;
    std::array<QLabel*, 4> lblDevice{};
    QGroupBox* fraBlock = nullptr;
    QScrollBar* hscBlock = nullptr;
    QLineEdit* txtBlock = nullptr;
    QLabel* lblBlock = nullptr;
    QLabel* lblBlockAddress = nullptr;
    QGroupBox* fraDisplay = nullptr;
    QPushButton* cmdColor = nullptr;
    QPushButton* cmdReset = nullptr;
    std::array<QRadioButton*, 3> optCursor{};
    QLabel* lblDisplay = nullptr;
    QCheckBox* chkChange = nullptr;

    // Page "File"
    QListWidget* flbFileList = nullptr;
    QLineEdit* txtFileName = nullptr;
    std::array<QPushButton*, 2> cmdFileOperation{};
    QPushButton* cmdFileBrowse = nullptr;
    QPushButton* cmdFileSaveAs = nullptr;
    std::array<QRadioButton*, 4> optFileType{};
    QGroupBox* fraHexRecordType = nullptr;
    std::array<QRadioButton*, 5> optHexRecordType{};
    QLabel* lblLastCount = nullptr;
    QLineEdit* txtLastCount = nullptr;
    QLabel* lblFileErrorList = nullptr;
    std::array<QComboBox*, 2> cmbFileErrorList{};

    // Grid
    std::array<QLineEdit*, 256> txtData{};
    std::array<QLabel*, 16> lblTateAddress{};
    std::array<QLabel*, 16> lblYokoAddress{};

    // Frame "データー編集"
    QGroupBox* fraEdit = nullptr;
    QPlainTextEdit* txtSetData = nullptr;
    std::array<QLabel*, 2> lblEdit{};
    QLineEdit* txtEditAddress = nullptr;
    std::array<QPushButton*, 2> cmdEdit{};
    std::array<QRadioButton*, 2> optEdit{};
    std::array<QCheckBox*, 4> chkEdit{};  // index 2 does not exist and stays null
    std::array<QCheckBox*, 2> chkCaution{};
    QPushButton* cmdLineChange = nullptr;
    QPushButton* cmdEditReverse = nullptr;
    QGroupBox* fraMode = nullptr;
    std::array<QRadioButton*, 3> optMode{};

    // Frame "デバイス通信"
    QGroupBox* fraComm = nullptr;
    std::array<QPushButton*, 4> cmdComm{};
    std::array<QRadioButton*, 3> optComm{};
    QCheckBox* chkVerifyAfterWrite = nullptr;
    QProgressBar* prgTransfer = nullptr;
    QLabel* lblTransferTime = nullptr;
    QPushButton* cmdStop = nullptr;

    QLabel* lblMessage = nullptr;
    QTimer* tmrWait = nullptr;
};
