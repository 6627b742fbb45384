// Start-up and shut-down of the main window.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <functional>

#include "Colours.h"
#include "DeviceCatalogue.h"
#include "Dialogs.h"
#include "FailureReport.h"
#include "FileTypeRule.h"
#include "FrmBase.h"
#include "HexText.h"
#include "MessageText.h"
#include "Numbers.h"
#include "PortFailureText.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "SerialPort.h"
#include "SettingsFiles.h"
#include "WindowsColour.h"

namespace {

const QString kApplicationTitle = QStringLiteral("Tavelin");

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

}  // namespace

void FrmBase::subSetup() {
    FailureReport report(state_, dialogs_, QStringLiteral("subSetup"));
    ProgramState& s = state_;
    // The file load, the device and the display mode each redraw the block before the colours and
    // the display mode it is drawn in are known: the cells are drawn once, when start-up draws
    // the block, or as it ends if it ends before.
    cellsHeld_ = true;
    const auto drawHeldCells = qScopeGuard([this] { releaseCells(); });

    // Each entry is one step; a failure reports CurrentStep, Retry runs the entry again and Cancel
    // ends start-up with SetupDone still False.
    const std::function<void()> steps[] = {
        [&] { s.CurrentStep = QStringLiteral("subSetup"); },
        [&] {
            s.AppFolder = withTrailingSeparator(programFolder_);
            s.DataFolder = s.AppFolder + QStringLiteral("データー/");
            s.SettingsFolder = s.AppFolder + QStringLiteral("設定/");
            s.CodeFolder = s.AppFolder + QStringLiteral("データー/code/");
        },
        [&] { rootFileList(); },
        [&] {
            s.CurrentBlock = 0;
            s.ReceiveCount = 0;
            s.AllDataArmed = false;
            s.OperationRunning = false;
            s.SetupDone = false;
            s.ConfigEditorReady = false;
        },
        [&] { selectOption(optMode[0]); },
        [&] { std::fill(s.EditMarks.begin(), s.EditMarks.end() - 1, false); },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("flag.txt"));
            // The name read stays in the box also when a later line fails.
            QString dataFileName;
            const auto showName = qScopeGuard([&] { txtFileName->setText(dataFileName); });
            readFlagFile(s, s.SettingsFolder + QStringLiteral("flag.txt"), dataFileName);
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("custom.txt"));
            readCustomFile(s, s.SettingsFolder + QStringLiteral("custom.txt"));
        },
        [&] {
            selectOption(optFileType[0]);
            s.FileTypeName = QString::fromLatin1(kFileTypeNames[0]);
            for (QComboBox* list : cmbFileErrorList) list->clear();
            armFileOperation(ArmedFile::StartupLoad);
        },
        [&] { selectOption(optFileType.at(fileTypeIndexForName(txtFileName->text()))); },
        [&] { cmdFileOperation_Click(0); },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("code.txt"));
            readCodeFile(s, s.CodeFolder + QStringLiteral("code.txt"));
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("comm.txt"));
            readCommFile(s, s.SettingsFolder + QStringLiteral("comm.txt"));
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("color.txt"));
            readColorFile(s, s.SettingsFolder + QStringLiteral("color.txt"));
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("cpu.txt"));
            readCpuFile(s, s.SettingsFolder + QStringLiteral("cpu.txt"));
        },
        [&] {
            s.CurrentStep = openingStep(QStringLiteral("device.txt"));
            s.DeviceCount = 0;
            const DeviceListing listing =
                scanDeviceFile(s.SettingsFolder + QStringLiteral("device.txt"));
            cmbDevice->clear();
            cmbDevice->addItems(listing.names);
            s.DeviceCount = listing.completeRecords;
        },
        [&] {
            if (s.DeviceIndex < -1 || s.DeviceIndex >= cmbDevice->count()) {
                throw ProgramError::invalidValue(QString::number(s.DeviceIndex));
            }
            cmbDevice->setCurrentIndex(s.DeviceIndex);
            fraDevice->setTitle(
                tr("デバイス選択：%1(%2)").arg(s.DeviceIndex + 1).arg(s.DeviceCount));
        },
        [&] { subDeviceSelect(s.DeviceIndex); },
        [&] { txtBlock->setText(QString::number(s.CurrentBlock)); },
        [&] {
            QRadioButton* mode =
                optEdit.at(static_cast<std::size_t>(s.FlagTable[Flag::DisplayMode]));
            selectOption(mode);
            mode->setFocusPolicy(Qt::ClickFocus);  // out of the tab order
        },
        [&] {
            selectOption(optComm.at(static_cast<std::size_t>(s.FlagTable[Flag::TransferUnit])));
        },
        [&] { setCheckState(chkCaution[0], s.FlagTable[Flag::CautionAllData]); },
        [&] { setCheckState(chkCaution[1], s.FlagTable[Flag::CautionComm]); },
        [&] {
            const int16_t style = s.FlagTable[Flag::CursorStyle];
            if (style >= 0 && style <= 2) selectOption(optCursor[static_cast<std::size_t>(style)]);
        },
        [&] {
            for (int i = 0; i < 16; ++i) {
                lblYokoAddress[i]->setText(upperHex(i));
                setTextColour(lblTateAddress[i], s.ColorTable[Colour::AddressNormal]);
                setTextColour(lblYokoAddress[i], s.ColorTable[Colour::AddressNormal]);
            }
        },
        [&] { optEdit[1]->setText(s.CustomCodeName); },
        [&] {
            s.CurrentCell = 0;
            txtData_Click(0);
        },
        [&] {
            cellsHeld_ = false;
            subBlockDisplay();
        },
        [&] {
            txtBlock->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), txtBlock));
        },
        [&] { paintAllSelectionColours(); },
        [&] { openPort(); },
        [&] { s.SetupDone = true; },
    };
    for (const auto& step : steps) {
        if (!report.run(step)) return;
    }
}

void FrmBase::rootFileList() {
    flbFileList->clear();
    flbFileList->addItems(QDir(state_.DataFolder).entryList(QDir::Files, QDir::Name));
}

void FrmBase::paintAllSelectionColours() {
    paintSelectionColours({optMode[0], optMode[1], optMode[2], optEdit[0], optEdit[1],
                           chkCaution[0], chkCaution[1], chkEdit[0], chkEdit[1], chkEdit[3],
                           optComm[0], optComm[1], optComm[2], optCursor[0], optCursor[1],
                           optCursor[2], chkChange, chkVerifyAfterWrite});
}

// The line speed and port number come from comm.txt; a port that does not open is told to the
// user and start-up goes on, so that files can still be edited without the board. START calls it
// again when the port is not open. True when the port is open.
bool FrmBase::openPort() {
    state_.CurrentStep = tr("通信ポートのオープン");
    prtLocal_.setSpeed(toInteger32(state_.CommSettings[1]));
    prtLocal_.setPortNumber(toInteger32(state_.CommSettings[0]));
    const bool opened = prtLocal_.open();
    if (!opened) {
        dialogs_.showMessageWithDetail(messageLines({tr("通信ポートをオープンできませんでした。"),
                                                     tr("通信条件を確認してください。")}),
                                       kApplicationTitle, MessageIcon::None,
                                       portOpenFailureDetail(prtLocal_.lastOpenFailure()));
    }
    showPortCaption(opened);
    prtLocal_.resetFirst();
    prtLocal_.resetSecond();
    return opened;
}

// The communication frame's caption tells whether the port is usable.
void FrmBase::showPortCaption(bool open) {
    if (open) {
        setTextColour(fraComm, static_cast<int32_t>(WindowsColour::kButtonText));
        fraComm->setTitle(tr("デバイス通信 COM %1").arg(state_.CommSettings[0]));
    } else {
        setTextColour(fraComm, MessageColour::Failure);
        fraComm->setTitle(tr("デバイス通信 ポートエラー"));
    }
}

void FrmBase::showPortLost() { showPortCaption(false); }

void FrmBase::Form_Unload() {
    FailureReport report(state_, dialogs_, QStringLiteral("frmBase.Unload"));
    state_.CurrentStep = tr("通信ポートクローズ");
    report.run([this] {
        if (prtLocal_.isOpen()) prtLocal_.close();
    });
}
