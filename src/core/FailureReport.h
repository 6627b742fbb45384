#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class Dialogs;
struct ProgramState;

// The CurrentStep texts of the steps that open and write a file: "<file>のオープン",
// "<file>の書き込み処理".
QString openingStep(const QString& file);
QString writingStep(const QString& file);

// The failure report of a guarded procedure. Each step runs through run(): when it throws, the
// report shows CurrentStep + "に失敗しました" and the error's description under the procedure's
// title, stores the answer in ErrorAnswer, and runs the step again on Retry. On Cancel run()
// returns false and the procedure leaves, keeping what it has done.
class FailureReport {
public:
    FailureReport(ProgramState& state, Dialogs& dialogs, QString title,
                  QString failedText = QCoreApplication::translate("FailureReport",
                                                                   "に失敗しました"));

    bool run(const std::function<void()>& step);
    // Runs just before each report is shown, e.g. to put buttons back to rest first.
    void setBeforeReport(std::function<void()> action) { beforeReport_ = std::move(action); }
    // Names this text in the report instead of CurrentStep, which is then left alone.
    void setStepText(QString text) { stepText_ = std::move(text); }

private:
    bool askRetry(const QString& description);

    ProgramState& state_;
    Dialogs& dialogs_;
    QString title_;
    QString failedText_;
    std::function<void()> beforeReport_;
    QString stepText_;
};
