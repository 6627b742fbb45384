#include "PortFailureText.h"

#include <QDir>

QString portOpenFailureDetail(const SerialPort::OpenFailure& failure) {
    using Kind = SerialPort::OpenFailure::Kind;
    const QString device = QDir::toNativeSeparators(failure.devicePath);
    QString text;
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
    text += QStringLiteral("\n理由: ") + failure.reason + u'\n';
    switch (failure.kind) {
        case Kind::PermissionDenied:
            text += QStringLiteral(
                "\nこの装置を開く権限がないか、ほかのプログラムが使用中です。権限がない場合は、"
                "ユーザーを dialout グループに加えてから、ログインし直してください:\n"
                "    sudo usermod -aG dialout $USER\n");
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
