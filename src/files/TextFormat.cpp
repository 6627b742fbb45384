#include "TextFormat.h"

#include <QCoreApplication>
#include <optional>
#include <utility>

#include "AtomicSave.h"
#include "Cp932.h"
#include "DataImage.h"
#include "HexText.h"
#include "LineFile.h"
#include "MessageText.h"

namespace TextFormat {

namespace {

// One line of 16 cells, read into the image from `address` on; the line's fault, if any. `Text`
// is a view of the line's characters: Latin-1 for an ASCII line (nearly every file), else
// decoded from the code page.
template <typename Text>
std::optional<LoadResult> loadLine(const QString& path, int line, Text text, int32_t address,
                                   DataImage& image) {
    if (text.size() != kLineLength) {
        return LoadResult{LoadResult::Outcome::WrongLineLength,
                          line,
                          0,
                          {},
                          FileFault{path, line, FileFault::Kind::LineLength, {}, text.size()}};
    }
    for (int pair = 0; pair < kLineLength / 2; ++pair, ++address) {
        const Text cell = text.sliced(2 * pair, 2);
        image.set(address, cell);
        if (cellByte(cell) < 0) {
            return LoadResult{LoadResult::Outcome::BadCell, line, address, cell.toString(),
                              FileFault{path, line, FileFault::Kind::BadCell, cell.toString(),
                                        address}};
        }
    }
    return std::nullopt;
}

}  // namespace

LoadResult load(const QString& path, DataImage& image, LineEnds ends) {
    LineReader reader(path, kDataFileLimit, ends);
    for (int line = 1; line <= kLines; ++line) {
        const QByteArrayView bytes = reader.readLineBytes();
        const int32_t address = (line - 1) * (kLineLength / 2);
        const std::optional<LoadResult> fault =
            isAscii(bytes) ? loadLine(path, line, QLatin1StringView(bytes), address, image)
                           : loadLine(path, line, QStringView(decodeCp932(bytes)), address, image);
        if (fault) return *fault;
    }
    return {};
}

QByteArray fileBytes(const DataImage& image) {
    QByteArray text(qsizetype{kLines} * (kLineLength + 2), Qt::Uninitialized);
    char* out = text.data();
    for (int32_t address = 0; address < DataImage::Size; ++address) {
        // A cell never loaded is written as the erased value, so the file always reads back.
        const QLatin1StringView cell = image.view(address);
        for (const char c : cell.isEmpty() ? QLatin1StringView("FF") : cell) *out++ = c;
        if (address % 16 == 15) {
            *out++ = '\r';
            *out++ = '\n';
        }
    }
    text.truncate(out - text.data());  // a one-character cell makes its line short
    return latin1ToCp932(std::move(text));
}

void save(const QString& path, const DataImage& image) { saveAtomically(path, fileBytes(image)); }

QString wrongLineLengthMessage(const QString& fileName, int line) {
    return messageLines(
        {QCoreApplication::translate("TextFormat", "%1 ファイルの1行の文字数が").arg(fileName),
         QCoreApplication::translate("TextFormat", "32文字ではありません。"),
         QCoreApplication::translate("TextFormat", "【行数：%1 】読み取りを停止します。").arg(line),
         QString(), QCoreApplication::translate("TextFormat", "16進コード(半角0～9,A,B,C,D,E,F)で"),
         QCoreApplication::translate("TextFormat", "%1 の該当行が").arg(fileName),
         QCoreApplication::translate("TextFormat", "32文字になるよう修正してください。"),
         QCoreApplication::translate("TextFormat",
                                     "本アプリを終了し、ファイルを直接修正してください。")});
}

QString badCellMessage(const QString& fileName, int32_t address, const QString& cellText) {
    return messageLines(
        {QCoreApplication::translate("TextFormat", "%1 ファイルの文字データーにエラーがあります。")
             .arg(fileName),
         QCoreApplication::translate("TextFormat",
                                     "【行数：%1  列数：%2  値：%3 】読み取りを停止します。")
             .arg(QString::number(address / 16 + 1), QString::number(address % 16 + 1), cellText),
         QString(), QCoreApplication::translate("TextFormat", "16進コード(半角0～9,A,B,C,D,E,F)で"),
         QCoreApplication::translate("TextFormat", "%1 を修正してください。").arg(fileName),
         QCoreApplication::translate("TextFormat",
                                     "本アプリを終了し、ファイルを直接修正してください。")});
}

}  // namespace TextFormat
