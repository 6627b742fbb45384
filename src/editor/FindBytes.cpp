#include "FindBytes.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <vector>

#include "CellMove.h"
#include "DataImage.h"
#include "HexBytes.h"
#include "HexText.h"
#include "MessageText.h"

namespace {

const QString kFindTitle = QStringLiteral("検索エラー");
const QString kSubject = QStringLiteral("検索データー");

FindPattern refused(const QString& text) { return {{}, EditMessage{kFindTitle, text}}; }

// One byte more than the device holds is enough to tell that a pattern is too long.
FindPattern hexPattern(QStringView text, int32_t deviceEnd) {
    const HexBytes read = readHexBytes(text, deviceEnd + 1, kSubject);
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
            return refused(
                messageLines({kSubject + QStringLiteral("の【") + characterName(character) +
                                  QStringLiteral("】(") + characterPosition(text, i) +
                                  QStringLiteral(")はcode.txtにない文字です。"),
                              QStringLiteral("code.txtに設定した文字を使って下さい。")}));
        }
        pattern.bytes.append(static_cast<char>(*byte));
        i += length;
    }
    return pattern;
}

}  // namespace

FindPattern readFindPattern(QStringView text, FindKind kind, const CodeTable& codeTable,
                            int32_t deviceCapacity) {
    if (text.isEmpty()) return refused(QStringLiteral("検索するデーターを入力してください。"));
    const int32_t end = deviceEnd(deviceCapacity);
    FindPattern pattern =
        kind == FindKind::Hex ? hexPattern(text, end) : textPattern(text, codeTable);
    if (!pattern.refusal && pattern.bytes.size() > end) {
        return refused(
            QStringLiteral("検索データーがデバイスの容量(%1 バイト)より長いです。").arg(end));
    }
    return pattern;
}

std::optional<FindHit> findBytes(const DataImage& image, int32_t deviceCapacity,
                                 QByteArrayView pattern, int32_t from, FindDirection direction) {
    const int32_t end = deviceEnd(deviceCapacity);
    const auto length = static_cast<int32_t>(pattern.size());
    if (length == 0 || length > end) return std::nullopt;
    // One step off either end (a search again from the last or first cell) wraps at once.
    from = std::clamp(from, -1, end);
    // The cells as byte values once, -1 where a cell holds none, so the search runs on numbers.
    std::vector<int16_t> cells(static_cast<std::size_t>(end));
    for (int32_t a = 0; a < end; ++a) cells[static_cast<std::size_t>(a)] = cellByte(image.view(a));
    std::vector<int16_t> wanted(pattern.begin(), pattern.end());
    for (int16_t& byte : wanted) byte = static_cast<uint8_t>(byte);

    const auto at = [&](int32_t a) { return cells.begin() + a; };
    // The first match starting in [begin, beginLimit), or the last one, going back.
    const auto search = [&](int32_t begin, int32_t beginLimit) -> std::optional<int32_t> {
        const int32_t stop = std::min(end, beginLimit + length - 1);
        if (begin >= beginLimit || stop - begin < length) return std::nullopt;
        const auto found =
            direction == FindDirection::Forward
                ? std::search(at(begin), at(stop),
                              std::boyer_moore_horspool_searcher(wanted.begin(), wanted.end()))
                : std::find_end(at(begin), at(stop), wanted.begin(), wanted.end());
        if (found == at(stop)) return std::nullopt;
        return static_cast<int32_t>(found - cells.begin());
    };
    const bool forward = direction == FindDirection::Forward;
    if (const auto hit = forward ? search(std::max(from, 0), end) : search(0, from + 1)) {
        return FindHit{*hit, false};
    }
    if (const auto hit = forward ? search(0, from) : search(from + 1, end)) {
        return FindHit{*hit, true};
    }
    return std::nullopt;
}

QString findNotFoundText() { return QStringLiteral("検索データーは見つかりませんでした。"); }

QString findWrappedText(FindDirection direction) {
    return direction == FindDirection::Forward
               ? QStringLiteral("デバイスの最後まで検索したので、先頭から検索しました。")
               : QStringLiteral("デバイスの先頭まで検索したので、最後から検索しました。");
}
