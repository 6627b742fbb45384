#include "FrmBase.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "Colours.h"
#include "FailureReport.h"
#include "FileDrop.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "ProgramVersion.h"
#include "QtFileDialogs.h"

FrmBase::FrmBase(ProgramState& state, Dialogs& dialogs, SerialPort& prtLocal, QString programFolder,
                 QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      systemFileDialogs_(std::make_unique<QtFileDialogs>(this)),
      fileDialogs_(systemFileDialogs_.get()),
      prtLocal_(prtLocal),
      programFolder_(std::move(programFolder)) {
    buildLayout();
    link_ = std::make_unique<WriterLink>(state_, prtLocal_, dialogs_, *this);
    connectHandlers();
}

FrmBase::~FrmBase() = default;

// Start-up's own load is where the user begins, not a change to take back.
void FrmBase::Form_Load() {
    subSetup();
    state_.History.clear();
}

void FrmBase::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Every handler started by an event runs under a failure report in its own name: handlers that
// can fail report their own failures, and whatever else escapes is reported instead of ending the
// program. CurrentStep is left alone, as events also arrive while a procedure runs. Code that
// selects an option or ticks a box calls the handler directly, so a failure there belongs to the
// procedure that made the selection.
void FrmBase::runHandler(const QString& name, const std::function<void()>& handler) {
    FailureReport report(state_, dialogs_, name);
    report.setStepText(name);
    report.run(handler);
}

template <std::size_t N>
void FrmBase::connectOptions(const std::array<QRadioButton*, N>& options, const QString& name,
                             const std::function<void(int)>& handler) {
    QButtonGroup* group = options[0]->group();
    optionHandlers_[group] = handler;
    connect(group, &QButtonGroup::idClicked, this,
            [this, name, handler](int i) { runHandler(name, [&] { handler(i); }); });
}

void FrmBase::connectCheckBox(QCheckBox* box, const QString& name,
                              const std::function<void()>& handler) {
    checkBoxHandlers_[box] = handler;
    connectClick(box, name, handler);
}

template <typename Sender, typename Signal>
void FrmBase::connectEvent(Sender* sender, Signal signal, const QString& name,
                           const std::function<void()>& handler) {
    connect(sender, signal, this, [this, name, handler] { runHandler(name, handler); });
}

void FrmBase::connectClick(QAbstractButton* button, const QString& name,
                           const std::function<void()>& handler) {
    connectEvent(button, &QAbstractButton::clicked, name, handler);
}

// A key of the whole window. A text box that has the focus keeps the keys it edits with.
void FrmBase::connectKey(const QKeySequence& keys, const QString& name,
                         const std::function<void()>& handler) {
    connectEvent(new QShortcut(keys, this), &QShortcut::activated, name, handler);
}

void FrmBase::connectHandlers() {
    connectEvent(sstBase, &QTabWidget::currentChanged, QStringLiteral("sstBase_Click"),
                 [this] { sstBase_Click(); });
    connectEvent(cmbDevice, &QComboBox::currentIndexChanged, QStringLiteral("cmbDevice_Click"),
                 [this] { cmbDevice_Click(); });
    connectEvent(hscBlock, &QScrollBar::valueChanged, QStringLiteral("hscBlock_Change"),
                 [this] { hscBlock_Change(); });
    connectEvent(txtBlock, &QLineEdit::textChanged, QStringLiteral("txtBlock_Change"),
                 [this] { txtBlock_Change(); });
    connectClick(cmdReset, QStringLiteral("cmdReset_Click"), [this] { cmdReset_Click(); });
    connectClick(cmdDevice, QStringLiteral("cmdDevice_Click"), [this] { cmdDevice_Click(); });
    connectClick(cmdColor, QStringLiteral("cmdColor_Click"), [this] { cmdColor_Click(); });
    for (int i = 0; i < 4; ++i) {
        connectClick(cmdComm[i], QStringLiteral("cmdComm_Click"), [this, i] { cmdComm_Click(i); });
    }
    connectEvent(tmrWait, &QTimer::timeout, QStringLiteral("tmrWait_Timer"),
                 [this] { tmrWait_Timer(); });
    connectEvent(blockRedraw_, &QTimer::timeout, QStringLiteral("hscBlock_Change"),
                 [this] { showPendingBlock(); });
    connectCheckBox(chkChange, QStringLiteral("chkChange_Click"), [this] { chkChange_Click(); });
    connectClick(cmdFileBrowse, QStringLiteral("cmdFileBrowse_Click"),
                 [this] { cmdFileBrowse_Click(); });
    connectClick(cmdFileSaveAs, QStringLiteral("cmdFileSaveAs_Click"),
                 [this] { cmdFileSaveAs_Click(); });
    new FileDrop(*this, [this](const QList<QUrl>& files) { openFiles(files); });
    for (int i = 0; i < 2; ++i) {
        connectClick(cmdFileOperation[i], QStringLiteral("cmdFileOperation_Click"),
                     [this, i] { cmdFileOperation_Click(i); });
        connectCheckBox(chkCaution[i], QStringLiteral("chkCaution_Click"),
                        [this, i] { chkCaution_Click(i); });
    }
    for (int i : {0, 1, 3}) {
        connectCheckBox(chkEdit[i], QStringLiteral("chkEdit_Click"),
                        [this, i] { chkEdit_Click(i); });
    }
    connectOptions(optMode, QStringLiteral("optMode_Click"), [this](int i) { optMode_Click(i); });
    connectOptions(optEdit, QStringLiteral("optEdit_Click"), [this](int i) { optEdit_Click(i); });
    connectOptions(optComm, QStringLiteral("optComm_Click"), [this](int i) { optComm_Click(i); });
    connectOptions(optCursor, QStringLiteral("optCursor_Click"),
                   [this](int i) { optCursor_Click(i); });
    connectOptions(optFileType, QStringLiteral("optFileType_Click"),
                   [this](int i) { optFileType_Click(i); });
    connectEvent(flbFileList, &QListWidget::itemClicked, QStringLiteral("flbFileList_Click"),
                 [this] { flbFileList_Click(); });
    connectEvent(txtLastCount, &QLineEdit::textChanged, QStringLiteral("txtLastCount_Change"),
                 [this] { txtLastCount_Change(); });
    connectEvent(txtSetData, &QPlainTextEdit::textChanged, QStringLiteral("txtSetData_Change"),
                 [this] { txtSetData_Change(); });
    for (int i = 0; i < 2; ++i) {
        connectClick(cmdEdit[i], QStringLiteral("cmdEdit_Click"), [this, i] { cmdEdit_Click(i); });
    }
    connectClick(cmdLineChange, QStringLiteral("cmdLineChange_Click"),
                 [this] { cmdLineChange_Click(); });
    connectClick(cmdEditReverse, QStringLiteral("cmdEditReverse_Click"),
                 [this] { cmdEditReverse_Click(); });
    connectTransferControls();
    connectUndoKeys();
    singleEntryHeight_ = txtSetData->maximumHeight();
    lblMessage->installEventFilter(this);
    flbFileList->installEventFilter(this);
    txtSetData->installEventFilter(this);
    for (QLineEdit* cell : txtData) cell->installEventFilter(this);
}

bool FrmBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == flbFileList && event->type() == QEvent::KeyPress) {
        // The list moves first; landing on another file by keyboard is a click on that file.
        const int before = flbFileList->currentRow();
        static_cast<QObject*>(flbFileList)->event(event);
        if (flbFileList->currentRow() != before) {
            runHandler(QStringLiteral("flbFileList_Click"), [this] { flbFileList_Click(); });
        }
        return true;
    }
    if (watched == txtSetData) {
        switch (event->type()) {
            case QEvent::FocusIn:
                runHandler(QStringLiteral("txtSetData_GotFocus"),
                           [this] { txtSetData_GotFocus(); });
                break;
            case QEvent::FocusOut:
                runHandler(QStringLiteral("txtSetData_LostFocus"),
                           [this] { txtSetData_LostFocus(); });
                break;
            case QEvent::KeyPress: {
                // A line break is no data: the box takes hexadecimal digits or table characters.
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
                break;
            }
            default:
                break;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == lblMessage) {
            runHandler(QStringLiteral("lblMessage_Click"), [this] { lblMessage_Click(); });
            return true;
        }
        const auto cell = std::find(txtData.begin(), txtData.end(), watched);
        if (cell != txtData.end()) {
            const int index = static_cast<int>(cell - txtData.begin());
            const bool extend =
                static_cast<QMouseEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
            runHandler(QStringLiteral("txtData_Click"),
                       [this, index, extend] { txtData_MouseDown(index, extend); });
            return false;  // the cell still takes the focus
        }
    }
    if (event->type() == QEvent::KeyPress &&
        std::find(txtData.begin(), txtData.end(), watched) != txtData.end()) {
        bool handled = false;
        runHandler(QStringLiteral("txtData_KeyDown"),
                   [&] { handled = txtData_KeyDown(*static_cast<QKeyEvent*>(event)); });
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBase::selectOption(QRadioButton* option) {
    option->setChecked(true);
    QButtonGroup* group = option->group();
    optionHandlers_.at(group)(group->id(option));
}

void FrmBase::setCheckState(QCheckBox* box, int16_t checkState) {
    if (checkState != 0 && checkState != 1)
        throw ProgramError::invalidValue(QString::number(checkState));
    const bool ticked = checkState == 1;
    if (box->isChecked() == ticked) return;  // a box runs its handler only when its state changes
    box->setChecked(ticked);
    checkBoxHandlers_.at(box)();
}

void FrmBase::paintSelectionColour(QAbstractButton* control) {
    setTextColour(
        control,
        state_.ColorTable[control->isChecked() ? Colour::CaptionSelected : Colour::CaptionNormal]);
}

void FrmBase::paintSelectionColours(std::initializer_list<QAbstractButton*> controls) {
    for (QAbstractButton* control : controls) paintSelectionColour(control);
}

void FrmBase::setMessage(const QString& text) { lblMessage->setText(text); }

void FrmBase::setMessageColour(int32_t windowsColour) { setTextColour(lblMessage, windowsColour); }

void FrmBase::showMessageLine(const QString& text, int32_t windowsColour) {
    setMessageColour(windowsColour);
    setMessage(text);
}

void FrmBase::setWindowCaption() {
    setWindowTitle(
        tr("Tavelin  Ver.%1 【Device: %2 / File: %3】")
            .arg(QLatin1StringView(kProgramVersion), state_.DeviceName, txtFileName->text()));
}
