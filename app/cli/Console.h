#pragma once

#include <QByteArray>
#include <QString>

#include "Dialogs.h"

// Standard error carries every message, standard output only data.
void printMessage(const QString& text);
void printData(const QByteArray& bytes);
bool standardErrorIsTerminal();

// The failure report and the file messages of the shared layers, on standard error. Nobody is
// there to answer Retry, so a failed step is cancelled.
class ConsoleDialogs final : public Dialogs {
public:
    int showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    int askRetryCancel(const QString& text, const QString& title) override;
};
