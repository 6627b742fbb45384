#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "HexFormat.h"

class Dialogs;
struct ProgramState;

// A load or save of the image as the file page runs it, for a file anywhere: `path` is the file's
// full path, `name` the name box's text, which the messages and the failure report quote. The
// format is the one FileTypeName names. A failure is reported under "cmdFileOperation_Click";
// `beforeReport` runs just before each such report is shown.

struct ImageFileLoad {
    // Refused: a reader refused the file's contents (its message shown). Abandoned: the failure
    // report was cancelled.
    enum class Outcome { Loaded, Refused, Abandoned };
    Outcome outcome = Outcome::Loaded;
    HexComments comments;                     // the two comment lists afresh
    std::optional<HexRecordType> recordType;  // chosen by the file's last 02 or 04 record
    QString endAddress;                       // the EndAddress field afresh
    QString messageLine;  // the message line, unless Abandoned, which leaves it alone
};

// Every change a load makes to the image happens in here. What was read before a fault stays in
// the image, as the readers leave it.
ImageFileLoad loadImageFile(ProgramState& state, Dialogs& dialogs, const QString& path,
                            const QString& name, const std::function<void()>& beforeReport = {});

// What a save writes besides the image.
struct ImageFileExtras {
    HexComments comments;
    HexRecordType recordType = HexRecordType::Int32bit;
    QString endAddress;  // the last address a binary save writes
};

struct ImageFileSave {
    // Refused: the binary writer refused EndAddress (its message shown); the file is untouched
    // and the save may be tried again. Abandoned: the failure report was cancelled.
    enum class Outcome { Saved, Refused, Abandoned };
    Outcome outcome = Outcome::Saved;
    QString messageLine;  // Saved: the message line
};

// Writes flag.txt first, naming `name` as the file to load at the next start, then the file, which
// replaces the old one only once written whole.
// The failure report's title for a file operation.
QString fileReportTitle();

ImageFileSave saveImageFile(ProgramState& state, Dialogs& dialogs, const QString& path,
                            const QString& name, const ImageFileExtras& extras,
                            const std::function<void()>& beforeReport = {});
