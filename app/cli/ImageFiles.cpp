#include "ImageFiles.h"

#include <algorithm>

#include "AtomicSave.h"
#include "BinaryFormat.h"
#include "CliFailure.h"
#include "Console.h"
#include "DataImage.h"
#include "FileTypeRule.h"
#include "HexText.h"
#include "ProgramError.h"
#include "SRecordFormat.h"
#include "TextFormat.h"

namespace {

[[noreturn]] void fileFailure(const QString& message) { throw CliFailure{ExitCode::File, message}; }

ImageOrigin loadText(const QString& path, DataImage& image) {
    const TextFormat::LoadResult result = TextFormat::load(path, image, LineEnds::AlsoLf);
    using Outcome = TextFormat::LoadResult::Outcome;
    if (result.outcome == Outcome::WrongLineLength) {
        fileFailure(TextFormat::wrongLineLengthMessage(path, result.line));
    }
    if (result.outcome == Outcome::BadCell) {
        fileFailure(TextFormat::badCellMessage(path, result.address, result.cellText));
    }
    return {};
}

ImageOrigin loadHex(const QString& path, DataImage& image) {
    ImageOrigin origin;
    HexFormat::ReadState read;
    const HexFormat::LoadResult result =
        HexFormat::load(path, image, origin.comments, read, LineEnds::AlsoLf);
    using Outcome = HexFormat::LoadResult::Outcome;
    if (result.outcome == Outcome::BadCell) {
        fileFailure(TextFormat::badCellMessage(path, result.address, result.cellText) +
                    QStringLiteral("\n") +
                    HexFormat::recordErrorMessage(path, QString(), result.line));
    }
    if (result.outcome == Outcome::RecordError) {
        fileFailure(HexFormat::recordErrorMessage(path, result.errorText, result.line));
    }
    if (!read.endRecordSeen) printMessage(HexFormat::missingEndRecordMessage(path));
    if (read.recordType) origin.recordType = *read.recordType;
    return origin;
}

ImageOrigin loadSRecords(const QString& path, DataImage& image) {
    const SRecordFormat::LoadResult result = SRecordFormat::load(path, image);
    if (result.faultyLine > 0) {
        fileFailure(
            QStringLiteral("%1: line %2: %3").arg(path).arg(result.faultyLine).arg(result.fault));
    }
    if (!result.closed) {
        printMessage(path + QStringLiteral(": no count or end record after the last data record; "
                                           "the file may be cut short"));
    }
    return {};
}

// The file's bytes, as the window's writers make them.
QByteArray fileBytes(FileFormat format, const DataImage& image, const ImageOrigin& origin,
                     int32_t binaryBytes) {
    switch (format) {
        case FileFormat::Text:
            return TextFormat::fileBytes(image);
        case FileFormat::Hex:
            return HexFormat::fileBytes(image, origin.comments, origin.recordType);
        case FileFormat::SRecord:
            return SRecordFormat::fileBytes(image, origin.srecType);
        case FileFormat::Binary:
            break;
    }
    return BinaryFormat::fileBytes(image, binaryBytes);
}

}  // namespace

FileFormat formatOf(const QString& path, std::optional<FileFormat> chosen) {
    if (chosen) return *chosen;
    if (SRecordFormat::isSRecordName(path)) return FileFormat::SRecord;
    return static_cast<FileFormat>(fileTypeIndexForName(path));
}

int srecTypeFor(std::optional<int> asked, FileFormat format, int32_t end) {
    const int32_t last = std::max(end, 1) - 1;
    if (!asked) return SRecordFormat::smallestRecordType(last);
    if (format != FileFormat::SRecord) {
        throw CliFailure{ExitCode::Usage, QStringLiteral("--srec-type is for S-record files")};
    }
    if (last > SRecordFormat::lastAddressOf(*asked)) {
        throw CliFailure{ExitCode::Usage,
                         QStringLiteral("--srec-type %1 holds addresses up to 0x%2, not 0x%3")
                             .arg(*asked)
                             .arg(upperHex(SRecordFormat::lastAddressOf(*asked)), upperHex(last))};
    }
    return *asked;
}

ImageOrigin loadImage(const QString& path, FileFormat format, DataImage& image) {
    try {
        switch (format) {
            case FileFormat::Text:
                return loadText(path, image);
            case FileFormat::Hex:
                return loadHex(path, image);
            case FileFormat::SRecord:
                return loadSRecords(path, image);
            case FileFormat::Binary:
                break;
        }
        ImageOrigin origin;
        origin.binaryBytes = BinaryFormat::load(path, image);
        // Past the end of a binary file, as past the records of a HEX file, the chip is erased:
        // a short file converts to HEX and writes to a device without a tail of zeros.
        for (int32_t a = *origin.binaryBytes; a < DataImage::Size; ++a) image.set(a, u"FF");
        return origin;
    } catch (const ProgramError& error) {
        fileFailure(error.description());
    }
}

void saveImage(const QString& path, FileFormat format, const DataImage& image,
               const ImageOrigin& origin, int32_t binaryBytes, SaveSync sync) {
    try {
        const QByteArray bytes = fileBytes(format, image, origin, binaryBytes);
        if (path == QStringLiteral("-")) {
            printData(bytes);
        } else {
            saveAtomically(path, bytes, sync);
        }
    } catch (const ProgramError& error) {
        fileFailure(error.description());
    }
}

void checkOutputName(const QString& path) {
    if (path == QStringLiteral("-")) return;
    try {
        checkFileName(path);
    } catch (const ProgramError& error) {
        fileFailure(error.description());
    }
}

int32_t extentOf(const DataImage& image) {
    for (int32_t address = DataImage::Size - 1; address >= 0; --address) {
        // An empty cell was never loaded and is written as FF.
        const QLatin1String cell = image.view(address);
        if (!cell.isEmpty() && cell.compare(QLatin1String("FF"), Qt::CaseInsensitive) != 0) {
            return address + 1;
        }
    }
    return 0;
}
