#include "FailureReport.h"

#include <QCoreApplication>
#include <new>
#include <stdexcept>

#include "Dialogs.h"
#include "MessageText.h"
#include "ProgramError.h"
#include "ProgramState.h"

FailureReport::FailureReport(ProgramState& state, Dialogs& dialogs, QString title,
                             QString failedText)
    : state_(state),
      dialogs_(dialogs),
      title_(std::move(title)),
      failedText_(std::move(failedText)) {}

bool FailureReport::run(const std::function<void()>& step) {
    for (;;) {
        QString description;
        try {
            step();
            return true;
        } catch (const ProgramError& error) {
            description = error.description();
        } catch (const std::out_of_range&) {
            description = ProgramError::indexOutOfRange().description();
        } catch (const std::bad_alloc&) {
            description = QCoreApplication::translate("FailureReport", "メモリが不足しています。");
        } catch (const std::exception& error) {
            description = QCoreApplication::translate("FailureReport",
                                                      "予期しないエラーが発生しました。 (%1)")
                              .arg(QString::fromLocal8Bit(error.what()));
        }
        if (!askRetry(description)) return false;
    }
}

bool FailureReport::askRetry(const QString& description) {
    if (beforeReport_) beforeReport_();
    const QString step = stepText_.isEmpty() ? state_.CurrentStep : stepText_;
    const QString text = messageLines({step + failedText_, description});
    const int answer = dialogs_.askRetryCancel(text, title_);
    state_.ErrorAnswer = QString::number(answer);
    return answer == Answer::Retry;
}

QString openingStep(const QString& file) {
    return QCoreApplication::translate("FailureReport", "%1のオープン").arg(file);
}

QString writingStep(const QString& file) {
    return QCoreApplication::translate("FailureReport", "%1の書き込み処理").arg(file);
}
