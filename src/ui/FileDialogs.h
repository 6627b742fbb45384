#pragma once

#include <QString>

// The system's file dialogs: the window shows real ones, tests script the chosen path.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path of the file chosen to open, or to save to, starting in `folder`; empty when
    // the user cancelled.
    virtual QString fileToOpen(const QString& folder) = 0;
    virtual QString fileToSave(const QString& folder) = 0;
};
