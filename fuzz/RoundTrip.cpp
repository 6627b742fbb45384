#include "RoundTrip.h"

#include <QByteArray>
#include <QStringList>
#include <algorithm>

#include "BinaryFormat.h"
#include "DataImage.h"
#include "FuzzInput.h"
#include "HexFormat.h"
#include "HexText.h"
#include "ProgramError.h"
#include "SRecordFormat.h"
#include "TextFormat.h"

namespace {

bool sameCells(const DataImage& a, const DataImage& b) {
    return a.cells(0, DataImage::Size) == b.cells(0, DataImage::Size);
}

// The saved bytes become the scratch file again: the input is no longer needed by then.
QString rewritten(const QByteArray& bytes) {
    return writeInputFile(reinterpret_cast<const uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size()));
}

}  // namespace

void textRoundTrip(const QString& path) {
    for (const LineEnds ends : {LineEnds::CrOrCrLf, LineEnds::AlsoLf}) {
        DataImage first;
        DataImage second;
        try {
            const TextFormat::LoadResult loaded = TextFormat::load(path, first, ends);
            if (loaded.outcome == TextFormat::LoadResult::Outcome::WrongLineLength)
                TextFormat::wrongLineLengthMessage(QStringLiteral("a.txt"), loaded.line);
            if (loaded.outcome == TextFormat::LoadResult::Outcome::BadCell)
                TextFormat::badCellMessage(QStringLiteral("a.txt"), loaded.address, loaded.cellText);
            if (loaded.outcome != TextFormat::LoadResult::Outcome::Loaded) continue;
            TextFormat::save(savedFilePath(), first);
            if (TextFormat::load(savedFilePath(), second).outcome !=
                TextFormat::LoadResult::Outcome::Loaded)
                breach("a saved text file does not load");
        } catch (const ProgramError&) {
            continue;
        }
        if (!sameCells(first, second)) breach("a text file loads back different");
    }
}

void hexRoundTrip(const QString& path) {
    for (const LineEnds ends : {LineEnds::CrOrCrLf, LineEnds::AlsoLf}) {
        DataImage first;
        HexComments firstComments;
        HexFormat::ReadState firstState;
        try {
            const HexFormat::LoadResult loaded =
                HexFormat::load(path, first, firstComments, firstState, ends);
            if (loaded.outcome != HexFormat::LoadResult::Outcome::Loaded) {
                HexFormat::recordErrorMessage(QStringLiteral("a.hex"), loaded.errorText, loaded.line);
                continue;
            }
            if (!firstState.endRecordSeen) HexFormat::missingEndRecordMessage(QStringLiteral("a.hex"));
            HexFormat::save(savedFilePath(), first, firstComments,
                            firstState.recordType.value_or(HexRecordType::Int32bit));
        } catch (const ProgramError&) {
            continue;
        }
        DataImage second;
        HexComments secondComments;
        HexFormat::ReadState secondState;
        try {
            if (HexFormat::load(savedFilePath(), second, secondComments, secondState).outcome !=
                HexFormat::LoadResult::Outcome::Loaded)
                breach("a saved HEX file does not load");
        } catch (const ProgramError&) {
            breach("a saved HEX file does not load");
        }
        if (!sameCells(first, second)) breach("a HEX file loads back different");
        // A save writes `after` behind the end record; without an address record above 0xFFFF the
        // reader takes those lines into `before`, so only their order is kept.
        const QStringList comments = firstComments.before + firstComments.after;
        const bool rawByte = std::any_of(comments.begin(), comments.end(),
                                         [](const QString& line) { return holdsRawByte(line); });
        if (!rawByte && comments != secondComments.before + secondComments.after)
            breach("HEX comments load back different");
    }
}

void binaryRoundTrip(const QString& path) {
    DataImage first;
    int32_t count = 0;
    try {
        count = BinaryFormat::load(path, first);
    } catch (const ProgramError&) {
        return;
    }
    BinaryFormat::countLine(count);
    // Saved up to the end the load found, and up to an EndAddress typed as the file's first bytes.
    QString typedEnd;
    for (int32_t k = 0; k < std::min<int32_t>(count, 6); ++k)
        typedEnd += QChar(cellByte(first.view(k)));
    for (const QString& end : {BinaryFormat::endAddressText(count), typedEnd}) {
        BinaryFormat::SaveResult saved;
        try {
            saved = BinaryFormat::save(savedFilePath(), first, end);
        } catch (const ProgramError&) {
            continue;
        }
        if (saved.outcome == BinaryFormat::SaveResult::Outcome::Refused) {
            BinaryFormat::refusedEndAddressMessage(saved.refusedCharacter);
            BinaryFormat::typedEndAddressMessage(saved.refusedCharacter);
            continue;
        }
        DataImage second;
        if (BinaryFormat::load(savedFilePath(), second) != saved.byteCount ||
            first.cells(0, saved.byteCount) != second.cells(0, saved.byteCount))
            breach("a binary file loads back different");
    }
}

void sRecordRoundTrip(const QString& path) {
    DataImage first;
    DataImage second;
    try {
        if (SRecordFormat::load(path, first).faultyLine != 0) return;
    } catch (const ProgramError&) {
        return;
    }
    const int recordType = SRecordFormat::smallestRecordType(DataImage::Size - 1);
    const SRecordFormat::LoadResult again =
        SRecordFormat::load(rewritten(SRecordFormat::fileBytes(first, recordType)), second);
    if (again.faultyLine != 0 || !again.closed) breach("saved S-records do not load");
    if (!sameCells(first, second)) breach("S-records load back different");
}
