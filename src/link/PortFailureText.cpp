#include "PortFailureText.h"

#include <QDir>

QString portOpenFailureDetail(const SerialPort::OpenFailure& failure) {
    using Kind = SerialPort::OpenFailure::Kind;
    const QString device = QDir::toNativeSeparators(failure.devicePath);
    QString text;
#ifdef Q_OS_WIN
    // Windows names its ports itself: no links in 設定/, and no groups to join.
    text = QStringLiteral("ポート %1 は %2 を開こうとしました。").arg(failure.portNumber).arg(device);
#else
    if (failure.linkPath.isEmpty()) {
        text = QStringLiteral(
                   "ポート %1 は 設定/COM%1 のリンクがないため、システムの番号で %2 "
                   "を開こうとしました。")
                   .arg(failure.portNumber)
                   .arg(device);
    } else {
        text = QStringLiteral("ポート %1 は 設定/COM%1 のリンクで %2 を開こうとしました。")
                   .arg(failure.portNumber)
                   .arg(device);
    }
#endif
    text += QStringLiteral("\n理由: ") + failure.reason + u'\n';
    switch (failure.kind) {
        case Kind::PermissionDenied:
#ifdef Q_OS_WIN
            text += QStringLiteral(
                "\nほかのプログラムがこのポートを使用中です。そのプログラムを終了してから、"
                "もう一度試してください。\n");
#else
            text += QStringLiteral(
                "\nこの装置を開く権限がないか、ほかのプログラムが使用中です。権限がない場合は、"
                "ユーザーを dialout グループに加えてから、ログインし直してください:\n"
                "    sudo usermod -aG dialout $USER\n");
#endif
            break;
        case Kind::Missing:
            text += QStringLiteral(
                "\nこの装置は接続されていません。ボードをつないでから、PROPERTY ボタンで開く"
                "「通信設定」の一覧からボードを選び、保存してください。\n");
            break;
        case Kind::None:
        case Kind::Other:
            break;
    }
    return text;
}
