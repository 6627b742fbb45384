#pragma once

#include "FileDialogs.h"

class QWidget;

// The platform's file dialogs, modal over `parent`.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    QString fileToOpen(const QString& folder) override;
    QString fileToSave(const QString& folder) override;

private:
    QWidget* parent_;
};
