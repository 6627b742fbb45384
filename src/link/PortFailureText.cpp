#include "PortFailureText.h"

#include <QCoreApplication>
#include <QDir>

QString portOpenFailureDetail(const SerialPort::OpenFailure& failure) {
    using Kind = SerialPort::OpenFailure::Kind;
    const QString device = QDir::toNativeSeparators(failure.devicePath);
    QString text;
#ifdef Q_OS_WIN
    // Windows names its ports itself: no links in 設定/, and no groups to join.
    text = QCoreApplication::translate("PortFailureText", "ポート %1 は %2 を開こうとしました。")
               .arg(QString::number(failure.portNumber), device);
#else
    if (failure.linkPath.isEmpty()) {
        text = QCoreApplication::translate(
                   "PortFailureText",
                   "ポート %1 は 設定/COM%1 のリンクがないため、システムの番号で %2 "
                   "を開こうとしました。")
                   .arg(QString::number(failure.portNumber), device);
    } else {
        text = QCoreApplication::translate(
                   "PortFailureText", "ポート %1 は 設定/COM%1 のリンクで %2 を開こうとしました。")
                   .arg(QString::number(failure.portNumber), device);
    }
#endif
    text += u'\n' + QCoreApplication::translate("PortFailureText", "理由: %1").arg(failure.reason) +
            u'\n';
    switch (failure.kind) {
        case Kind::PermissionDenied:
#ifdef Q_OS_WIN
            text += u'\n' + QCoreApplication::translate(
                                 "PortFailureText",
                                 "ほかのプログラムがこのポートを使用中です。そのプログラムを終了してから、"
                                 "もう一度試してください。\n");
#else
            text +=
                u'\n' +
                QCoreApplication::translate(
                    "PortFailureText",
                    "この装置を開く権限がないか、ほかのプログラムが使用中です。権限がない場合は、"
                    "ユーザーを dialout グループに加えてから、ログインし直してください:\n"
                    "    sudo usermod -aG dialout $USER\n");
#endif
            break;
        case Kind::Missing:
            text += u'\n' +
                    QCoreApplication::translate(
                        "PortFailureText",
                        "この装置は接続されていません。ボードをつないでから、PROPERTY ボタンで開く"
                        "「通信設定」の一覧からボードを選び、保存してください。\n");
            break;
        case Kind::None:
        case Kind::Other:
            break;
    }
    return text;
}
