// The file page: the two file buttons and the file-type options.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include "BinaryFormat.h"
#include "Dialogs.h"
#include "FailureReport.h"
#include "FileButtons.h"
#include "FileTypeRule.h"
#include "FrmBase.h"
#include "HexFormat.h"
#include "HexText.h"
#include "MessageText.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "SettingsFiles.h"
#include "TextFormat.h"
#include "WindowsColour.h"

namespace {

const QString kHexFormat = QStringLiteral("HEX Format");
const QString kBinaryFormat = QStringLiteral("Binary Format");

}  // namespace

void FrmBase::optFileType_Click(int Index) {
    state_.FileTypeName = optFileType.at(static_cast<std::size_t>(Index))->text();
}

// Only a click in the list chooses the format from the name; a typed name leaves it alone.
void FrmBase::flbFileList_Click() {
    const QListWidgetItem* item = flbFileList->currentItem();
    if (item == nullptr) return;
    txtFileName->setText(item->text());
    setWindowCaption();
    selectOption(optFileType.at(static_cast<std::size_t>(fileTypeIndexForName(item->text()))));
}

void FrmBase::txtLastCount_Change() {
    const QString text = txtLastCount->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QString c = text.mid(i, 1);
        if (funHexCheck(c)) continue;
        dialogs_.showMessage(BinaryFormat::typedEndAddressMessage(c),
                             QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), MessageIcon::Warning);
        txtLastCount->setText(text.left(i));
        return;
    }
}

// Two presses make a file operation: the record keeps which one is announced, the captions
// follow it.
void FrmBase::cmdFileOperation_Click(int Index) {
    if (txtFileName->text().isEmpty()) {
        dialogs_.showMessage(
            messageLines({QStringLiteral("ファイル名が空白です。"),
                          QStringLiteral("ファイルを選択するか、ファイル名を記入してください。"),
                          QString()}),
            QStringLiteral("ファイル操作エラー"), MessageIcon::Warning);
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

// Runs the reader of the chosen format; false when the file was refused (its message shown).
bool FrmBase::readDataFile(const QString& fileName) {
    const QString path = state_.DataFolder + fileName;
    const QString errorTitle = QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ");
    if (state_.FileTypeName == kHexFormat) {
        HexComments comments;
        HexFormat::ReadState read;
        // Also when a failure stops the load: the comments and the record-type choice read so
        // far stay, as the data already placed does.
        const auto showRead = qScopeGuard([&] {
            showHexComments(comments);
            if (read.recordType) {
                optHexRecordType[static_cast<std::size_t>(*read.recordType)]->setChecked(true);
            }
        });
        const HexFormat::LoadResult result = HexFormat::load(path, state_.Image, comments, read);
        using Outcome = HexFormat::LoadResult::Outcome;
        if (result.outcome == Outcome::BadCell) {
            dialogs_.showMessage(
                TextFormat::badCellMessage(fileName, result.address, result.cellText), errorTitle,
                MessageIcon::Warning);
        }
        if (result.outcome != Outcome::Loaded) {
            dialogs_.showMessage(
                HexFormat::recordErrorMessage(fileName, result.errorText, result.line), errorTitle,
                MessageIcon::Critical);
            return false;
        }
        if (!read.endRecordSeen) {
            dialogs_.showMessage(HexFormat::missingEndRecordMessage(fileName), errorTitle,
                                 MessageIcon::Critical);
        }
        return true;
    }
    if (state_.FileTypeName == kBinaryFormat) {
        state_.FileByteCount = BinaryFormat::load(path, state_.Image);
        const QString countLine = BinaryFormat::countLine(state_.FileByteCount);
        if (!countLine.isEmpty()) {
            addListed(cmbFileErrorList[1], countLine);
            cmbFileErrorList[1]->setCurrentIndex(cmbFileErrorList[1]->count() - 1);
        }
        txtLastCount->setText(BinaryFormat::endAddressText(state_.FileByteCount));
        return true;
    }
    const TextFormat::LoadResult result = TextFormat::load(path, state_.Image);
    using Outcome = TextFormat::LoadResult::Outcome;
    if (result.outcome == Outcome::WrongLineLength) {
        dialogs_.showMessage(TextFormat::wrongLineLengthMessage(fileName, result.line), errorTitle,
                             MessageIcon::Critical);
    } else if (result.outcome == Outcome::BadCell) {
        dialogs_.showMessage(TextFormat::badCellMessage(fileName, result.address, result.cellText),
                             errorTitle, MessageIcon::Warning);
    }
    return result.outcome == Outcome::Loaded;
}

void FrmBase::loadDataFile() {
    const QString fileName = txtFileName->text();
    for (QComboBox* list : cmbFileErrorList) list->clear();
    txtLastCount->clear();
    state_.CurrentStep = fileName + QStringLiteral("のオープン");

    FailureReport report(state_, dialogs_, QStringLiteral("cmdFileOperation_Click"));
    report.setBeforeReport([this] { setFileButtonsIdle(); });
    bool loaded = false;
    const bool finished = report.run([&] { loaded = readDataFile(fileName); });
    setFileButtonsIdle();
    // A load that stops part-way keeps what it has read, so the grid shows the image either way.
    subBlockDisplay();
    if (!finished) return;
    if (!loaded) {
        setMessage(QString());
        return;
    }
    setMessageColour(MessageColour::Information);
    setMessage(fileName + QStringLiteral(" Open OK "));
}

// Runs the writer of the chosen format; false when the binary writer refused EndAddress.
bool FrmBase::writeDataFile(const QString& fileName) {
    const QString path = state_.DataFolder + fileName;
    if (state_.FileTypeName == kHexFormat) {
        const auto recordType =
            optHexRecordType[0]->isChecked() ? HexRecordType::Int20bit : HexRecordType::Int32bit;
        HexFormat::save(path, state_.Image, hexComments(), recordType);
        return true;
    }
    if (state_.FileTypeName == kBinaryFormat) {
        const BinaryFormat::SaveResult result =
            BinaryFormat::save(path, state_.Image, txtLastCount->text());
        if (result.outcome == BinaryFormat::SaveResult::Outcome::Refused) {
            dialogs_.showMessage(BinaryFormat::refusedEndAddressMessage(result.refusedCharacter),
                                 QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), MessageIcon::Warning);
            return false;
        }
        return true;
    }
    TextFormat::save(path, state_.Image);
    return true;
}

void FrmBase::saveDataFile() {
    const QString fileName = txtFileName->text();
    FailureReport report(state_, dialogs_, QStringLiteral("cmdFileOperation_Click"));
    report.setBeforeReport([this] { setFileButtonsIdle(); });
    bool written = false;
    const bool finished = report.run([&] {
        state_.CurrentStep = QStringLiteral("flag.txtの書き込み処理");
        writeFlagFile(state_, state_.SettingsFolder + QStringLiteral("flag.txt"), fileName);
    }) && report.run([&] {
        state_.CurrentStep = fileName + QStringLiteral("の書き込み処理");
        written = writeDataFile(fileName);
    });
    // A refused EndAddress keeps the save announced, so the user can correct it and press again.
    if (finished && !written) return;
    setFileButtonsIdle();
    if (!finished) return;
    rootFileList();  // a new file shows in the list at once
    setMessageColour(MessageColour::Information);
    setMessage(fileName + QStringLiteral(" Save OK"));
}
