// Which folder the program works in, and the first-start filling of the per-user folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ProgramLocation.h"
#include "TempFolder.h"

namespace {

class ProgramLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        samples.writeLines("設定/flag.txt", {"sample flag"});
        samples.writeLines("設定/comm.txt", {"1", "115200"});
        samples.writeLines("データー/sample.txt", {"sample data"});
    }
    ProgramLocation locate() const {
        return locateProgramFolder(executable.path(), perUser.path(), samples.path());
    }

    TempFolder executable;
    TempFolder perUser;
    TempFolder samples;
};

}  // namespace

TEST_F(ProgramLocationTest, ExecutableFolderWithSettingsRunsPortableAndTouchesNothingElse) {
    executable.writeLines("設定/comm.txt", {"3", "9600"});
    const ProgramLocation location = locate();
    EXPECT_EQ(location.folder, executable.path());
    EXPECT_FALSE(location.perUser);
    EXPECT_FALSE(QFileInfo::exists(perUser.path("設定")));
}

TEST_F(ProgramLocationTest, FirstStartFillsThePerUserFolderKeepingWhatIsThere) {
    // The user's own file under a sample's name, and (on Linux) the link made before the first
    // start.
    perUser.writeLines("データー/sample.txt", {"mine"});
    ASSERT_TRUE(QDir().mkpath(perUser.path("設定")));
#ifndef Q_OS_WIN
    ASSERT_TRUE(QFile::link("/dev/null", perUser.path("設定/COM1")));
#endif

    const ProgramLocation location = locate();
    EXPECT_EQ(location.folder, perUser.path());
    EXPECT_TRUE(location.perUser);
    EXPECT_TRUE(location.notSeeded.isEmpty());
    EXPECT_EQ(perUser.readBytes("設定/flag.txt"), samples.readBytes("設定/flag.txt"));
    EXPECT_EQ(perUser.readBytes("設定/comm.txt"), samples.readBytes("設定/comm.txt"));
    EXPECT_EQ(perUser.readBytes("データー/sample.txt"), "mine\r\n");
#ifndef Q_OS_WIN
    EXPECT_EQ(QFileInfo(perUser.path("設定/COM1")).symLinkTarget(), "/dev/null");
#endif
}

TEST_F(ProgramLocationTest, FolderAlreadySetUpIsNotRefilled) {
    locate();
    QFile::remove(perUser.path("データー/sample.txt"));  // the user deleted it
    perUser.writeLines("設定/comm.txt", {"4", "9600"});
    locate();
    EXPECT_FALSE(QFileInfo::exists(perUser.path("データー/sample.txt")));
    EXPECT_EQ(perUser.readBytes("設定/comm.txt"), "4\r\n9600\r\n");
}

#ifndef Q_OS_WIN
TEST_F(ProgramLocationTest, InstalledSamplesLieBesideTheBinFolder) {
    EXPECT_EQ(installedSamplesFolder("/usr/bin"), "/usr/share/tavelin/samples");
    EXPECT_EQ(installedSamplesFolder("/opt/x/bin/"), "/opt/x/share/tavelin/samples");
}
#else
TEST_F(ProgramLocationTest, InstalledSamplesLieInTheExecutablesFolder) {
    EXPECT_EQ(installedSamplesFolder("C:/Program Files/Tavelin"), "C:/Program Files/Tavelin/samples");
    EXPECT_EQ(installedSamplesFolder("D:/山田 太郎/tavelin/"), "D:/山田 太郎/tavelin/samples");
}
#endif
