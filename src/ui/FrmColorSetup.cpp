#include "FrmColorSetup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Colours.h"
#include "ControlNames.h"
#include "FailureReport.h"
#include "MessageText.h"
#include "Palette.h"
#include "ProgramState.h"
#include "SettingsFiles.h"

namespace {

// Captions of the option pairs: active colour on the left, normal colour on the right.
const std::array<const char*, FrmColorSetup::ObjectCount / 2> kObjectCaptions{
    QT_TRANSLATE_NOOP("FrmColorSetup", "セル"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "カーソル"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "データー"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "アドレス"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "入力文字"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "入力\u3000\u3000ボックス"),
    QT_TRANSLATE_NOOP("FrmColorSetup", "セレクト文字"),
};

// A bordered label that shows nothing but its background colour.
QLabel* colourBox(const QString& name, QSize size, QWidget* parent) {
    auto* box = named(new QLabel(parent), name);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setAutoFillBackground(true);
    box->setFixedSize(size);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

template <std::size_t N>
int indexOf(const std::array<QLabel*, N>& labels, const QObject* watched) {
    const auto found = std::find(labels.begin(), labels.end(), watched);
    return found == labels.end() ? -1 : static_cast<int>(found - labels.begin());
}

}  // namespace

FrmColorSetup::FrmColorSetup(ProgramState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs) {
    setModal(true);
    buildLayout();
    connectHandlers();
}

void FrmColorSetup::buildLayout() {
    setObjectName(QStringLiteral("frmColorSetup"));
    setWindowTitle(tr("色設定"));

    fraObject = named(new QGroupBox(tr("オブジェクト"), this), QStringLiteral("fraObject"));
    auto* objects = new QGridLayout(fraObject);
    objects->setHorizontalSpacing(6);
    lblMidashi[0] =
        named(new QLabel(tr("アクティブ時"), fraObject), QStringLiteral("lblMidashi(0)"));
    lblMidashi[1] =
        named(new QLabel(tr("通常(非選択)時"), fraObject), QStringLiteral("lblMidashi(1)"));
    objects->addWidget(lblMidashi[0], 0, 0, 1, 2);
    objects->addWidget(lblMidashi[1], 0, 3, 1, 2);
    objects->setColumnMinimumWidth(2, 16);  // keeps the two columns apart
    for (int i = 0; i < ObjectCount; ++i) {
        // Even entries are the active colours (left), odd ones the normal colours (right).
        const int row = 1 + i / 2;
        const int column = (i % 2) * 3;
        optObject[i] = named(new QRadioButton(tr(kObjectCaptions[i / 2]), fraObject),
                             indexedName("optObject", i));
        lblObject[i] = colourBox(indexedName("lblObject", i), QSize(48, 20), fraObject);
        objects->addWidget(optObject[i], row, column);
        objects->addWidget(lblObject[i], row, column + 1);
    }

    fraPalette = named(new QGroupBox(tr("パレット"), this), QStringLiteral("fraPalette"));
    auto* swatches = new QGridLayout(fraPalette);
    swatches->setSpacing(4);
    for (int i = 0; i < SampleCount; ++i) {
        lblSample[i] = colourBox(indexedName("lblSample", i), QSize(24, 20), fraPalette);
        setBackColour(lblSample[i], Palette::Swatches[i]);
        swatches->addWidget(lblSample[i], Palette::rowOf(i), Palette::columnOf(i));
    }

    txtComment = named(new QPlainTextEdit(this), QStringLiteral("txtComment"));
    txtComment->setReadOnly(true);
    // The note's line ends, the last included, are part of its text.
    txtComment->setPlainText(
        messageLines({tr("色設定を保存した場合は        "),
                      tr("  本ソフトウエアを再起動してください。"), QString()}));
    txtComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtComment->setFocusPolicy(Qt::NoFocus);
    txtComment->setFixedHeight(txtComment->fontMetrics().lineSpacing() * 3 + 8);

    cmdSave = named(new QPushButton(tr("保存"), this), QStringLiteral("cmdSave"));
    cmdEnd = named(new QPushButton(tr("終了"), this), QStringLiteral("cmdEnd"));
    // Enter in this window must never save by accident.
    for (QPushButton* button : {cmdSave, cmdEnd}) button->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(txtComment, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdEnd);
    bottom->addLayout(buttons);

    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addWidget(fraObject);
    root->addWidget(fraPalette);
    root->addLayout(bottom);
}

void FrmColorSetup::connectHandlers() {
    for (QLabel* box : lblObject) box->installEventFilter(this);
    for (QLabel* swatch : lblSample) swatch->installEventFilter(this);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
}

bool FrmColorSetup::eventFilter(QObject* watched, QEvent* event) {
    // Labels have no click of their own: a left-button release over the label that took the
    // press counts as one.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (label != nullptr && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (const int object = indexOf(lblObject, watched); object >= 0) {
                lblObject_Click(object);
                return true;
            }
            if (const int sample = indexOf(lblSample, watched); sample >= 0) {
                lblSample_Click(sample);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmColorSetup::Form_Load() {
    for (int i = 0; i < ObjectCount; ++i) setBackColour(lblObject[i], state_.ColorTable[i]);
}

void FrmColorSetup::lblObject_Click(int Index) { optObject[Index]->setChecked(true); }

// The first selected option, or entry 0 when none is selected yet.
int FrmColorSetup::selectedObject() const {
    for (int i = 0; i < ObjectCount; ++i) {
        if (optObject[i]->isChecked()) return i;
    }
    return 0;
}

void FrmColorSetup::lblSample_Click(int Index) {
    const int k = selectedObject();
    const int32_t colour = Palette::Swatches[Index];
    setBackColour(lblObject[k], colour);
    // The table changes at once, so the main window's next repaint already uses the new colour.
    state_.ColorTable[k] = colour;
}

void FrmColorSetup::cmdSave_Click() {
    FailureReport report(state_, dialogs_, QStringLiteral("frmColorSetup.cmdSave"));
    report.run([this] {
        state_.CurrentStep = writingStep(QStringLiteral("color.txt"));
        writeColorFile(state_, state_.SettingsFolder + QStringLiteral("color.txt"));
    });
    // Whatever the outcome, the window stays open: the user may pick again or leave.
}

void FrmColorSetup::cmdEnd_Click() { reject(); }
