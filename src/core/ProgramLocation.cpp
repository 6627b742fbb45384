#include "ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSettings = QStringLiteral("設定/");

QString withSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

// Copies every file under `from` that `to` lacks; returns those that could not be copied.
QStringList copyMissingFiles(const QString& from, const QString& to) {
    QStringList failed;
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = source.relativeFilePath(it.next());
        const QString target = to + relative;
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) continue;
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(it.filePath(), target)) {
            failed.append(relative);
            continue;
        }
        // Installed samples are read-only; the user's copies are to be edited.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return failed;
}

}  // namespace

QString installedSamplesFolder(const QString& executableFolder) {
#ifdef Q_OS_WIN
    return QDir::cleanPath(executableFolder + QStringLiteral("/samples"));
#else
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/tavelin/samples"));
#endif
}

ProgramLocation locateProgramFolder(const QString& executableFolder, const QString& perUserFolder,
                                    const QString& samplesFolder) {
    const QString own = withSlash(executableFolder);
    if (QFileInfo(own + kSettings).isDir()) return {own, false, {}};

    ProgramLocation location{withSlash(perUserFolder), true, {}};
    if (!QFileInfo::exists(location.folder + kSettings + QStringLiteral("flag.txt"))) {
        location.notSeeded = copyMissingFiles(samplesFolder, location.folder);
    }
    return location;
}

ProgramLocation locateProgramFolder() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return locateProgramFolder(executableFolder,
                               QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                               installedSamplesFolder(executableFolder));
}
