#include "ImageFile.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include "BinaryFormat.h"
#include "Dialogs.h"
#include "FailureReport.h"
#include "ImageEdit.h"
#include "ProgramState.h"
#include "SettingsFiles.h"
#include "TextFormat.h"

namespace {

// The captions FileTypeName holds, compared to choose the format; never translated.
const QString kHexFormat = QStringLiteral("HEX Format");
const QString kBinaryFormat = QStringLiteral("Binary Format");

QString errorTitle() { return QCoreApplication::translate("ImageFile", "文字ﾃﾞｰﾀｰｴﾗｰ"); }

bool readHexFile(ProgramState& state, Dialogs& dialogs, const QString& path, const QString& name,
                 ImageFileLoad& load) {
    HexFormat::ReadState read;
    // Also when a failure stops the load: the record-type choice read so far stays, as the data
    // and the comments already read do.
    const auto keepRecordType = qScopeGuard([&] {
        if (read.recordType) load.recordType = read.recordType;
    });
    const HexFormat::LoadResult result = HexFormat::load(path, state.Image, load.comments, read);
    using Outcome = HexFormat::LoadResult::Outcome;
    if (result.outcome == Outcome::BadCell) {
        dialogs.showMessage(TextFormat::badCellMessage(name, result.address, result.cellText),
                            errorTitle(), MessageIcon::Warning);
    }
    if (result.outcome != Outcome::Loaded) {
        dialogs.showMessage(HexFormat::recordErrorMessage(name, result.errorText, result.line),
                            errorTitle(), MessageIcon::Critical);
        return false;
    }
    if (!read.endRecordSeen) {
        dialogs.showMessage(HexFormat::missingEndRecordMessage(name), errorTitle(),
                            MessageIcon::Critical);
    }
    return true;
}

bool readBinaryFile(ProgramState& state, const QString& path, ImageFileLoad& load) {
    state.FileByteCount = BinaryFormat::load(path, state.Image);
    const QString countLine = BinaryFormat::countLine(state.FileByteCount);
    if (!countLine.isEmpty()) load.comments.after << countLine;
    load.endAddress = BinaryFormat::endAddressText(state.FileByteCount);
    return true;
}

bool readTextFile(ProgramState& state, Dialogs& dialogs, const QString& path, const QString& name) {
    const TextFormat::LoadResult result = TextFormat::load(path, state.Image);
    using Outcome = TextFormat::LoadResult::Outcome;
    if (result.outcome == Outcome::WrongLineLength) {
        dialogs.showMessage(TextFormat::wrongLineLengthMessage(name, result.line), errorTitle(),
                            MessageIcon::Critical);
    } else if (result.outcome == Outcome::BadCell) {
        dialogs.showMessage(TextFormat::badCellMessage(name, result.address, result.cellText),
                            errorTitle(), MessageIcon::Warning);
    }
    return result.outcome == Outcome::Loaded;
}

// Runs the writer of the chosen format; false when the binary writer refused EndAddress.
bool writeImageFile(ProgramState& state, Dialogs& dialogs, const QString& path,
                    const ImageFileExtras& extras) {
    if (state.FileTypeName == kHexFormat) {
        HexFormat::save(path, state.Image, extras.comments, extras.recordType);
        return true;
    }
    if (state.FileTypeName == kBinaryFormat) {
        const BinaryFormat::SaveResult result =
            BinaryFormat::save(path, state.Image, extras.endAddress);
        if (result.outcome == BinaryFormat::SaveResult::Outcome::Refused) {
            dialogs.showMessage(BinaryFormat::refusedEndAddressMessage(result.refusedCharacter),
                                errorTitle(), MessageIcon::Warning);
            return false;
        }
        return true;
    }
    TextFormat::save(path, state.Image);
    return true;
}

}  // namespace

QString fileReportTitle() {
    return QCoreApplication::translate("ImageFile", "cmdFileOperation_Click");
}

ImageFileLoad loadImageFile(ProgramState& state, Dialogs& dialogs, const QString& path,
                            const QString& name, const std::function<void()>& beforeReport) {
    ImageFileLoad load;
    // One undo step, also for a load retried after a failure or stopped part-way.
    ImageEdit edit(state, 0, DataImage::Size);
    state.CurrentStep = openingStep(name);
    FailureReport report(state, dialogs, fileReportTitle());
    report.setBeforeReport(beforeReport);
    bool loaded = false;
    const bool finished = report.run([&] {
        load.comments = {};  // a Retry reads them afresh
        if (state.FileTypeName == kHexFormat) {
            loaded = readHexFile(state, dialogs, path, name, load);
        } else if (state.FileTypeName == kBinaryFormat) {
            loaded = readBinaryFile(state, path, load);
        } else {
            loaded = readTextFile(state, dialogs, path, name);
        }
    });
    using Outcome = ImageFileLoad::Outcome;
    load.outcome = !finished ? Outcome::Abandoned : loaded ? Outcome::Loaded : Outcome::Refused;
    if (loaded)
        load.messageLine = QCoreApplication::translate("ImageFile", "%1 Open OK ").arg(name);
    return load;
}

ImageFileSave saveImageFile(ProgramState& state, Dialogs& dialogs, const QString& path,
                            const QString& name, const ImageFileExtras& extras,
                            const std::function<void()>& beforeReport) {
    FailureReport report(state, dialogs, fileReportTitle());
    report.setBeforeReport(beforeReport);
    bool written = false;
    const bool finished = report.run([&] {
        state.CurrentStep = writingStep(QStringLiteral("flag.txt"));
        writeFlagFile(state, state.SettingsFolder + QStringLiteral("flag.txt"), name);
    }) && report.run([&] {
        state.CurrentStep = writingStep(name);
        written = writeImageFile(state, dialogs, path, extras);
    });
    using Outcome = ImageFileSave::Outcome;
    if (!finished) return {Outcome::Abandoned, {}};
    if (!written) return {Outcome::Refused, {}};
    return {Outcome::Saved, QCoreApplication::translate("ImageFile", "%1 Save OK").arg(name)};
}
