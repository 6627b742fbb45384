#pragma once

#include <QCoreApplication>

#include "FileDialogs.h"

class QWidget;

// The platform's file dialogs, modal over `parent`, offering the file types the window reads and
// writes.
class QtFileDialogs : public FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(QtFileDialogs)

public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    QString fileToOpen(const QString& folder) override;
    QString fileToSave(const QString& folder) override;

private:
    QWidget* parent_;
};
