#include "ImageFiles.h"

#include <QCoreApplication>
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

// One line: the file, the line when the fault has one, and what is wrong; no advice.
QString faultLine(const FileFault& fault) {
    if (fault.line == 0) return QStringLiteral("%1: %2").arg(fault.file, faultReason(fault));
    return QCoreApplication::translate("ImageFiles", "%1: %2 行目: %3")
        .arg(fault.file, QString::number(fault.line), faultReason(fault));
}

void failOn(const std::optional<FileFault>& fault) {
    if (fault) fileFailure(faultLine(*fault));
}

void warnUnless(bool sound, const QString& path, FileFault::Kind kind) {
    if (!sound) printMessage(faultLine({path, 0, kind, {}, 0, 0}));
}

ImageOrigin loadText(const QString& path, DataImage& image) {
    failOn(TextFormat::load(path, image, LineEnds::AlsoLf).fileFault);
    return {};
}

ImageOrigin loadHex(const QString& path, DataImage& image) {
    ImageOrigin origin;
    HexFormat::ReadState read;
    failOn(HexFormat::load(path, image, origin.comments, read, LineEnds::AlsoLf).fileFault);
    warnUnless(read.endRecordSeen, path, FileFault::Kind::MissingEndRecord);
    if (read.recordType) origin.recordType = *read.recordType;
    return origin;
}

ImageOrigin loadSRecords(const QString& path, DataImage& image) {
    const SRecordFormat::LoadResult result = SRecordFormat::load(path, image);
    failOn(result.fileFault);
    warnUnless(result.closed, path, FileFault::Kind::NotClosed);
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

int srecTypeFor(const QString& path, std::optional<int> asked, FileFormat format, int32_t end) {
    const int32_t last = std::max(end, 1) - 1;
    if (asked && format != FileFormat::SRecord) {
        throw CliFailure{ExitCode::Usage, QStringLiteral("--srec-type is for S-record files")};
    }
    const std::optional<int> named =
        format == FileFormat::SRecord ? SRecordFormat::recordTypeNamed(path) : std::nullopt;
    const std::optional<int> chosen = asked ? asked : named;
    if (!chosen) return SRecordFormat::smallestRecordType(last);
    if (last > SRecordFormat::lastAddressOf(*chosen)) {
        // A name is a choice as --srec-type is, and refused the same way, before a board is
        // read for nothing.
        const QString chooser = asked ? QStringLiteral("--srec-type %1 holds").arg(*asked)
                                      : QStringLiteral("%1 names S%2 records, which hold")
                                            .arg(path, QString::number(*named));
        throw CliFailure{
            ExitCode::Usage,
            QStringLiteral("%1 addresses up to 0x%2, not 0x%3")
                .arg(chooser, upperHex(SRecordFormat::lastAddressOf(*chosen)), upperHex(last))};
    }
    return *chosen;
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
    } catch (const FileFaultError& error) {
        fileFailure(faultLine(error.fault()));
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
