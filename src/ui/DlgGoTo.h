#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPushButton;

// Go to address: asks for a hexadecimal address. The main window checks it when 移動 is pressed
// and closes the box once the address is taken.
class DlgGoTo final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(DlgGoTo)

public:
    explicit DlgGoTo(QWidget* parent);

    QLineEdit* txtGoToAddress = nullptr;
    QPushButton* cmdGoTo = nullptr;
};
