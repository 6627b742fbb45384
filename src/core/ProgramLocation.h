#pragma once

#include <QString>
#include <QStringList>

// Where the program folder (the one holding 設定/ and データー/) is.
//
// An executable whose own folder holds 設定/ runs portable on that folder, as a copy on a stick or
// the test folders do. An installed executable uses the per-user data folder instead, so that
// nothing the user owns lives beside the program or under a build tree.
struct ProgramLocation {
    QString folder;         // ends in '/'
    bool perUser = false;   // the per-user data folder rather than the executable's own
    QStringList notSeeded;  // sample files that could not be copied there (relative paths)
};

// The samples an installation carries, relative to its executable: bin/ → share/tavelin/samples,
// and on Windows, where everything lies in the executable's folder, samples/ in it.
QString installedSamplesFolder(const QString& executableFolder);

// Applies the rule above. A per-user folder that has never been set up (it holds no 設定/flag.txt,
// the first file the program reads) is filled from `samplesFolder`, skipping every file already
// there, as an installer would.
ProgramLocation locateProgramFolder(const QString& executableFolder, const QString& perUserFolder,
                                    const QString& samplesFolder);

// The same for the running executable: the per-user folder is QStandardPaths'
// AppLocalDataLocation (~/.local/share/tavelin, %LOCALAPPDATA%\tavelin: settings of a port and a
// board belong to the machine, not to a roaming profile), so every program sharing the folder sets
// the application name "tavelin" before calling this.
ProgramLocation locateProgramFolder();
