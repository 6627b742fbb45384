#include "HexFormat.h"

#include <QCoreApplication>
#include <limits>

#include "AtomicSave.h"
#include "CellBytes.h"
#include "DataImage.h"
#include "HexText.h"
#include "LineFile.h"
#include "MessageText.h"

namespace HexFormat {

namespace {

constexpr qsizetype kDataStart = 9;  // ':' + count + address + type

using Kind = FileFault::Kind;

[[noreturn]] void stop(Kind kind, const QString& text, int64_t value = 0) {
    throw FileFaultError({{}, 0, kind, text, value});
}

// The window's record error box quotes the reason; an unknown type leaves it as it was.
LineResult rejected(ReadState& state, Kind kind, int64_t value = 0) {
    const FileFault fault{{}, 0, kind, {}, value};
    if (kind != Kind::UnknownRecordType) state.errorText = faultReason(fault);
    return {LineResult::Outcome::Rejected, 0, {}, fault};
}

// A fixed header field. A line too short to hold it is as unreadable as one with a stray
// character, so both stop the load the same way.
int headerField(QStringView line, qsizetype pos, qsizetype length) {
    const QStringView text = line.mid(pos, length);
    int value = 0;
    for (qsizetype i = 0; i < length; i += 2) {
        const int byte =
            i + 1 < text.size() ? hexPairValue(text[i].unicode(), text[i + 1].unicode()) : -1;
        if (byte < 0) stop(Kind::UnreadableField, text.toString());
        value = value << 8 | byte;
    }
    return value;
}

// The data field of an 02/04 record as one number, times the record's scale, as an offset.
int32_t offsetFromData(QStringView data, int64_t scale) {
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    // The digits were checked with the checksum, so only an empty field has no value.
    const std::optional<int64_t> value = hexNumber(data, kMax / scale);
    if (!value) stop(Kind::UnreadableField, QString());
    if (*value * scale > kMax) stop(Kind::OffsetOverflow, {}, *value * scale);
    return static_cast<int32_t>(*value * scale);
}

void storeData(QStringView line, int count, int64_t start, DataImage& image, LineResult& result) {
    int64_t p = start;
    for (int j = 0; j < count; ++j, ++p) {
        if (p > kLastAddress) stop(Kind::HexBeyondImage, {}, p);
        const QStringView cell = line.sliced(kDataStart + 2 * j, 2);
        const auto address = static_cast<int32_t>(p);
        // Stored as read, then checked, so the faulty cell shows in the image too.
        image.set(address, cell);
        if (cellByte(cell) < 0) {
            result = {LineResult::Outcome::BadCell, address, cell.toString(),
                      FileFault{{}, 0, Kind::BadCell, cell.toString(), address}};
            return;
        }
    }
}

}  // namespace

LineResult readLine(QStringView line, ReadState& state, DataImage& image, HexComments& comments) {
    if (line.isEmpty() || line[0] != u':') {
        // A flood of non-record lines means this is not a HEX file at all.
        if (comments.before.size() + comments.after.size() >= kCommentLimit) {
            return rejected(state, Kind::TooManyComments);
        }
        (state.addressOffset != 0 ? comments.after : comments.before).append(line.toString());
        return {};
    }

    const qsizetype length = line.size();
    if (length % 2 == 0) return rejected(state, Kind::EvenLength, length);
    const int count = headerField(line, 1, 2);
    const int address = headerField(line, 3, 4);
    const int type = headerField(line, 7, 2);
    const int checksum = headerField(line, length - 2, 2);

    if (type == 0x01) {
        if (count == 0 && address == 0 && checksum == 0xFF) {
            state.endRecordSeen = true;
            return {};
        }
        return rejected(state, Kind::BadEndRecord);
    }

    if ((length - 11) / 2 != count) return rejected(state, Kind::CountMismatch, count);

    // Summed in an int: a long record of large bytes passes 32767 and is still a good record.
    int sum = count + (address >> 8) + (address & 0xFF) + type;
    qsizetype badPair = -1;
    for (int j = 0; j < count; ++j) {
        const qsizetype pos = kDataStart + 2 * j;
        const int value = hexPairValue(line[pos].unicode(), line[pos + 1].unicode());
        if (value >= 0) {
            sum += value;
        } else if (badPair < 0) {
            badPair = pos;
        }
    }
    if (badPair < 0) {
        const int computed = (256 - sum % 256) % 256;
        if (computed != checksum) return rejected(state, Kind::HexChecksum, computed);
    } else if (type != 0x00) {
        // A stray character leaves no checksum to compare. A data record then names the faulty
        // cell when it is stored; any other record just has an unreadable field.
        stop(Kind::UnreadableField, line.sliced(badPair, 2).toString());
    }

    const QStringView data = line.sliced(kDataStart, 2 * count);
    LineResult result;
    switch (type) {
        case 0x00:
            if (count == 0) return rejected(state, Kind::NoData);
            storeData(line, count, int64_t{state.addressOffset} + address, image, result);
            return result;
        case 0x02:
            state.addressOffset = offsetFromData(data, 16);
            state.recordType = HexRecordType::Int20bit;
            return result;
        case 0x04:
            state.addressOffset = offsetFromData(data, 0x10000);
            state.recordType = HexRecordType::Int32bit;
            return result;
        case 0x03:
        case 0x05:
            // Start addresses mean nothing to an EEPROM; kept so that a save writes them back.
            comments.before.append(line.toString());
            return result;
        default:
            return rejected(state, Kind::UnknownRecordType, type);
    }
}

LoadResult load(const QString& path, DataImage& image, HexComments& comments, ReadState& state,
                LineEnds ends) {
    LineReader reader(path, kDataFileLimit, ends);
    // Only an opened file changes anything. Bytes no record covers read as erased.
    image.fill(u"FF");
    comments = {};
    state = {};
    LoadResult result;
    for (int line = 1; !reader.atEnd(); ++line) {
        LineResult read;
        try {
            read = readLine(reader.readLine(), state, image, comments);
        } catch (FileFaultError& error) {
            error.locate(path, line);
            throw;
        }
        if (read.outcome == LineResult::Outcome::Accepted) continue;
        result.line = line;
        result.fileFault = read.fileFault;
        result.fileFault->file = path;
        result.fileFault->line = line;
        if (read.outcome == LineResult::Outcome::BadCell) {
            result.outcome = LoadResult::Outcome::BadCell;
            result.address = read.address;
            result.cellText = read.cellText;
        } else {
            result.outcome = LoadResult::Outcome::RecordError;
            result.errorText = state.errorText;
        }
        break;
    }
    return result;
}

void save(const QString& path, const DataImage& image, const HexComments& comments,
          HexRecordType recordType) {
    saveAtomically(path, fileBytes(image, comments, recordType));
}

QByteArray fileBytes(const DataImage& image, const HexComments& comments,
                     HexRecordType recordType) {
    constexpr int kLongestLine = 11 + 2 * CellBytes::kGroup + 2;  // a full record with its CR LF
    // Records first: a cell that is not hexadecimal is reported before a comment the code page
    // cannot hold, whatever the order in the file.
    QByteArray records(qsizetype{DataImage::Size / CellBytes::kGroup + 2} * kLongestLine,
                       Qt::Uninitialized);
    char* out = records.data();
    const auto endLine = [&out] {
        *out++ = '\r';
        *out++ = '\n';
    };
    const auto write = [&out](QLatin1StringView text) {
        for (const char c : text) *out++ = c;
    };
    bool extendedWritten = false;
    CellBytes::forEachDataSpan(
        image, [&](int base, int first, int last, const CellBytes::GroupCells& cells,
                   const CellBytes::GroupBytes& values) {
            if (base >= 0x10000 && !extendedWritten) {
                extendedWritten = true;
                write(recordType == HexRecordType::Int20bit ? QLatin1StringView(":020000021000EC")
                                                            : QLatin1StringView(":020000040001F9"));
                endLine();
            }
            const int count = last - first + 1;
            const int address = (base + first) % 0x10000;
            int sum = count + (address >> 8) + (address & 0xFF);
            *out++ = ':';
            out = writeFixedHex(out, count, 2);
            out = writeFixedHex(out, address, 4);
            out = writeFixedHex(out, 0x00, 2);
            for (int i = first; i <= last; ++i) {
                // Cells are written as they stand; a never-loaded one inside the span has no text.
                write(cells[i].isEmpty() ? QLatin1StringView("FF") : cells[i]);
                sum += values[i];
            }
            out = writeFixedHex(out, (256 - sum % 256) % 256, 2);
            endLine();
        });
    write(QLatin1StringView(":00000001FF"));
    endLine();
    records.truncate(out - records.data());
    return encodeLines(comments.before) + records + encodeLines(comments.after);
}

QString recordErrorMessage(const QString& fileName, const QString& errorText, int line) {
    return messageLines(
        {fileName, errorText,
         QCoreApplication::translate("HexFormat", "【行数：%1 】読み取りを停止します。").arg(line),
         QString(), QCoreApplication::translate("HexFormat", "16進コード(半角0～9,A,B,C,D,E,F)で"),
         QCoreApplication::translate("HexFormat", "%1 の該当行が").arg(fileName),
         QCoreApplication::translate("HexFormat", "適正になるよう修正してください。"),
         QCoreApplication::translate("HexFormat",
                                     "本アプリを終了し、ファイルを直接修正してください。")});
}

QString missingEndRecordMessage(const QString& fileName) {
    return messageLines(
        {fileName, QCoreApplication::translate("HexFormat", "データーの読み取りは終了しましたが"),
         QCoreApplication::translate("HexFormat", "エンドレコード検出されませんでした。"),
         QCoreApplication::translate("HexFormat", "データーの整合性をチェックしてください。"),
         QString()});
}

}  // namespace HexFormat
