#include "FrmCommProperty.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "ControlNames.h"
#include "Dialogs.h"
#include "FailureReport.h"
#include "Numbers.h"
#include "PortDevices.h"
#include "ProgramState.h"
#include "SerialPort.h"
#include "SettingsFiles.h"

namespace {

// The device list's second datum beside the device path: the port number a choice stands for.
constexpr int kPortNumberRole = Qt::UserRole + 1;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString digitsOf(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (isDigit(c)) digits += c;
    }
    return digits;
}

// Only digits may be typed. Backspace and the other editing keys carry control characters or no
// text at all and pass; so do shortcuts, which is how a paste gets through unfiltered: pasted
// text is checked when it is converted on saving. AltGr arrives as Ctrl+Alt on some systems and
// types characters, so it is not taken for a shortcut.
bool discardsTypedKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool shortcut =
        (mods & (Qt::ControlModifier | Qt::MetaModifier)) != 0 && (mods & Qt::AltModifier) == 0;
    if (shortcut) return false;
    for (const QChar c : event.text()) {
        if (!isDigit(c) && c.category() != QChar::Other_Control) return true;
    }
    return false;
}

}  // namespace

FrmCommProperty::FrmCommProperty(ProgramState& state, Dialogs& dialogs, SerialPort& prtLocal,
                                 QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), prtLocal_(prtLocal) {
    setModal(true);
    buildLayout();
    txtCommPort->installEventFilter(this);
    txtCommRate->installEventFilter(this);
    connect(comSave, &QPushButton::clicked, this, [this] { comSave_Click(); });
    // A port the system numbers itself (Windows' COM<n>) is chosen by its number.
    connect(cmbPortDevice, &QComboBox::activated, this, [this](int index) {
        const int number = cmbPortDevice->itemData(index, kPortNumberRole).toInt();
        if (number > 0) txtCommPort->setText(QString::number(number));
    });
}

void FrmCommProperty::buildLayout() {
    setObjectName(QStringLiteral("frmCommProperty"));
    setWindowTitle(tr("通信設定"));

    fraCommPort = named(new QGroupBox(tr("ポート番号"), this), QStringLiteral("fraCommPort"));
    txtCommPort = named(new QLineEdit(fraCommPort), QStringLiteral("txtCommPort"));
    (new QVBoxLayout(fraCommPort))->addWidget(txtCommPort);

    fraCommSpeed = named(new QGroupBox(tr("通信速度[bps]"), this), QStringLiteral("fraCommSpeed"));
    txtCommRate = named(new QLineEdit(fraCommSpeed), QStringLiteral("txtCommRate"));
    (new QVBoxLayout(fraCommSpeed))->addWidget(txtCommRate);

    cmbPortDevice = named(new QComboBox(this), QStringLiteral("cmbPortDevice"));
    // by-id names run long: the window keeps a sensible width and the open list shows them whole.
    cmbPortDevice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPortDevice->setMinimumContentsLength(36);
    auto* device = new QHBoxLayout;
    device->addWidget(new QLabel(tr("ポートの装置"), this));
    device->addWidget(cmbPortDevice, 1);

    lblComm = named(new QLabel(tr("半角数字のみ入力可能です。"), this), QStringLiteral("lblComm"));
    comSave = named(new QPushButton(tr("保存"), this), QStringLiteral("comSave"));
    // Enter in a box must not apply half-typed values to the open port.
    comSave->setAutoDefault(false);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(fraCommPort);
    boxes->addWidget(fraCommSpeed);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblComm, 1);
    bottom->addWidget(comSave);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(boxes);
    root->addLayout(device);
    root->addLayout(bottom);
}

void FrmCommProperty::Form_Load() {
    txtCommPort->setText(state_.CommSettings[0]);
    txtCommRate->setText(state_.CommSettings[1]);
    cmbPortDevice->clear();
    cmbPortDevice->addItem(tr("（変更しない）"), QString());
    for (const PortDevice& device : listPortDevices(state_.SettingsFolder)) {
        cmbPortDevice->addItem(device.label, device.path);
        cmbPortDevice->setItemData(cmbPortDevice->count() - 1, device.portNumber, kPortNumberRole);
    }
}

bool FrmCommProperty::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCommPort || watched == txtCommRate) {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            return watched == txtCommPort ? txtCommPort_KeyPress(key) : txtCommRate_KeyPress(key);
        }
        // Characters composed through an input method are typed too (full-width digits among
        // them), so they meet the same filter.
        if (event->type() == QEvent::InputMethod) {
            return filterComposition(static_cast<QLineEdit*>(watched),
                                     static_cast<const QInputMethodEvent&>(*event));
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FrmCommProperty::txtCommPort_KeyPress(const QKeyEvent& event) const {
    return discardsTypedKey(event);
}

bool FrmCommProperty::txtCommRate_KeyPress(const QKeyEvent& event) const {
    return discardsTypedKey(event);
}

bool FrmCommProperty::filterComposition(QLineEdit* box, const QInputMethodEvent& event) const {
    const QString digits = digitsOf(event.commitString());
    if (digits == event.commitString()) return false;
    QInputMethodEvent filtered(event.preeditString(), event.attributes());
    filtered.setCommitString(digits, event.replacementStart(), event.replacementLength());
    QCoreApplication::sendEvent(box, &filtered);
    return true;
}

void FrmCommProperty::comSave_Click() {
    FailureReport report(state_, dialogs_, QStringLiteral("frmCommProperty.cmdSave"));
    ProgramState& s = state_;
    const std::function<void()> steps[] = {
        [&] {
            s.CurrentStep = tr("通信ポートのクローズ");
            prtLocal_.close();
        },
        // Still under the closing step: an empty or non-numeric value is reported as a failure
        // to close. The boxes are read again on Retry, and both values are converted before the
        // port is touched, so a bad speed does not leave the port with half a configuration.
        [&] {
            s.CommSettings[0] = txtCommPort->text();
            s.CommSettings[1] = txtCommRate->text();
            const int32_t number = toInteger32(s.CommSettings[0]);
            const int32_t speed = toInteger32(s.CommSettings[1]);
            prtLocal_.setPortNumber(number);
            prtLocal_.setSpeed(speed);
        },
        [&] {
            const QString device = cmbPortDevice->currentData().toString();
            if (device.isEmpty()) return;
            const int32_t number = toInteger32(s.CommSettings[0]);
            s.CurrentStep = tr("%1のリンク作成").arg(QStringLiteral("設定/COM%1").arg(number));
            linkPortNumber(s.SettingsFolder, number, device);
        },
        // A port that merely does not open is not an error here; only one that fails while
        // opening is. The user sees it on the next transfer.
        [&] {
            s.CurrentStep = tr("通信ポートのオープン");
            prtLocal_.open();
        },
        [&] {
            s.CurrentStep = writingStep(QStringLiteral("comm.txt"));
            writeCommFile(s, s.SettingsFolder + QStringLiteral("comm.txt"));
        },
    };
    for (const auto& step : steps) {
        // Cancel keeps the window open with what was typed, ready for another try.
        if (!report.run(step)) return;
    }
    accept();
}
