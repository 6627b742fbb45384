#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// Find: bytes in hexadecimal or text through the code table. It stays open beside the grid; the
// main window searches when 次を検索 is pressed.
class DlgFind final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(DlgFind)

public:
    explicit DlgFind(QWidget* parent);

    QLineEdit* txtFindText = nullptr;
    QRadioButton* optFindHex = nullptr;
    QRadioButton* optFindText = nullptr;
    QPushButton* cmdFindNext = nullptr;
};
