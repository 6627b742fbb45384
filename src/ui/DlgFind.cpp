#include "DlgFind.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ControlNames.h"

DlgFind::DlgFind(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgFind"));
    setWindowTitle(tr("検索"));
    txtFindText = named(new QLineEdit(this), QStringLiteral("txtFindText"));
    optFindHex = named(new QRadioButton(tr("HEX"), this), QStringLiteral("optFindHex"));
    optFindText =
        named(new QRadioButton(tr("テキスト(code.txt)"), this), QStringLiteral("optFindText"));
    optFindHex->setChecked(true);
    auto* buttons = new QDialogButtonBox(this);
    cmdFindNext = named(buttons->addButton(tr("次を検索"), QDialogButtonBox::ActionRole),
                        QStringLiteral("cmdFindNext"));
    cmdFindNext->setDefault(true);
    QPushButton* close = buttons->addButton(tr("閉じる"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(optFindHex);
    kinds->addWidget(optFindText);
    kinds->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtFindText);
    layout->addLayout(kinds);
    layout->addWidget(buttons);
}
