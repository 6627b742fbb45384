#include "QtDialogs.h"

#include <QMessageBox>

#include "MessageText.h"

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Message texts are joined by CR LF; the box wants plain line feeds.
QString forDisplay(const QString& text) {
    QString shown = text;
    return shown.replace(kLineBreak, QStringLiteral("\n"));
}

}  // namespace

int QtDialogs::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    return showMessageWithDetail(text, title, icon, {});
}

int QtDialogs::showMessageWithDetail(const QString& text, const QString& title, MessageIcon icon,
                                     const QString& detail) {
    QMessageBox box(toQtIcon(icon), title, forDisplay(text), QMessageBox::Ok, parent_);
    box.setDetailedText(forDisplay(detail));
    box.exec();
    return Answer::Ok;
}

int QtDialogs::askRetryCancel(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, forDisplay(text),
                    QMessageBox::Retry | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry ? Answer::Retry : Answer::Cancel;
}
