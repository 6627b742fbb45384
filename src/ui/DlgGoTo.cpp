#include "DlgGoTo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ControlNames.h"

DlgGoTo::DlgGoTo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgGoTo"));
    setWindowTitle(tr("アドレス指定"));
    txtGoToAddress = named(new QLineEdit(this), QStringLiteral("txtGoToAddress"));
    txtGoToAddress->setMaxLength(16);
    auto* buttons = new QDialogButtonBox(this);
    cmdGoTo = named(buttons->addButton(tr("移動"), QDialogButtonBox::ActionRole),
                    QStringLiteral("cmdGoTo"));
    cmdGoTo->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("移動先のアドレス(16進数)"), this));
    layout->addWidget(txtGoToAddress);
    layout->addWidget(buttons);
}
