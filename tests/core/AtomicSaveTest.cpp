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
