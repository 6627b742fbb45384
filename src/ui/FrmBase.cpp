#include "FrmBase.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

#include "Colours.h"
#include "ProgramError.h"
#include "ProgramState.h"

namespace {

template <std::size_t N, typename Handler>
void connectOptionGroup(const std::array<QRadioButton*, N>& options, FrmBase* window,
                        Handler handler) {
    QButtonGroup* group = options[0]->group();
    QObject::connect(group, &QButtonGroup::idClicked, window, handler);
}

}  // namespace

FrmBase::FrmBase(ProgramState& state, Dialogs& dialogs, SerialPort& prtLocal, QString programFolder,
                 QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      prtLocal_(prtLocal),
      programFolder_(std::move(programFolder)) {
    buildLayout();
    connectHandlers();
}

FrmBase::~FrmBase() = default;

void FrmBase::Form_Load() { subSetup(); }

void FrmBase::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void FrmBase::connectHandlers() {
    connect(sstBase, &QTabWidget::currentChanged, this, [this] { sstBase_Click(); });
    connect(cmbDevice, &QComboBox::currentIndexChanged, this, [this] { cmbDevice_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(chkChange, &QCheckBox::clicked, this, [this] { chkChange_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(cmdFileOperation[i], &QPushButton::clicked, this,
                [this, i] { cmdFileOperation_Click(i); });
        connect(chkCaution[i], &QCheckBox::clicked, this, [this, i] { chkCaution_Click(i); });
    }
    for (int i : {0, 1, 3}) {
        connect(chkEdit[i], &QCheckBox::clicked, this, [this, i] { chkEdit_Click(i); });
    }
    connectOptionGroup(optMode, this, [this](int i) { optMode_Click(i); });
    connectOptionGroup(optEdit, this, [this](int i) { optEdit_Click(i); });
    connectOptionGroup(optComm, this, [this](int i) { optComm_Click(i); });
    connectOptionGroup(optCursor, this, [this](int i) { optCursor_Click(i); });
    connectOptionGroup(optFileType, this, [this](int i) { optFileType_Click(i); });
    lblMessage->installEventFilter(this);
    for (QLineEdit* cell : txtData) cell->installEventFilter(this);
}

bool FrmBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == lblMessage) {
            lblMessage_Click();
            return true;
        }
        const auto cell = std::find(txtData.begin(), txtData.end(), watched);
        if (cell != txtData.end()) {
            txtData_Click(static_cast<int>(cell - txtData.begin()));
            return false;  // the cell still takes the focus
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBase::selectOption(QRadioButton* option) {
    option->setChecked(true);
    QButtonGroup* group = option->group();
    emit group->idClicked(group->id(option));
}

void FrmBase::setCheckState(QCheckBox* box, int16_t checkState) {
    if (checkState != 0 && checkState != 1)
        throw ProgramError::invalidValue(QString::number(checkState));
    const bool ticked = checkState == 1;
    if (box->isChecked() == ticked) return;  // a box runs its handler only when its state changes
    box->setChecked(ticked);
    emit box->clicked(ticked);
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

void FrmBase::setWindowCaption() {
    setWindowTitle(QStringLiteral("Tavelin ") + QStringLiteral(" Ver.2.02") +
                   QStringLiteral(" 【Device: ") + state_.DeviceName + QStringLiteral(" / File: ") +
                   txtFileName->text() + QStringLiteral("】"));
}

QCheckBox* FrmBase::chkEditAt(int Index) const {
    QCheckBox* box = chkEdit.at(static_cast<std::size_t>(Index));
    if (box == nullptr) throw ProgramError::indexOutOfRange();
    return box;
}
