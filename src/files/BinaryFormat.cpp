#include "BinaryFormat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include "AtomicSave.h"
#include "CellBytes.h"
#include "DataImage.h"
#include "HexText.h"
#include "LineFile.h"
#include "MessageText.h"
#include "ProgramError.h"

namespace BinaryFormat {

int32_t load(const QString& path, DataImage& image) {
    QFile file(path);
    openForReading(file, kAnySize);
    image.fill(u"00");  // only once the file is open: a failed open leaves the image as it was
    const QByteArray bytes = file.read(kMaxBytes);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        throw ProgramError::cannotOpen(path, file.errorString());
    }
    char digits[2];
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        writeFixedHex(digits, static_cast<uint8_t>(bytes[k]), 2);
        image.set(static_cast<int>(k), QLatin1StringView(digits, 2));
    }
    return static_cast<int32_t>(bytes.size());
}

QString endAddressText(int32_t byteCount) {
    return byteCount > 0 ? upperHex(byteCount - 1) : QString();
}

QString countLine(int32_t byteCount) {
    return byteCount > 0 ? QStringLiteral("Count:0x") + endAddressText(byteCount) : QString();
}

SaveResult save(const QString& path, const DataImage& image, const QString& endAddress) {
    for (qsizetype i = 0; i < endAddress.size(); ++i) {
        if (hexDigitValue(endAddress[i].unicode()) >= 0) continue;
        const qsizetype width =
            endAddress[i].isHighSurrogate() && i + 1 < endAddress.size() ? 2 : 1;
        return {SaveResult::Outcome::Refused, endAddress.mid(i, width), 0};
    }
    if (endAddress.isEmpty()) {
        throw ProgramError(QCoreApplication::translate("BinaryFormat", "EndAddressが空白です。"));
    }
    const int64_t last = *hexNumber(endAddress, kMaxBytes - 1);
    if (last >= kMaxBytes) {
        throw ProgramError(QCoreApplication::translate(
                               "BinaryFormat", "EndAddress %1 はデーター領域(0～1FFFF)の外です。")
                               .arg(textHead(endAddress)));
    }
    const auto count = static_cast<int32_t>(last + 1);
    saveAtomically(path, fileBytes(image, count));
    return {SaveResult::Outcome::Written, {}, count};
}

QByteArray fileBytes(const DataImage& image, int32_t count) {
    QByteArray bytes(count, Qt::Uninitialized);
    char* out = bytes.data();
    QLatin1StringView cell;
    for (int32_t k = 0; k < count; ++k) {
        out[k] = static_cast<char>(CellBytes::byteForWriting(image, k, cell));
    }
    return bytes;
}

namespace {

// A character of EndAddress that is not a hexadecimal digit, and what the program does about it.
QString endAddressCharacterMessage(const QString& character, const QString& action) {
    return messageLines(
        {QCoreApplication::translate("BinaryFormat", "EndAddressデーターにエラーがあります。"),
         QCoreApplication::translate("BinaryFormat", "入力された【%1】の文字は不正です。")
             .arg(character),
         QCoreApplication::translate("BinaryFormat",
                                     "16進コード(半角0～9,A,B,C,D,E,F)で入力してください。"),
         action});
}

}  // namespace

QString refusedEndAddressMessage(const QString& character) {
    return endAddressCharacterMessage(
        character, QCoreApplication::translate("BinaryFormat", "保存処理は停止します。"));
}

QString typedEndAddressMessage(const QString& character) {
    return endAddressCharacterMessage(
        character, QCoreApplication::translate("BinaryFormat", "不正入力文字を削除します。"));
}

}  // namespace BinaryFormat
