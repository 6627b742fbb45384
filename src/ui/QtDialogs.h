#pragma once

#include "Dialogs.h"

class QWidget;

// Real message boxes, modal over the main window.
class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    int showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    int showMessageWithDetail(const QString& text, const QString& title, MessageIcon icon,
                              const QString& detail) override;
    int askRetryCancel(const QString& text, const QString& title) override;

private:
    QWidget* parent_ = nullptr;
};
