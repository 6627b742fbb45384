// The file page: the two file buttons and the file-type options.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Dialogs.h"
#include "FailureReport.h"
#include "FrmBase.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "SettingsFiles.h"
#include "TextFormat.h"

namespace {

constexpr int32_t kPromptBlue = 0xFF0000;
constexpr int32_t kResultBlue = 0xFF3300;
const QString kTextFormat = QStringLiteral("Original Text Format");

}  // namespace

void FrmBase::optFileType_Click(int Index) {
    state_.FileTypeName = optFileType.at(static_cast<std::size_t>(Index))->text();
}

// The buttons' captions are their state: Idle "開く"/"保存", LoadArmed "開始"/"取消",
// SaveArmed "取消"/"開始".
void FrmBase::cmdFileOperation_Click(int Index) {
    if (txtFileName->text().isEmpty()) {
        dialogs_.showMessage(
            QStringLiteral("ファイル名が空白です。\r\n") +
                QStringLiteral("ファイルを選択するか、ファイル名を記入してください。\r\n"),
            QStringLiteral("ファイル操作エラー"), MessageIcon::Warning);
        return;
    }
    const QString caption = cmdFileOperation.at(static_cast<std::size_t>(Index))->text();
    if (caption == QStringLiteral("開始")) {
        if (Index == 0) {
            loadDataFile();
        } else {
            saveDataFile();
        }
    } else if (caption == QStringLiteral("取消")) {
        setFileButtonsIdle();
        setMessage(QString());
    } else {
        const bool load = Index == 0;
        cmdFileOperation[0]->setText(load ? QStringLiteral("開始") : QStringLiteral("取消"));
        cmdFileOperation[1]->setText(load ? QStringLiteral("取消") : QStringLiteral("開始"));
        setMessageColour(kPromptBlue);
        setMessage(load ? QStringLiteral("【開始】を押して【読み取り】開始")
                        : QStringLiteral("【開始】を押して【保存】開始"));
    }
}

void FrmBase::setFileButtonsIdle() {
    cmdFileOperation[0]->setText(QStringLiteral("開く"));
    cmdFileOperation[1]->setText(QStringLiteral("保存"));
}

void FrmBase::loadDataFile() {
    const QString fileName = txtFileName->text();
    for (QComboBox* list : cmbFileErrorList) list->clear();
    txtLastCount->clear();
    state_.CurrentStep = fileName + QStringLiteral("のオープン");

    FailureReport report(state_, dialogs_, QStringLiteral("cmdFileOperation_Click"));
    report.setBeforeReport([this] { setFileButtonsIdle(); });
    bool loaded = false;
    const bool finished = report.run([&] {
        if (state_.FileTypeName != kTextFormat) {
            dialogs_.showMessage(
                state_.FileTypeName + QStringLiteral(" のファイルはまだ読み込めません。"),
                QStringLiteral("ファイル操作エラー"), MessageIcon::Warning);
            return;
        }
        const TextFormat::LoadResult result =
            TextFormat::load(state_.DataFolder + fileName, state_.Image);
        using Outcome = TextFormat::LoadResult::Outcome;
        if (result.outcome == Outcome::WrongLineLength) {
            dialogs_.showMessage(TextFormat::wrongLineLengthMessage(fileName, result.line),
                                 QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), MessageIcon::Critical);
        } else if (result.outcome == Outcome::BadCell) {
            dialogs_.showMessage(
                TextFormat::badCellMessage(fileName, result.address, result.cellText),
                QStringLiteral("文字ﾃﾞｰﾀｰｴﾗｰ"), MessageIcon::Warning);
        } else {
            loaded = true;
        }
    });
    setFileButtonsIdle();
    if (!finished) return;
    if (!loaded) {
        setMessage(QString());
        return;
    }
    subBlockDisplay();
    setMessageColour(kResultBlue);
    setMessage(fileName + QStringLiteral(" Open OK "));
}

void FrmBase::saveDataFile() {
    const QString fileName = txtFileName->text();
    FailureReport report(state_, dialogs_, QStringLiteral("cmdFileOperation_Click"));
    report.setBeforeReport([this] { setFileButtonsIdle(); });
    const bool saved = report.run([&] {
        state_.CurrentStep = QStringLiteral("flag.txtの書き込み処理");
        writeFlagFile(state_, state_.SettingsFolder + QStringLiteral("flag.txt"), fileName);
    }) && report.run([&] {
        state_.CurrentStep = fileName + QStringLiteral("の書き込み処理");
        if (state_.FileTypeName != kTextFormat) {
            throw ProgramError(state_.FileTypeName +
                               QStringLiteral(" のファイルはまだ書き込めません。"));
        }
        TextFormat::save(state_.DataFolder + fileName, state_.Image);
    });
    setFileButtonsIdle();
    if (!saved) return;
    setMessageColour(kResultBlue);
    setMessage(fileName + QStringLiteral(" Save OK"));
}
