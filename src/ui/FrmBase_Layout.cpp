#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstddef>

#include "ControlNames.h"
#include "FrmBase.h"
#include "GridCell.h"
#include "GridCellFaces.h"
#include "LabelSlot.h"
#include "UnshapedFont.h"

namespace {

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = named(new QPushButton(text, parent), name);
    // Keep the keyboard focus where the user put it; buttons are clicked with the mouse.
    button->setAutoDefault(false);
    return button;
}

QRadioButton* makeOption(const QString& name, const QString& text, QWidget* parent) {
    return named(new QRadioButton(text, parent), name);
}

QCheckBox* makeCheck(const QString& name, const QString& text, QWidget* parent) {
    return named(new QCheckBox(text, parent), name);
}

// One exclusive group per option array: options sharing a frame (optEdit and optMode in fraEdit)
// must not switch each other off, which Qt's per-parent auto-exclusivity would do.
template <std::size_t N>
void groupOptions(QObject* owner, const char* base, const std::array<QRadioButton*, N>& options) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(QStringLiteral("%1Group").arg(QLatin1String(base)));
    group->setExclusive(true);
    for (std::size_t i = 0; i < N; ++i) {
        group->addButton(options[i], static_cast<int>(i));
    }
}

}  // namespace

void FrmBase::buildLayout() {
    setObjectName(QStringLiteral("frmBase"));
    setWindowTitle(QStringLiteral("Tavelin"));

    sstBase = named(new QTabWidget(this), QStringLiteral("sstBase"));
    sstBase->addTab(buildBasePage(), tr("Base"));
    sstBase->addTab(buildFilePage(), tr("File"));
    sstBase->setCurrentIndex(0);
    sstBase->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

    QWidget* grid = buildGrid();

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(sstBase, 1);
    top->addWidget(grid, 0, Qt::AlignTop);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addWidget(buildEditFrame(), 1);
    middle->addWidget(buildCommFrame(), 0);

    lblMessage = makeLabel(QStringLiteral("lblMessage"), QString(), this);
    lblMessage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblMessage->setWordWrap(false);
    lblMessage->setTextInteractionFlags(Qt::NoTextInteraction);
    lblMessage->setMargin(2);
    // A long message must be cut off at the window edge, not widen the window.
    lblMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblMessage->setMinimumHeight(lblMessage->fontMetrics().height() + 8);
    // A transfer writes a new message for every block.
    auto* messageSlot = new LabelSlot(lblMessage, this);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(messageSlot, 1);
    bottom->addLayout(buildTransferRow(), 0);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 6);
    root->setSpacing(6);
    root->addLayout(top, 1);
    root->addLayout(middle, 0);
    root->addLayout(bottom, 0);

    tmrWait = new QTimer(this);
    tmrWait->setObjectName(QStringLiteral("tmrWait"));
    tmrWait->setInterval(5000);

    blockRedraw_ = new QTimer(this);
    blockRedraw_->setSingleShot(true);
}

QWidget* FrmBase::buildBasePage() {
    auto* page = named(new QWidget, QStringLiteral("pageBase"));

    // Device selection
    fraDevice = named(new QGroupBox(tr("デバイス選択"), page), QStringLiteral("fraDevice"));
    cmbDevice = named(new QComboBox(fraDevice), QStringLiteral("cmbDevice"));
    cmbDevice->setEditable(false);
    cmbDevice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbDevice->setMinimumContentsLength(10);
    cmdDevice = makeButton(QStringLiteral("cmdDevice"), tr("コンフィング設定"), fraDevice);
    auto* device = new QGridLayout(fraDevice);
    device->setVerticalSpacing(2);
    device->addWidget(cmbDevice, 0, 0);
    device->addWidget(cmdDevice, 0, 1);
    device->setColumnStretch(0, 1);
    for (std::size_t i = 0; i < lblDevice.size(); ++i) {
        lblDevice[i] = makeLabel(indexedName("lblDevice", i), QString(), fraDevice);
        lblDevice[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        lblDevice[i]->setMinimumHeight(lblDevice[i]->fontMetrics().height() + 2);
        device->addWidget(lblDevice[i], static_cast<int>(i) + 1, 0, 1, 2);
    }

    // Block selection
    fraBlock = named(new QGroupBox(tr("ブロック選択"), page), QStringLiteral("fraBlock"));
    hscBlock = named(new QScrollBar(Qt::Horizontal, fraBlock), QStringLiteral("hscBlock"));
    hscBlock->setRange(0, 0);
    lblBlock = makeLabel(QStringLiteral("lblBlock"), tr("ブロック"), fraBlock);
    txtBlock = named(new QLineEdit(fraBlock), QStringLiteral("txtBlock"));
    txtBlock->setMaxLength(3);
    txtBlock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtBlock->setFixedWidth(txtBlock->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    lblBlockAddress = makeLabel(QStringLiteral("lblBlockAddress"), QString(), fraBlock);
    lblBlockAddress->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* block = new QGridLayout(fraBlock);
    block->addWidget(hscBlock, 0, 0, 1, 3);
    block->addWidget(lblBlock, 1, 0);
    block->addWidget(txtBlock, 1, 1);
    block->addWidget(new LabelSlot(lblBlockAddress, fraBlock), 1, 2);
    block->setColumnStretch(2, 1);

    // Display settings
    fraDisplay = named(new QGroupBox(tr("表示設定"), page), QStringLiteral("fraDisplay"));
    cmdColor = makeButton(QStringLiteral("cmdColor"), tr("色設定"), fraDisplay);
    cmdReset = makeButton(QStringLiteral("cmdReset"), tr("リセット"), fraDisplay);
    lblDisplay = makeLabel(QStringLiteral("lblDisplay"), tr("カーソル"), fraDisplay);
    const std::array<QString, 3> cursorCaptions{tr("1セル"), tr("」字"), tr("十字")};
    for (std::size_t i = 0; i < optCursor.size(); ++i) {
        optCursor[i] = makeOption(indexedName("optCursor", i), cursorCaptions[i], fraDisplay);
    }
    groupOptions(this, "optCursor", optCursor);
    optCursor[0]->setChecked(true);
    chkChange = makeCheck(QStringLiteral("chkChange"), tr("変更"), fraDisplay);
    chkChange->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdColor);
    buttons->addWidget(cmdReset);
    buttons->addStretch(1);
    auto* cursor = new QHBoxLayout;
    cursor->addWidget(lblDisplay);
    for (QRadioButton* option : optCursor) {
        cursor->addWidget(option);
    }
    cursor->addStretch(1);
    auto* display = new QVBoxLayout(fraDisplay);
    display->setSpacing(4);
    display->addLayout(buttons);
    display->addLayout(cursor);
    display->addWidget(chkChange);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(fraDevice);
    layout->addWidget(fraBlock);
    layout->addWidget(fraDisplay);
    layout->addStretch(1);
    return page;
}

QWidget* FrmBase::buildFilePage() {
    auto* page = named(new QWidget, QStringLiteral("pageFile"));

    flbFileList = named(new QListWidget(page), QStringLiteral("flbFileList"));
    flbFileList->setMinimumWidth(120);

    txtFileName = named(new QLineEdit(page), QStringLiteral("txtFileName"));
    cmdFileOperation[0] = makeButton(indexedName("cmdFileOperation", 0), tr("開く"), page);
    cmdFileOperation[1] = makeButton(indexedName("cmdFileOperation", 1), tr("保存"), page);
    cmdFileBrowse = makeButton(QStringLiteral("cmdFileBrowse"), tr("参照…"), page);
    cmdFileSaveAs = makeButton(QStringLiteral("cmdFileSaveAs"), tr("名前を付けて保存…"), page);

    for (std::size_t i = 0; i < optFileType.size(); ++i) {
        optFileType[i] = makeOption(indexedName("optFileType", i), tr(kFileTypeNames[i]), page);
    }
    groupOptions(this, "optFileType", optFileType);
    optFileType[0]->setChecked(true);
    optFileType[3]->setEnabled(false);  // no other format is implemented

    fraHexRecordType =
        named(new QGroupBox(tr("HexRecordType"), page), QStringLiteral("fraHexRecordType"));
    const std::array<QString, 5> recordCaptions{tr("Int20bit"), tr("Int32bit"), tr("S1 2Byte"),
                                                tr("S2 3Byte"), tr("S3 4Byte")};
    auto* records = new QGridLayout(fraHexRecordType);
    records->setVerticalSpacing(2);
    for (std::size_t i = 0; i < optHexRecordType.size(); ++i) {
        optHexRecordType[i] =
            makeOption(indexedName("optHexRecordType", i), recordCaptions[i], fraHexRecordType);
        // Intel records on the first row, Motorola records below.
        const int row = i < 2 ? 0 : 1 + static_cast<int>(i - 2) / 2;
        const int column = i < 2 ? static_cast<int>(i) : static_cast<int>(i - 2) % 2;
        records->addWidget(optHexRecordType[i], row, column);
    }
    groupOptions(this, "optHexRecordType", optHexRecordType);
    optHexRecordType[1]->setChecked(true);
    for (std::size_t i = 2; i < optHexRecordType.size(); ++i) {
        optHexRecordType[i]->setEnabled(false);  // S-records are not written
    }

    lblLastCount = makeLabel(QStringLiteral("lblLastCount"), tr("EndAddress"), page);
    txtLastCount = named(new QLineEdit(page), QStringLiteral("txtLastCount"));
    lblFileErrorList = makeLabel(QStringLiteral("lblFileErrorList"), tr("HEX コメント行"), page);
    for (std::size_t i = 0; i < cmbFileErrorList.size(); ++i) {
        cmbFileErrorList[i] = named(new QComboBox(page), indexedName("cmbFileErrorList", i));
        cmbFileErrorList[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        cmbFileErrorList[i]->setMinimumContentsLength(8);
    }

    auto* operations = new QHBoxLayout;
    operations->addWidget(cmdFileOperation[0]);
    operations->addWidget(cmdFileOperation[1]);
    auto* types = new QVBoxLayout;
    types->setSpacing(2);
    for (QRadioButton* option : optFileType) {
        types->addWidget(option);
    }
    auto* lastCount = new QHBoxLayout;
    lastCount->addWidget(lblLastCount);
    lastCount->addWidget(txtLastCount, 1);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(txtFileName);
    side->addLayout(operations);
    side->addLayout(types);
    side->addWidget(fraHexRecordType);
    side->addLayout(lastCount);
    side->addWidget(lblFileErrorList);
    side->addWidget(cmbFileErrorList[0]);
    side->addWidget(cmbFileErrorList[1]);
    // Below everything else, in room the page has to spare, so that no other control moves.
    auto* anywhere = new QHBoxLayout;
    anywhere->addWidget(cmdFileBrowse);
    anywhere->addWidget(cmdFileSaveAs);
    side->addLayout(anywhere);
    side->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(flbFileList, 1);
    layout->addLayout(side, 0);
    return page;
}

QWidget* FrmBase::buildGrid() {
    auto* grid = named(new QWidget(this), QStringLiteral("grdData"));
    grid->setFont(unshapedWhereAlike(grid->font()));
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(1);
    layout->setVerticalSpacing(1);

    const QFontMetrics metrics = grid->fontMetrics();
    const int cellWidth = std::max(30, metrics.horizontalAdvance(QStringLiteral("WW")) + 12);
    const int cellHeight = metrics.height() + 8;
    // Room for the longest row address the start-up writes ("0x0125").
    const int tateWidth = metrics.horizontalAdvance(QStringLiteral("0x00000")) + 4;

    for (std::size_t column = 0; column < lblYokoAddress.size(); ++column) {
        QLabel* label = makeLabel(indexedName("lblYokoAddress", column), QString(), grid);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(cellWidth);
        lblYokoAddress[column] = label;
        layout->addWidget(label, 0, static_cast<int>(column) + 1);
    }
    for (std::size_t row = 0; row < lblTateAddress.size(); ++row) {
        QLabel* label = makeLabel(indexedName("lblTateAddress", row), QString(), grid);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Fixed, as every text that changes with the block: a new text then repaints the label
        // alone instead of laying out the whole window again.
        label->setFixedSize(tateWidth, cellHeight);
        label->setContentsMargins(0, 0, 3, 0);
        lblTateAddress[row] = label;
        layout->addWidget(label, static_cast<int>(row) + 1, 0);
    }
    auto* faces = new GridCellFaces(grid);
    for (std::size_t i = 0; i < txtData.size(); ++i) {
        auto* cell = named(new GridCell(grid, *faces), indexedName("txtData", i));
        cell->setReadOnly(true);
        cell->setMaxLength(2);
        cell->setAlignment(Qt::AlignCenter);
        cell->setTextMargins(0, 0, 0, 0);
        cell->setFixedSize(cellWidth, cellHeight);
        // Cells are picked with the mouse; tabbing through 256 of them would be useless.
        cell->setFocusPolicy(Qt::ClickFocus);
        txtData[i] = cell;
        layout->addWidget(cell, static_cast<int>(i / 16) + 1, static_cast<int>(i % 16) + 1);
    }
    grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return grid;
}

QWidget* FrmBase::buildEditFrame() {
    fraEdit = named(new QGroupBox(tr("データー編集"), this), QStringLiteral("fraEdit"));

    lblEdit[0] = makeLabel(indexedName("lblEdit", 0), tr("データー入力ボックス"), fraEdit);
    txtSetData = named(new QPlainTextEdit(fraEdit), QStringLiteral("txtSetData"));
    txtSetData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSetData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSetData->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSetData->setTabChangesFocus(true);
    // One text line in the single-line layout; "Multi" makes it taller.
    txtSetData->setFixedHeight(txtSetData->fontMetrics().lineSpacing() +
                               2 * static_cast<int>(txtSetData->document()->documentMargin()) +
                               2 * txtSetData->frameWidth() + 2);
    cmdLineChange = makeButton(QStringLiteral("cmdLineChange"), tr("Multi"), fraEdit);

    lblEdit[1] = makeLabel(indexedName("lblEdit", 1), tr("Setアドレス"), fraEdit);
    txtEditAddress = named(new QLineEdit(fraEdit), QStringLiteral("txtEditAddress"));
    txtEditAddress->setReadOnly(true);
    txtEditAddress->setFixedWidth(
        txtEditAddress->fontMetrics().horizontalAdvance(QStringLiteral("0x000000")) + 14);
    cmdEdit[0] = makeButton(indexedName("cmdEdit", 0), tr("転写"), fraEdit);
    cmdEdit[1] = makeButton(indexedName("cmdEdit", 1), tr("クリア"), fraEdit);
    cmdEditReverse = makeButton(QStringLiteral("cmdEditReverse"), tr("逆転写"), fraEdit);
    cmdEditReverse->setVisible(false);

    optEdit[0] = makeOption(indexedName("optEdit", 0), tr("HEX"), fraEdit);
    optEdit[1] = makeOption(indexedName("optEdit", 1), QString(), fraEdit);
    groupOptions(this, "optEdit", optEdit);
    chkEdit[0] = makeCheck(indexedName("chkEdit", 0), tr("Autoアドレス"), fraEdit);
    chkEdit[0]->setChecked(true);
    chkEdit[1] = makeCheck(indexedName("chkEdit", 1), tr("Clickセット"), fraEdit);
    chkCaution[0] = makeCheck(indexedName("chkCaution", 0), tr("警告表示"), fraEdit);

    fraMode = named(new QGroupBox(tr("転写モード"), fraEdit), QStringLiteral("fraMode"));
    const std::array<QString, 3> modeCaptions{tr("ノーマル"), tr("ダイレクト"),
                                              tr("Setアドレス～最後")};
    auto* mode = new QVBoxLayout(fraMode);
    mode->setSpacing(2);
    for (std::size_t i = 0; i < optMode.size(); ++i) {
        optMode[i] = makeOption(indexedName("optMode", i), modeCaptions[i], fraMode);
        mode->addWidget(optMode[i]);
    }
    groupOptions(this, "optMode", optMode);
    chkEdit[3] = makeCheck(indexedName("chkEdit", 3), QStringLiteral("0x00000"), fraMode);
    mode->addWidget(chkEdit[3]);
    mode->addStretch(1);

    auto* entry = new QHBoxLayout;
    entry->addWidget(txtSetData, 1, Qt::AlignTop);
    entry->addWidget(cmdLineChange, 0, Qt::AlignTop);

    auto* address = new QHBoxLayout;
    address->addWidget(lblEdit[1]);
    address->addWidget(txtEditAddress);
    address->addSpacing(8);
    address->addWidget(cmdEdit[0]);
    address->addWidget(cmdEdit[1]);
    address->addWidget(cmdEditReverse);
    address->addStretch(1);

    auto* options = new QHBoxLayout;
    options->addWidget(optEdit[0]);
    options->addWidget(optEdit[1]);
    options->addSpacing(12);
    options->addWidget(chkEdit[0]);
    options->addWidget(chkEdit[1]);
    options->addSpacing(12);
    options->addWidget(chkCaution[0]);
    options->addStretch(1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(lblEdit[0]);
    left->addLayout(entry);
    left->addLayout(address);
    left->addLayout(options);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(fraEdit);
    layout->addLayout(left, 1);
    layout->addWidget(fraMode, 0);
    return fraEdit;
}

QWidget* FrmBase::buildCommFrame() {
    fraComm = named(new QGroupBox(tr("デバイス通信"), this), QStringLiteral("fraComm"));

    const std::array<QString, 4> commandCaptions{tr("WRITE"), tr("READ"), tr("VERIFY"),
                                                 tr("PROPERTY")};
    auto* commands = new QGridLayout;
    for (std::size_t i = 0; i < cmdComm.size(); ++i) {
        cmdComm[i] = makeButton(indexedName("cmdComm", i), commandCaptions[i], fraComm);
        // The writer commands are the main actions of the window: give them large faces.
        cmdComm[i]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        cmdComm[i]->setMinimumSize(84, 32);
        commands->addWidget(cmdComm[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }

    const std::array<QString, 3> rangeCaptions{tr("1ブロック"), tr("全メモリー"), tr("1バイト")};
    auto* ranges = new QVBoxLayout;
    ranges->setSpacing(2);
    for (std::size_t i = 0; i < optComm.size(); ++i) {
        optComm[i] = makeOption(indexedName("optComm", i), rangeCaptions[i], fraComm);
        ranges->addWidget(optComm[i]);
    }
    groupOptions(this, "optComm", optComm);
    chkCaution[1] = makeCheck(indexedName("chkCaution", 1), tr("警告表示"), fraComm);
    ranges->addWidget(chkCaution[1]);
    ranges->addStretch(1);
    // Under the buttons, where it takes the height the units column leaves free rather than
    // widening the frame.
    chkVerifyAfterWrite =
        makeCheck(QStringLiteral("chkVerifyAfterWrite"), tr("書込後ベリファイ"), fraComm);

    auto* layout = new QGridLayout(fraComm);
    layout->addLayout(commands, 0, 0);
    layout->setColumnMinimumWidth(1, 8);
    layout->addLayout(ranges, 0, 2, 2, 1);
    layout->addWidget(chkVerifyAfterWrite, 1, 0);
    return fraComm;
}
