#include "RoundTrip.h"

#include <QByteArray>
#include <QStringList>

#include "BinaryFormat.h"
#include "DataImage.h"
#include "FuzzInput.h"
#include "HexFormat.h"
#include "ProgramError.h"
#include "SRecordFormat.h"
#include "TextFormat.h"

namespace {

bool sameCells(const DataImage& a, const DataImage& b) {
    return a.cells(0, DataImage::Size) == b.cells(0, DataImage::Size);
}

// A byte that is no CP932 character is carried as a lone low surrogate. Written back after such
// a lead byte, a character the code page holds twice (written as Windows writes it, in its IBM
// code) can pair up with it differently on the next read, so only comments without one must
// come back the same.
bool holdsRawByte(const QStringList& lines) {
    for (const QString& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i].isLowSurrogate() && (i == 0 || !line[i - 1].isHighSurrogate())) return true;
        }
    }
    return false;
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
            const QByteArray saved = TextFormat::fileBytes(first);
            if (TextFormat::load(rewritten(saved), second).outcome !=
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
        QByteArray saved;
        try {
            const HexFormat::LoadResult loaded =
                HexFormat::load(path, first, firstComments, firstState, ends);
            if (loaded.outcome != HexFormat::LoadResult::Outcome::Loaded) {
                HexFormat::recordErrorMessage(QStringLiteral("a.hex"), loaded.errorText, loaded.line);
                continue;
            }
            if (!firstState.endRecordSeen) HexFormat::missingEndRecordMessage(QStringLiteral("a.hex"));
            saved = HexFormat::fileBytes(first, firstComments,
                                         firstState.recordType.value_or(HexRecordType::Int32bit));
        } catch (const ProgramError&) {
            continue;
        }
        DataImage second;
        HexComments secondComments;
        HexFormat::ReadState secondState;
        try {
            if (HexFormat::load(rewritten(saved), second, secondComments, secondState).outcome !=
                HexFormat::LoadResult::Outcome::Loaded)
                breach("a saved HEX file does not load");
        } catch (const ProgramError&) {
            breach("a saved HEX file does not load");
        }
        if (!sameCells(first, second)) breach("a HEX file loads back different");
        // A save writes `after` behind the end record; without an address record above 0xFFFF the
        // reader takes those lines into `before`, so only their order is kept.
        const QStringList comments = firstComments.before + firstComments.after;
        if (!holdsRawByte(comments) && comments != secondComments.before + secondComments.after)
            breach("HEX comments load back different");
    }
}

void binaryRoundTrip(const QString& path) {
    DataImage first;
    DataImage second;
    int32_t count = 0;
    try {
        count = BinaryFormat::load(path, first);
    } catch (const ProgramError&) {
        return;
    }
    BinaryFormat::countLine(count);
    BinaryFormat::endAddressText(count);
    if (BinaryFormat::load(rewritten(BinaryFormat::fileBytes(first, count)), second) != count ||
        !sameCells(first, second))
        breach("a binary file loads back different");
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
