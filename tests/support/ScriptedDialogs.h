#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "Dialogs.h"

// Dialogs for tests: records every box and answers Retry/Cancel boxes from a script. An empty
// script answers Cancel, so a test can never loop on Retry by accident.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
        bool retryCancel;
        QString detail = {};
    };

    int showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    int showMessageWithDetail(const QString& text, const QString& title, MessageIcon icon,
                              const QString& detail) override;
    int askRetryCancel(const QString& text, const QString& title) override;

    std::deque<int> answers;  // Answer::Retry or Answer::Cancel, used in order
    // Runs while a Retry/Cancel box is up, before it is answered: the test acting as the user
    // (putting a file back, correcting a value).
    std::function<void()> whileAsking;
    QList<Shown> shown;
};
