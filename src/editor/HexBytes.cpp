#include "HexBytes.h"

#include <QCoreApplication>

#include "HexText.h"
#include "MessageText.h"

namespace {

bool isSeparator(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// A whole code point: a surrogate pair is one character to the user.
qsizetype characterLength(QStringView text, qsizetype index) {
    return text[index].isHighSurrogate() && index + 1 < text.size() &&
                   text[index + 1].isLowSurrogate()
               ? 2
               : 1;
}

}  // namespace

QString characterName(QStringView character) {
    const char32_t code = character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                                : character[0].unicode();
    if (QChar::isPrint(code) && !QChar::isSpace(code)) return character.toString();
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString characterPosition(QStringView text, qsizetype index) {
    qsizetype line = 1;
    qsizetype column = 1;
    for (qsizetype i = 0; i < index; i += characterLength(text, i)) {
        if (text[i] == u'\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    if (!text.contains(u'\n'))
        return QCoreApplication::translate("HexBytes", "%1文字目").arg(column);
    return QCoreApplication::translate("HexBytes", "%1行目の%2文字目")
        .arg(QString::number(line), QString::number(column));
}

HexBytes readHexBytes(QStringView text, qsizetype keep, const QString& subject) {
    HexBytes read;
    const auto fault = [&](qsizetype index, const QString& quoted, const QString& what) {
        // The subject, the character, where it stands, then what is wrong with it.
        read.fault = QCoreApplication::translate("HexBytes", "%1の【%2】(%3)%4")
                         .arg(subject, quoted, characterPosition(text, index), what);
        return read;
    };
    int high = -1;            // the first digit of a byte, while its second is awaited
    qsizetype highIndex = 0;  // where that digit stands
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (high < 0 && c == u'0' && i + 1 < text.size() &&
            (text[i + 1].unicode() | 0x20) == u'x') {
            if (i + 2 >= text.size() || hexDigitValue(text[i + 2].unicode()) < 0)
                return fault(i, text.mid(i, 2).toString(),
                             QCoreApplication::translate("HexBytes",
                                                         "の後に16進数2桁のバイトがありません。"));
            ++i;
            continue;
        }
        if (isSeparator(c)) {
            if (high >= 0) break;  // a byte of one digit, reported below
            continue;
        }
        const int digit = hexDigitValue(c.unicode());
        if (digit < 0) {
            return fault(i, characterName(text.mid(i, characterLength(text, i))),
                         QCoreApplication::translate("HexBytes", "は16進数の文字ではありません。"));
        }
        if (high < 0) {
            high = digit;
            highIndex = i;
            continue;
        }
        if (read.count < keep) read.bytes.append(static_cast<char>(high << 4 | digit));
        ++read.count;
        high = -1;
    }
    if (high >= 0) {
        return fault(
            highIndex, text.mid(highIndex, 1).toString(),
            QCoreApplication::translate("HexBytes", "から始まるバイトが1桁しかありません。"));
    }
    if (read.count == 0)
        read.fault = QCoreApplication::translate("HexBytes", "%1に16進数のバイトがありません。")
                         .arg(subject);
    return read;
}
