#include "ProgramError.h"

#include <QCoreApplication>

QString textHead(const QString& text, qsizetype maxChars) {
    if (text.size() <= maxChars) return text;
    qsizetype end = maxChars;
    if (end > 0 && text[end - 1].isHighSurrogate()) --end;
    return text.left(end) + u'…';
}

ProgramError ProgramError::fileNotFound(const QString& path) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "ファイルが見つかりません。 (%1)").arg(path));
}

ProgramError ProgramError::cannotOpen(const QString& path, const QString& reason) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "ファイルを開けません。 (%1: %2)")
            .arg(path, reason));
}

ProgramError ProgramError::cannotWrite(const QString& path, const QString& reason) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "ファイルに書き込めません。 (%1: %2)")
            .arg(path, reason));
}

ProgramError ProgramError::unencodable(const QString& character) {
    const char32_t point = character.size() == 2
                               ? QChar::surrogateToUcs4(character[0], character[1])
                               : character[0].unicode();
    return ProgramError(
        QCoreApplication::translate("ProgramError",
                                    "「%1」(U+%2) はShift-JISで表せない文字なので書き込めません。")
            .arg(character, QString::number(point, 16).toUpper().rightJustified(4, u'0')));
}

ProgramError ProgramError::notRegularFile(const QString& path) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "通常のファイルではありません。 (%1)")
            .arg(path));
}

ProgramError ProgramError::tooLarge(const QString& path, qint64 maxBytes) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "ファイルが大きすぎます。 (%1: %2 バイトまで)")
            .arg(path, QString::number(maxBytes)));
}

ProgramError ProgramError::inputPastEnd() {
    return ProgramError(QCoreApplication::translate(
        "ProgramError", "ファイルの終わりを越えて読み込もうとしました。"));
}

ProgramError ProgramError::typeMismatch(const QString& text) {
    return ProgramError(QCoreApplication::translate(
                            "ProgramError", "型が一致しません。 (\"%1\" は数値ではありません)")
                            .arg(textHead(text)));
}

ProgramError ProgramError::overflow(const QString& text) {
    return ProgramError(QCoreApplication::translate("ProgramError", "オーバーフローしました。 (%1)")
                            .arg(textHead(text)));
}

ProgramError ProgramError::indexOutOfRange() {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "インデックスが有効範囲にありません。"));
}

ProgramError ProgramError::invalidValue(const QString& text) {
    return ProgramError(
        QCoreApplication::translate("ProgramError", "プロパティの値が不正です。 (%1)")
            .arg(textHead(text)));
}
