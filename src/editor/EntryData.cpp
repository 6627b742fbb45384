#include "EntryData.h"

#include <QCoreApplication>
#include <algorithm>

#include "DataImage.h"
#include "HexText.h"
#include "MessageText.h"

QString funCodehexChange(const QString& text, const CodeTable& codeTable) {
    for (int i = 0; i < 256; ++i) {
        if (codeTable[static_cast<std::size_t>(i)] == text) {
            return upperHex(i);
        }
    }
    return QStringLiteral("fff");
}

QString entryTitle(qsizetype length, bool hexEntry) {
    if (length == 0) return QCoreApplication::translate("EntryData", "データー入力ボックス");
    const QString size =
        hexEntry ? QStringLiteral("%1%2")
                       .arg(length / 2)
                       .arg(length % 2 == 0 ? QStringLiteral(".0") : QStringLiteral(".5"))
                 : QString::number(length);
    return QCoreApplication::translate("EntryData", "転写データー %1 Byte").arg(size);
}

TransferData readTransferData(const QString& text, bool hexEntry, const CodeTable& codeTable) {
    TransferData data;
    if (hexEntry) {
        for (const QChar c : text) {
            if (!funHexCheck(QString(c))) {
                return {{}, TransferData::Fault::BadHexCharacter, QString(c)};
            }
        }
        if (text.isEmpty() || text.size() % 2 != 0)
            return {{}, TransferData::Fault::OddOrEmptyHex, {}};
        for (qsizetype i = 0; i < text.size(); i += 2) data.bytes << text.mid(i, 2);
        return data;
    }
    for (const QChar c : text) {
        const QString value = funCodehexChange(QString(c), codeTable);
        if (value == QStringLiteral("fff")) {
            return {{}, TransferData::Fault::UnknownCharacter, QString(c)};
        }
        data.bytes << value.rightJustified(2, u'0');
    }
    if (data.bytes.isEmpty()) data.fault = TransferData::Fault::EmptyText;
    return data;
}

QString transferFaultMessage(const TransferData& data) {
    switch (data.fault) {
        case TransferData::Fault::BadHexCharacter:
            return messageLines(
                {QCoreApplication::translate("EntryData", "転写データーにエラーがあります。"),
                 QCoreApplication::translate("EntryData", "入力された【%1】の文字は不正です。")
                     .arg(data.character),
                 QCoreApplication::translate(
                     "EntryData", "16進コード(半角0～9,A,B,C,D,E,F)で入力してください。")});
        case TransferData::Fault::OddOrEmptyHex:
            return messageLines(
                {QCoreApplication::translate("EntryData", "転写データーに、エラーがあります。"),
                 QCoreApplication::translate("EntryData",
                                             "文字数が偶数（１バイト）になっていません。"),
                 QCoreApplication::translate(
                     "EntryData", "16進コード(半角0～9,A,B,C,D,E,F)で修正してください。")});
        case TransferData::Fault::UnknownCharacter:
            return messageLines(
                {QCoreApplication::translate("EntryData",
                                             "転写データーに、設定外の文字があります：【%1】")
                     .arg(data.character),
                 QCoreApplication::translate("EntryData", "code.txtに設定した文字を使って下さい。"),
                 QCoreApplication::translate("EntryData", "変更処理を、実行せずに終了します。")});
        case TransferData::Fault::EmptyText:
            return messageLines(
                {QCoreApplication::translate("EntryData", "転写データーにエラーがあります。"),
                 QCoreApplication::translate("EntryData",
                                             "文字数が偶数（１バイト）になっていません。"),
                 QCoreApplication::translate("EntryData",
                                             "1バイト以上のデーターを入力してください。")});
        case TransferData::Fault::None:
            break;
    }
    return {};
}

int32_t writePlainTransfer(DataImage& image, std::vector<bool>& editMarks, int32_t start,
                           const QStringList& bytes, int32_t deviceCapacity, bool mark) {
    int32_t address = start;
    for (const QString& byte : bytes) {
        if (address >= deviceCapacity) break;  // nothing beyond the device, ever
        image.set(address, byte);
        if (mark) editMarks.at(static_cast<std::size_t>(address)) = true;
        if (address == deviceCapacity - 1) break;
        ++address;
    }
    return address;
}

void fillAllData(DataImage& image, int32_t start, const QStringList& bytes,
                 int32_t deviceCapacity) {
    const int32_t end = std::min(deviceCapacity, int32_t{DataImage::Size});
    if (bytes.isEmpty()) return;
    qsizetype next = 0;
    for (int32_t address = start; address < end; ++address) {
        image.set(address, bytes[next]);
        next = (next + 1) % bytes.size();
    }
}
