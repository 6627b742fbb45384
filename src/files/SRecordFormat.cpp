#include "SRecordFormat.h"

#include <QCoreApplication>
#include <QStringList>

#include "CellBytes.h"
#include "DataImage.h"
#include "HexText.h"
#include "LineFile.h"
#include "ProgramError.h"

namespace SRecordFormat {

namespace {

constexpr qsizetype kCountStart = 2;  // 'S', the type digit
constexpr qsizetype kBytesStart = 4;  // then the count byte; the bytes it counts follow
constexpr int32_t kLastImageAddress = DataImage::Size - 1;

// How many address bytes a record type carries; 0 for the reserved S4 and anything else.
int addressBytes(int type) {
    switch (type) {
        case 0:
        case 1:
        case 5:
        case 9:
            return 2;
        case 2:
        case 6:
        case 8:
            return 3;
        case 3:
        case 7:
            return 4;
        default:
            return 0;
    }
}

using Kind = FileFault::Kind;

// Why a record is refused; reading stops at it.
[[noreturn]] void refuse(Kind kind, int64_t value = 0, int64_t expected = 0, QString text = {}) {
    throw FileFault{{}, 0, kind, std::move(text), value, expected};
}

// The record's bytes after the count byte, each checked to be two hexadecimal digits.
std::vector<uint8_t> countedBytes(QStringView line, int count) {
    const qsizetype digits = line.size() - kBytesStart;
    if (digits != 2 * qsizetype{count}) refuse(Kind::LengthMismatch, digits, count);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const qsizetype pos = kBytesStart + 2 * qsizetype{k};
        const int value = hexPairValue(line[pos].unicode(), line[pos + 1].unicode());
        if (value < 0) refuse(Kind::NotHexadecimal, pos + 1, 0, line.sliced(pos, 2).toString());
        bytes[static_cast<std::size_t>(k)] = static_cast<uint8_t>(value);
    }
    return bytes;
}

// What one load carries from one record to the next.
struct ReadState {
    int32_t dataRecords = 0;
    bool closed = false;
};

void readRecord(QStringView line, ReadState& state, DataImage& image) {
    const int type = line.size() >= kBytesStart && line[0].toUpper() == u'S'
                         ? hexDigitValue(line[1].unicode())
                         : -1;
    if (type < 0 || type > 9) refuse(Kind::NotSRecord);
    const int width = addressBytes(type);
    if (width == 0) refuse(Kind::NoSuchRecordType, type);
    const int count = hexPairValue(line[kCountStart].unicode(), line[kCountStart + 1].unicode());
    if (count < 0) refuse(Kind::CountNotHexadecimal);
    if (count < width + 1) refuse(Kind::CountTooSmall, count, width);
    const std::vector<uint8_t> bytes = countedBytes(line, count);
    int sum = count;
    for (int k = 0; k + 1 < count; ++k) sum += bytes[static_cast<std::size_t>(k)];
    const int computed = 0xFF - (sum & 0xFF);
    if (computed != bytes.back()) refuse(Kind::SRecordChecksum, bytes.back(), computed);
    int64_t address = 0;
    for (int k = 0; k < width; ++k) address = address << 8 | bytes[static_cast<std::size_t>(k)];

    if (type >= 1 && type <= 3) {
        const int length = count - width - 1;
        if (address + length - 1 > kLastImageAddress) refuse(Kind::SRecordBeyondImage, address);
        // Stored as read, like the digits of a HEX file.
        for (int k = 0; k < length; ++k) {
            image.set(static_cast<int>(address) + k,
                      line.sliced(kBytesStart + 2 * qsizetype{width + k}, 2));
        }
        ++state.dataRecords;
        state.closed = false;
    } else if (type >= 5) {
        // The count record is there to tell a lost line; trust it.
        if (type <= 6 && address != state.dataRecords) {
            refuse(Kind::RecordCount, address, state.dataRecords);
        }
        state.closed = true;
    }
}

}  // namespace

int smallestRecordType(int32_t lastAddress) {
    if (lastAddress <= lastAddressOf(1)) return 1;
    return lastAddress <= lastAddressOf(2) ? 2 : 3;
}

int32_t lastAddressOf(int recordType) {
    return recordType == 1 ? 0xFFFF : recordType == 2 ? 0xFFFFFF : INT32_MAX;
}

bool isSRecordName(const QString& fileName) {
    return recordTypeNamed(fileName) || fileName.endsWith(u".srec", Qt::CaseInsensitive) ||
           fileName.endsWith(u".mot", Qt::CaseInsensitive);
}

std::optional<int> recordTypeNamed(const QString& fileName) {
    // The digits name the type and the address bits with the checksum: S1 16 + 3, S2 24 + 4 ...
    constexpr std::pair<const char16_t*, int> kNames[] = {{u".s19", 1}, {u".s28", 2}, {u".s37", 3}};
    for (const auto& [extension, type] : kNames) {
        if (fileName.endsWith(extension, Qt::CaseInsensitive)) return type;
    }
    return std::nullopt;
}

LoadResult load(const QString& path, DataImage& image) {
    LineReader reader(path, kDataFileLimit, LineEnds::AlsoLf);
    image.fill(u"FF");  // only once the file is open
    ReadState state;
    LoadResult result;
    for (int line = 1; !reader.atEnd(); ++line) {
        const QString text = reader.readLine();
        const QStringView record = QStringView(text).trimmed();
        if (record.isEmpty()) continue;
        try {
            readRecord(record, state, image);
        } catch (FileFault& fault) {
            fault.file = path;
            fault.line = line;
            result.faultyLine = line;
            result.fault = faultReason(fault);
            result.fileFault = std::move(fault);
            break;
        }
    }
    result.closed = state.closed;
    return result;
}

QByteArray fileBytes(const DataImage& image, int recordType) {
    const int32_t lastAddress = lastAddressOf(recordType);
    constexpr qsizetype kHeader = 12;  // the header and its CR LF
    const qsizetype longestLine = 4 + 2 * (4 + CellBytes::kGroup + 1) + 2;  // S3, CR LF
    QByteArray bytes(kHeader + (DataImage::Size / CellBytes::kGroup + 2) * longestLine,
                     Qt::Uninitialized);
    char* out = bytes.data();
    // A record of `length` bytes after its address; `put` writes them and returns their sum.
    const auto record = [&](int type, int64_t address, int length, const auto& put) {
        const int addressWidth = addressBytes(type);
        const int count = addressWidth + length + 1;
        *out++ = 'S';
        *out++ = static_cast<char>('0' + type);
        out = writeFixedHex(out, static_cast<uint32_t>(count), 2);
        int sum = count;
        for (int k = addressWidth - 1; k >= 0; --k) {
            const auto byte = static_cast<uint8_t>(address >> (8 * k));
            out = writeFixedHex(out, byte, 2);
            sum += byte;
        }
        sum += put();
        out = writeFixedHex(out, static_cast<uint32_t>(0xFF - (sum & 0xFF)), 2);
        *out++ = '\r';
        *out++ = '\n';
    };
    const auto nothing = [] { return 0; };

    record(0, 0, 0, nothing);
    int dataRecords = 0;
    CellBytes::forEachDataSpan(
        image, [&](int base, int first, int last, const CellBytes::GroupCells& cells,
                   const CellBytes::GroupBytes& values) {
            if (base + last > lastAddress) {
                throw ProgramError(QCoreApplication::translate(
                                       "SRecordFormat", "address 0x%1 does not fit an S%2 record")
                                       .arg(upperHex(base + last), QString::number(recordType)));
            }
            record(recordType, base + first, last - first + 1, [&] {
                int sum = 0;
                for (int i = first; i <= last; ++i) {
                    // Cells are written as they stand; a never-loaded one inside the span has no
                    // text.
                    const QLatin1StringView cell =
                        cells[i].isEmpty() ? QLatin1StringView("FF") : cells[i];
                    *out++ = cell.data()[0];
                    *out++ = cell.data()[1];
                    sum += values[i];
                }
                return sum;
            });
            ++dataRecords;
        });
    // The image holds at most 8192 groups, so the 16-bit count always holds them.
    record(5, dataRecords, 0, nothing);
    record(10 - recordType, 0, 0, nothing);
    bytes.truncate(out - bytes.data());
    return bytes;
}

}  // namespace SRecordFormat
