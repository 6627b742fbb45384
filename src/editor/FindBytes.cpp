#include "FindBytes.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <vector>

#include "CellMove.h"
#include "DataImage.h"
#include "HexBytes.h"
#include "HexText.h"
#include "MessageText.h"

namespace {

QString findSubject() { return QCoreApplication::translate("FindBytes", "検索データー"); }

FindPattern refused(const QString& text) {
    return {{}, EditMessage{QCoreApplication::translate("FindBytes", "検索エラー"), text}};
}

// One byte more than the device holds is enough to tell that a pattern is too long.
FindPattern hexPattern(QStringView text, int32_t deviceEnd) {
    const HexBytes read = readHexBytes(text, deviceEnd + 1, findSubject());
    if (read.fault) return refused(*read.fault);
    return {read.bytes, std::nullopt};
}

FindPattern textPattern(QStringView text, const CodeTable& codeTable) {
    QHash<QString, int> byteOf;  // the first entry of each text wins, as in the entry box
    for (int i = 255; i >= 0; --i) byteOf.insert(codeTable[static_cast<std::size_t>(i)], i);
    FindPattern pattern;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QStringView character = text.mid(i, length);
        const auto byte = byteOf.constFind(character.toString());
        if (byte == byteOf.cend()) {
            return refused(messageLines(
                {QCoreApplication::translate("FindBytes",
                                             "%1の【%2】(%3)はcode.txtにない文字です。")
                     .arg(findSubject(), characterName(character), characterPosition(text, i)),
                 QCoreApplication::translate("FindBytes",
                                             "code.txtに設定した文字を使って下さい。")}));
        }
        pattern.bytes.append(static_cast<char>(*byte));
        i += length;
    }
    return pattern;
}

}  // namespace

FindPattern readFindPattern(QStringView text, FindKind kind, const CodeTable& codeTable,
                            int32_t deviceCapacity) {
    if (text.isEmpty())
        return refused(
            QCoreApplication::translate("FindBytes", "検索するデーターを入力してください。"));
    const int32_t end = deviceEnd(deviceCapacity);
    FindPattern pattern =
        kind == FindKind::Hex ? hexPattern(text, end) : textPattern(text, codeTable);
    if (!pattern.refusal && pattern.bytes.size() > end) {
        return refused(QCoreApplication::translate(
                           "FindBytes", "検索データーがデバイスの容量(%1 バイト)より長いです。")
                           .arg(end));
    }
    return pattern;
}

std::optional<FindHit> findBytes(const DataImage& image, int32_t deviceCapacity,
                                 QByteArrayView pattern, int32_t from, FindDirection direction) {
    const int32_t end = deviceEnd(deviceCapacity);
    const auto length = static_cast<int32_t>(pattern.size());
    if (length == 0 || length > end) return std::nullopt;
    // Each byte as the digits a cell may hold for it, in either case, so cells are compared as
    // text without reading them as numbers; a cell that holds no byte matches nothing.
    struct Digits {
        char high[2];
        char low[2];
    };
    std::vector<Digits> wanted;
    for (const char byte : pattern) {
        char upper[2];
        writeFixedHex(upper, static_cast<uint8_t>(byte), 2);
        const auto lower = [](char c) { return c >= 'A' ? static_cast<char>(c | 0x20) : c; };
        wanted.push_back({{upper[0], lower(upper[0])}, {upper[1], lower(upper[1])}});
    }
    const auto matchesAt = [&](int32_t start) {
        for (int32_t i = 0; i < length; ++i) {
            const QLatin1StringView cell = image.view(start + i);
            const Digits& d = wanted[static_cast<std::size_t>(i)];
            if (cell.size() != 2 || (cell[0] != d.high[0] && cell[0] != d.high[1]) ||
                (cell[1] != d.low[0] && cell[1] != d.low[1]))
                return false;
        }
        return true;
    };
    const bool forward = direction == FindDirection::Forward;
    // The first match starting in [begin, limit), or the last one going back.
    const auto search = [&](int32_t begin, int32_t limit) -> std::optional<int32_t> {
        limit = std::min(limit, end - length + 1);
        for (int32_t i = 0; i < limit - begin; ++i) {
            const int32_t start = forward ? begin + i : limit - 1 - i;
            if (matchesAt(start)) return start;
        }
        return std::nullopt;
    };
    // One step off either end (a search again from the last or first cell) wraps at once.
    from = std::clamp(from, -1, end);
    if (const auto hit = forward ? search(std::max(from, 0), end) : search(0, from + 1)) {
        return FindHit{*hit, false};
    }
    if (const auto hit = forward ? search(0, from) : search(from + 1, end)) {
        return FindHit{*hit, true};
    }
    return std::nullopt;
}

QString findNotFoundText() {
    return QCoreApplication::translate("FindBytes", "検索データーは見つかりませんでした。");
}

QString findWrappedText(FindDirection direction) {
    return direction == FindDirection::Forward
               ? QCoreApplication::translate(
                     "FindBytes", "デバイスの最後まで検索したので、先頭から検索しました。")
               : QCoreApplication::translate(
                     "FindBytes", "デバイスの先頭まで検索したので、最後から検索しました。");
}
