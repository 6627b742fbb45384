#include "FileFault.h"

#include <QCoreApplication>
#include <algorithm>

#include "DataImage.h"
#include "HexText.h"

namespace {

QString number(int64_t value) { return QString::number(value); }

}  // namespace

QString faultReason(const FileFault& fault) {
    using Kind = FileFault::Kind;
    switch (fault.kind) {
        case Kind::LineLength:
            return QCoreApplication::translate("FileFault",
                                               "1行の文字数が32文字ではありません(%1文字)。")
                .arg(fault.value);
        case Kind::BadCell:
            return QCoreApplication::translate("FileFault",
                                               "アドレス 0x%1 の【%2】は16進数2桁ではありません。")
                .arg(fixedHex(static_cast<uint32_t>(fault.value), 5), fault.text);
        case Kind::TooManyComments:
            return QCoreApplication::translate(
                "FileFault", "コメント(不正)行オーバー。(ファイル間違い?):1024以内です。");
        case Kind::EvenLength:
            return QCoreApplication::translate("FileFault",
                                               "文字数エラー:文字数=%1(奇数でなければいけません)")
                .arg(fault.value);
        case Kind::BadEndRecord:
            return QCoreApplication::translate(
                "FileFault", "エンドレコードエラー:エンドレコードに間違いがあります。");
        case Kind::CountMismatch:
            return QCoreApplication::translate(
                       "FileFault", "データー数不正。計算値:%1 と実データー数が合いません。")
                .arg(fault.value);
        case Kind::HexChecksum:
            return QCoreApplication::translate("FileFault",
                                               "サムチェックエラー。計算値：0x%1 と合いません。")
                .arg(upperHex(fault.value));
        case Kind::NoData:
            return QCoreApplication::translate("FileFault", "データー数：0 は不正です。");
        case Kind::UnknownRecordType:
            return QCoreApplication::translate("FileFault", "レコードタイプ %1 は扱えません。")
                .arg(hexByte(static_cast<uint8_t>(fault.value)));
        case Kind::UnreadableField:
            return ProgramError::typeMismatch(fault.text).description();
        case Kind::HexBeyondImage:
            return QCoreApplication::translate("FileFault",
                                               "アドレス 0x%1 はデーター領域(0～0x1FFFF)の外です。")
                .arg(upperHex(fault.value));
        case Kind::OffsetOverflow:
            return ProgramError::overflow(
                       QCoreApplication::translate("FileFault", "アドレスオフセット 0x%1")
                           .arg(upperHex(fault.value)))
                .description();
        case Kind::MissingEndRecord:
            return QCoreApplication::translate(
                "FileFault", "データーは読み取りましたが、エンドレコードがありません。");
        case Kind::NotSRecord:
            return QCoreApplication::translate("FileFault", "not an S-record");
        case Kind::NoSuchRecordType:
            return QCoreApplication::translate("FileFault", "S%1 is no record type")
                .arg(fault.value);
        case Kind::CountNotHexadecimal:
            return QCoreApplication::translate("FileFault", "the count byte is not hexadecimal");
        case Kind::CountTooSmall:
            return QCoreApplication::translate(
                       "FileFault",
                       "record length: a count of %1 leaves no room for the %2 address bytes and "
                       "the checksum")
                .arg(number(fault.value), number(fault.expected));
        case Kind::LengthMismatch:
            return QCoreApplication::translate(
                       "FileFault",
                       "record length: the count byte says %1 bytes follow, the line holds %2 "
                       "hexadecimal digits after it, not %3")
                .arg(number(fault.expected), number(fault.value), number(2 * fault.expected));
        case Kind::NotHexadecimal:
            return QCoreApplication::translate("FileFault",
                                               "\"%1\" at column %2 is not hexadecimal")
                .arg(fault.text, number(fault.value));
        case Kind::SRecordChecksum:
            return QCoreApplication::translate("FileFault",
                                               "checksum %1, the record's bytes give %2")
                .arg(hexByte(static_cast<uint8_t>(fault.value)),
                     hexByte(static_cast<uint8_t>(fault.expected)));
        case Kind::SRecordBeyondImage: {
            constexpr int64_t kLast = DataImage::Size - 1;
            return QCoreApplication::translate("FileFault",
                                               "address 0x%1 is beyond the image (0 to 0x%2)")
                .arg(upperHex(std::max(fault.value, kLast + 1)), upperHex(kLast));
        }
        case Kind::RecordCount:
            return QCoreApplication::translate(
                       "FileFault", "the count record says %1 data records, %2 came before it")
                .arg(number(fault.value), number(fault.expected));
        case Kind::NotClosed:
            return QCoreApplication::translate(
                "FileFault",
                "no count or end record after the last data record; the file may be cut "
                "short");
    }
    return {};
}
