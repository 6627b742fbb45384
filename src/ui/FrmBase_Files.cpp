// The file page: the two file buttons, the file dialogs, the file-type options, and files dropped
// on the window.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "BinaryFormat.h"
#include "ChosenFile.h"
#include "Dialogs.h"
#include "FileButtons.h"
#include "FileDialogs.h"
#include "FileTypeRule.h"
#include "FrmBase.h"
#include "HexText.h"
#include "ImageFile.h"
#include "MessageText.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "WindowsColour.h"

const std::array<const char*, 4> FrmBase::kFileTypeNames{
    QT_TRANSLATE_NOOP("FrmBase", "Original Text Format"),
    QT_TRANSLATE_NOOP("FrmBase", "HEX Format"), QT_TRANSLATE_NOOP("FrmBase", "Binary Format"),
    QT_TRANSLATE_NOOP("FrmBase", "Other Format")};

void FrmBase::optFileType_Click(int Index) {
    state_.FileTypeName = QString::fromLatin1(kFileTypeNames.at(static_cast<std::size_t>(Index)));
}

// A file picked by the user, in the list, a file dialog or a drop: the name box, the caption and
// the format follow it. Only such a pick chooses the format from the name; a typed name leaves it
// alone.
void FrmBase::chooseDataFile(const QString& name) {
    txtFileName->setText(name);
    setWindowCaption();
    selectOption(optFileType.at(static_cast<std::size_t>(fileTypeIndexForName(name))));
}

void FrmBase::flbFileList_Click() {
    const QListWidgetItem* item = flbFileList->currentItem();
    if (item != nullptr) chooseDataFile(item->text());
}

void FrmBase::cmdFileBrowse_Click() {
    const QString path = fileDialogs_->fileToOpen(state_.DataFolder);
    if (!path.isEmpty()) openFile(path);
}

void FrmBase::cmdFileSaveAs_Click() {
    const QString path = fileDialogs_->fileToSave(state_.DataFolder);
    if (path.isEmpty()) return;
    chooseDataFile(dataFileName(state_.DataFolder, path));
    saveDataFile();
}

// While a writer operation is armed or running the file page is shut, and so is a drop.
void FrmBase::openFiles(const QList<QUrl>& files) {
    runHandler(QStringLiteral("Form_DragDrop"), [&] {
        if (state_.OperationRunning) return;
        const QString path = singleLocalFile(files, dialogs_);
        if (!path.isEmpty()) openFile(path);
    });
}

// A file from anywhere loads as the same file picked in the list and opened; one its reader
// cannot open is refused before anything changes.
void FrmBase::openFile(const QString& path) {
    const QString name = dataFileName(state_.DataFolder, path);
    if (!isLoadable(state_, dialogs_, path, name)) return;
    chooseDataFile(name);
    loadDataFile();
}

void FrmBase::txtLastCount_Change() {
    const QString text = txtLastCount->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString c = text.mid(i, 1);
        if (funHexCheck(c)) continue;
        dialogs_.showMessage(BinaryFormat::typedEndAddressMessage(c), tr("文字ﾃﾞｰﾀｰｴﾗｰ"),
                             MessageIcon::Warning);
        txtLastCount->setText(text.left(i));
        return;
    }
}

// Two presses make a file operation: the record keeps which one is announced, the captions
// follow it.
void FrmBase::cmdFileOperation_Click(int Index) {
    if (txtFileName->text().isEmpty()) {
        dialogs_.showMessage(
            messageLines({tr("ファイル名が空白です。"),
                          tr("ファイルを選択するか、ファイル名を記入してください。"), QString()}),
            tr("ファイル操作エラー"), MessageIcon::Warning);
        return;
    }
    switch (fileButtonAction(state_.ArmedFileOperation, Index)) {
        case FileButtonAction::Start:
            if (state_.ArmedFileOperation == ArmedFile::Save) {
                saveDataFile();
            } else {
                loadDataFile();
            }
            break;
        case FileButtonAction::Withdraw:
            setFileButtonsIdle();
            setMessage(QString());
            break;
        case FileButtonAction::Announce:
            armFileOperation(Index == 0 ? ArmedFile::Load : ArmedFile::Save);
            setMessageColour(MessageColour::Prompt);
            setMessage(fileButtonPrompt(state_.ArmedFileOperation));
            break;
    }
}

void FrmBase::armFileOperation(ArmedFile operation) {
    state_.ArmedFileOperation = operation;
    const std::array<QString, 2> captions = fileButtonCaptions(operation);
    for (std::size_t i = 0; i < captions.size(); ++i) cmdFileOperation[i]->setText(captions[i]);
}

void FrmBase::setFileButtonsIdle() { armFileOperation(ArmedFile::None); }

namespace {

// A list shows at most this much of a comment line: a line of megabytes would take seconds to
// draw. The item keeps the whole line, which a HEX save writes back as it was read.
constexpr qsizetype kCommentShownChars = 256;

QStringList listedLines(const QComboBox* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->itemData(i).toString();
    return lines;
}

void addListed(QComboBox* list, const QString& line) {
    list->addItem(textHead(line, kCommentShownChars), line);
}

}  // namespace

HexComments FrmBase::hexComments() const {
    return {listedLines(cmbFileErrorList[0]), listedLines(cmbFileErrorList[1])};
}

void FrmBase::showHexComments(const HexComments& comments) {
    // Each list that has lines shows its first one. A Retry of a failed load shows its lines
    // afresh.
    for (QComboBox* list : cmbFileErrorList) list->clear();
    for (const QString& line : comments.before) addListed(cmbFileErrorList[0], line);
    for (const QString& line : comments.after) addListed(cmbFileErrorList[1], line);
}

void FrmBase::loadDataFile() {
    const QString name = txtFileName->text();
    const ImageFileLoad load =
        loadImageFile(state_, dialogs_, dataFilePath(state_.DataFolder, name), name,
                      [this] { setFileButtonsIdle(); });
    // Also after a load that stopped: the lists and the record type show what was read.
    showHexComments(load.comments);
    if (load.recordType) {
        optHexRecordType[static_cast<std::size_t>(*load.recordType)]->setChecked(true);
    }
    txtLastCount->setText(load.endAddress);
    setFileButtonsIdle();
    // A load that stops part-way keeps what it has read, so the grid shows the image either way.
    subBlockDisplay();
    if (load.outcome == ImageFileLoad::Outcome::Abandoned) return;
    if (load.outcome == ImageFileLoad::Outcome::Loaded) {
        setMessageColour(MessageColour::Information);
    }
    setMessage(load.messageLine);
}

void FrmBase::saveDataFile() {
    const QString name = txtFileName->text();
    const auto recordType =
        optHexRecordType[0]->isChecked() ? HexRecordType::Int20bit : HexRecordType::Int32bit;
    const ImageFileSave save = saveImageFile(
        state_, dialogs_, dataFilePath(state_.DataFolder, name), name,
        {hexComments(), recordType, txtLastCount->text()}, [this] { setFileButtonsIdle(); });
    // A refused EndAddress keeps the save announced, so the user can correct it and press again.
    if (save.outcome == ImageFileSave::Outcome::Refused) return;
    setFileButtonsIdle();
    if (save.outcome == ImageFileSave::Outcome::Abandoned) return;
    rootFileList();  // a new file shows in the list at once
    setMessageColour(MessageColour::Information);
    setMessage(save.messageLine);
}
