#include <gtest/gtest.h>

#include <stdexcept>

#include "FailureReport.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"

TEST(FailureReport, ShowsStepAndDescriptionUnderTheProcedureTitle) {
    ProgramState state;
    ScriptedDialogs dialogs;
    FailureReport report(state, dialogs, QStringLiteral("subSetup"));
    const bool finished = report.run([&] {
        state.CurrentStep = QStringLiteral("flag.txtのオープン");
        throw ProgramError(QStringLiteral("説明"));
    });
    EXPECT_FALSE(finished);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("flag.txtのオープンに失敗しました\r\n説明"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("subSetup"));
    EXPECT_TRUE(dialogs.shown[0].retryCancel);
    EXPECT_EQ(state.ErrorAnswer, QStringLiteral("2"));
}

TEST(FailureReport, RetryRunsTheStepAgainUntilItSucceeds) {
    ProgramState state;
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Retry, Answer::Retry};
    FailureReport report(state, dialogs, QStringLiteral("t"), QStringLiteral("に失敗しました。"));
    int attempts = 0;
    EXPECT_TRUE(report.run([&] {
        if (++attempts < 3) throw std::out_of_range("index");
    }));
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(state.ErrorAnswer, QStringLiteral("4"));
    EXPECT_TRUE(
        dialogs.shown[0].text.startsWith(QStringLiteral("に失敗しました。\r\nインデックス")));
}

TEST(FailureReport, RunsTheBeforeReportActionFirst) {
    ProgramState state;
    ScriptedDialogs dialogs;
    FailureReport report(state, dialogs, QStringLiteral("t"));
    int before = 0;
    report.setBeforeReport([&] { before = int(dialogs.shown.size()) + 1; });
    report.run([] { throw std::runtime_error("x"); });
    EXPECT_EQ(before, 1);
}

TEST(FailureReport, FixedStepTextLeavesCurrentStepAlone) {
    ProgramState state;
    state.CurrentStep = QStringLiteral("custom.txtの書き込み処理");
    ScriptedDialogs dialogs;
    FailureReport report(state, dialogs, QStringLiteral("optEdit_Click"));
    report.setStepText(QStringLiteral("optEdit_Click"));
    report.run([] { throw ProgramError(QStringLiteral("d")); });
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("optEdit_Clickに失敗しました\r\nd"));
    EXPECT_EQ(state.CurrentStep, QStringLiteral("custom.txtの書き込み処理"));
}
