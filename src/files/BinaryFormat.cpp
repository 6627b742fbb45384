#include "BinaryFormat.h"

#include <QByteArray>
#include <QFile>
#include <array>

#include "AtomicSave.h"
#include "CellBytes.h"
#include "DataImage.h"
#include "LineFile.h"
#include "MessageText.h"
#include "ProgramError.h"

namespace BinaryFormat {

namespace {

// The 256 cell texts, built once, so a load stores views instead of making strings.
const std::array<std::array<char16_t, 2>, 256>& byteTexts() {
    static const auto texts = [] {
        static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
        std::array<std::array<char16_t, 2>, 256> result{};
        for (int value = 0; value < 256; ++value) {
            result[value] = {kDigits[value >> 4], kDigits[value & 0xF]};
        }
        return result;
    }();
    return texts;
}

}  // namespace

int32_t load(const QString& path, DataImage& image) {
    requireRegularFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ProgramError::cannotOpen(path, file.errorString());
    image.fill(u"00");  // only once the file is open: a failed open leaves the image as it was
    const QByteArray bytes = file.read(kMaxBytes);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        throw ProgramError::cannotOpen(path, file.errorString());
    }
    const auto& texts = byteTexts();
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const auto& text = texts[static_cast<uint8_t>(bytes[k])];
        image.set(static_cast<int>(k), QStringView(text.data(), 2));
    }
    return static_cast<int32_t>(bytes.size());
}

QString endAddressText(int32_t byteCount) {
    return byteCount > 0 ? CellBytes::upperHex(byteCount - 1) : QString();
}

QString countLine(int32_t byteCount) {
    return byteCount > 0 ? QStringLiteral("Count:0x") + endAddressText(byteCount) : QString();
}

SaveResult save(const QString& path, const DataImage& image, const QString& endAddress) {
    for (qsizetype i = 0; i < endAddress.size(); ++i) {
        if (CellBytes::hexDigit(endAddress[i]) >= 0) continue;
        const qsizetype width =
            endAddress[i].isHighSurrogate() && i + 1 < endAddress.size() ? 2 : 1;
        return {SaveResult::Outcome::Refused, endAddress.mid(i, width), 0};
    }
    if (endAddress.isEmpty()) throw ProgramError(QStringLiteral("EndAddressが空白です。"));
    int64_t last = 0;
    for (QChar c : endAddress) {
        last = last * 16 + CellBytes::hexDigit(c);
        if (last >= kMaxBytes) {
            throw ProgramError(QStringLiteral("EndAddress %1 はデーター領域(0～1FFFF)の外です。")
                                   .arg(textHead(endAddress)));
        }
    }

    const auto count = static_cast<int32_t>(last + 1);
    QByteArray bytes(count, '\0');
    QLatin1String cell;
    for (int32_t k = 0; k < count; ++k) {
        bytes[k] = static_cast<char>(CellBytes::byteForWriting(image, k, cell));
    }
    saveAtomically(path, bytes);
    return {SaveResult::Outcome::Written, {}, count};
}

QString refusedEndAddressMessage(const QString& character) {
    return messageLines(
        {QStringLiteral("EndAddressデーターにエラーがあります。"),
         QStringLiteral("入力された【") + character + QStringLiteral("】の文字は不正です。"),
         QStringLiteral("16進コード(半角0～9,A,B,C,D,E,F)で入力してください。"),
         QStringLiteral("保存処理は停止します。")});
}

}  // namespace BinaryFormat
