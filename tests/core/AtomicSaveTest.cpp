#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <functional>

#include "AtomicSave.h"
#include "FileSizeLimit.h"
#include "LineFile.h"
#include "ProgramError.h"
#include "TempFolder.h"

namespace {

const QByteArray kPrevious("previous\r\n");

// Saves over kPrevious and expects the save to fail for `reason`, leaving the previous file as it
// was and no temporary file behind.
void expectRefusedSave(const TempFolder& folder, const std::function<void()>& save,
                       const QString& reason) {
    try {
        save();
        ADD_FAILURE() << "the save reported success";
    } catch (const ProgramError& error) {
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("ファイルに書き込めません。")));
        EXPECT_TRUE(error.description().endsWith(reason + u')'))
            << error.description().toStdString();
    }
    EXPECT_EQ(folder.readBytes("target"), kPrevious);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"target"});
}

}  // namespace

TEST(AtomicSave, AWriteTheFileSystemRefusesKeepsThePreviousFile) {
    const struct {
        const char* name;
        std::function<void(const QString&)> save;
    } cases[] = {
        {"buffered", [](const QString& p) { saveAtomically(p, QByteArray(256, 'x')); }},
        {"beyond any buffer", [](const QString& p) { saveAtomically(p, QByteArray(100000, 'x')); }},
        {"without sync",
         [](const QString& p) { saveAtomically(p, QByteArray(256, 'x'), SaveSync::CacheOnly); }},
        {"lines", [](const QString& p) { writeLines(p, QStringList(20, "0123456789")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.writeBytes("target", kPrevious);
        expectRefusedSave(
            folder,
            [&] {
                const FileSizeLimit limit(100);
                c.save(folder.path("target"));
            },
            QStringLiteral("ファイルが大きすぎます"));
    }
}

// The save without sync replaces files as QSaveFile does: a new file gets the permissions any new
// file gets, an old one keeps its own, a link keeps pointing at its file, now replaced, and a
// refusal says the same.
TEST(AtomicSave, BothSyncsReplaceFilesAlike) {
    const auto permissions = [](const QString& path) {
        return QString::number(QFileInfo(path).permissions().toInt(), 16);
    };
    const auto outcome = [&](SaveSync sync) {
        TempFolder folder;
        folder.writeBytes("plain", {});
        folder.writeBytes("old", kPrevious);
        QFile::setPermissions(folder.path("old"), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadUser | QFile::WriteUser);
        folder.writeBytes("linked", kPrevious);
        QFile::link(folder.path("linked"), folder.path("link"));
        QStringList seen{permissions(folder.path("plain"))};
        for (const char* name : {"new", "old", "link", "none/new"}) {
            try {
                saveAtomically(folder.path(name), "new\r\n", sync);
                const QFileInfo saved(folder.path(name));
                seen << name + (u' ' + permissions(saved.filePath())) + u' ' +
                            saved.symLinkTarget();
            } catch (const ProgramError& error) {
                seen << error.description();
            }
        }
        seen << folder.readBytes("linked") << QDir(folder.path()).entryList(QDir::Files).join(' ');
        return seen.replaceInStrings(folder.path(), "");
    };
    const QStringList synced = outcome(SaveSync::ToDisk);
    EXPECT_EQ(outcome(SaveSync::CacheOnly), synced);
    EXPECT_EQ(synced[1].section(' ', 1, 1), synced[0]);  // the new file's permissions
    EXPECT_EQ(synced[5], "new\r\n");
    EXPECT_EQ(synced[6], "link linked new old plain");  // no temporary file left behind
}

// The case users meet: a disk with no room left. Needs a tiny file system of its own, which only
// a privileged run may mount.
TEST(AtomicSave, AFullDiskIsNamedAsSuch) {
    TempFolder folder;
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "a 16 KiB tmpfs could not be mounted (" << std::strerror(errno)
                     << "); run as root outside a restricted container to include this case";
    }
    const struct Unmount {
        const QByteArray& point;
        ~Unmount() { umount2(point.constData(), MNT_DETACH); }
    } unmount{mountPoint};
    folder.writeBytes("target", kPrevious);
    folder.writeBytes("fill/filler", {});  // in a sub-folder, out of the way of the file check
    QFile filler(folder.path("fill/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    expectRefusedSave(
        folder, [&] { writeLines(folder.path("target"), {QStringLiteral("new")}); },
        QStringLiteral("デバイスに空き領域がありません"));
}
