// Loads and saves of the image from anywhere, and the names flag.txt keeps for them.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ChosenFile.h"
#include "FileTypeRule.h"
#include "ImageFile.h"
#include "LineFile.h"
#include "PermissionsApply.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "SettingsFiles.h"
#include "TempFolder.h"

namespace {

const QString kLoaded = QStringLiteral("41");  // address 0 of every file the tests load
const QByteArray kHexFile = ":0100000041BE\r\n:00000001FF\r\n";

// A program folder's state: settings and data folders inside `folder`.
struct Program {
    explicit Program(const TempFolder& folder) {
        QDir().mkpath(folder.path("データー"));
        QDir().mkpath(folder.path("設定"));
        state.DataFolder = folder.path("データー/");
        state.SettingsFolder = folder.path("設定/");
        state.Image.set(0, u"5A");
    }
    // The format a click on the name selects.
    void chooseFormatOf(const QString& name) {
        static const QString captions[] = {QStringLiteral("Original Text Format"),
                                           QStringLiteral("HEX Format"),
                                           QStringLiteral("Binary Format")};
        state.FileTypeName = captions[fileTypeIndexForName(name)];
    }

    ProgramState state;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST(ImageFile, LoadsFromAnywhereAndRefusesBeforeAnythingChangesWhatItsReaderCannotOpen) {
    TempFolder folder;
    folder.writeBytes("データー/rom.hex", kHexFile);
    folder.writeBytes("elsewhere/rom.hex", kHexFile);
    folder.writeBytes("データー/locked.hex", kHexFile);
    QFile::setPermissions(folder.path("データー/locked.hex"), {});
    QDir().mkpath(folder.path("データー/folder.hex"));
    makeFifo(folder.path("データー/pipe.hex"));
    makeSparseFile(folder.path("データー/huge.hex"), kDataFileLimit + 1);
    makeSparseFile(folder.path("データー/huge.bin"), kDataFileLimit + 1);
    const struct {
        const char* file;
        const char* name;     // as the name box shows it; empty: the full path
        const char* refusal;  // the failure report's description; empty: it loads
    } rows[] = {
        {"データー/rom.hex", "rom.hex", ""},
        {"elsewhere/rom.hex", "", ""},
        {"データー/huge.bin", "huge.bin", ""},  // the binary reader takes the head of any file
        {"データー/folder.hex", "folder.hex", "ファイルが見つかりません。"},
        {"データー/pipe.hex", "pipe.hex", "通常のファイルではありません。"},
        {"データー/huge.hex", "huge.hex", "ファイルが大きすぎます。"},
        {"データー/locked.hex", "locked.hex", "ファイルを開けません。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        TempFolder programFolder;
        Program program(programFolder);
        program.state.DataFolder = folder.path("データー/");
        const QString path = folder.path(row.file);
        const QString name = dataFileName(program.state.DataFolder, path);
        EXPECT_EQ(name, *row.name != 0 ? QString::fromUtf8(row.name) : path);
        EXPECT_EQ(dataFilePath(program.state.DataFolder, name), path);

        const PermissionsApply asUser;
        const bool loadable = isLoadable(program.state, program.dialogs, path, name);
        if (*row.refusal != 0) {
            EXPECT_FALSE(loadable);
            ASSERT_EQ(program.dialogs.shown.size(), 1);
            EXPECT_EQ(program.dialogs.shown[0].title, QStringLiteral("cmdFileOperation_Click"));
            EXPECT_TRUE(program.dialogs.shown[0].text.startsWith(
                name + QStringLiteral("のオープンに失敗しました\r\n") + row.refusal))
                << program.dialogs.shown[0].text.toStdString();
            EXPECT_EQ(program.state.Image.at(0), QStringLiteral("5A"));
            continue;
        }
        EXPECT_TRUE(loadable);
        program.chooseFormatOf(name);
        const ImageFileLoad load = loadImageFile(program.state, program.dialogs, path, name);
        EXPECT_EQ(load.outcome, ImageFileLoad::Outcome::Loaded);
        EXPECT_EQ(load.messageLine, name + QStringLiteral(" Open OK "));
        EXPECT_TRUE(program.dialogs.shown.isEmpty());
        EXPECT_NE(program.state.Image.at(0), QStringLiteral("5A"));
        // The load is one undo step, which brings the image before it back.
        EXPECT_EQ(program.state.History.stepCount(), 1u);
        program.state.History.undo(program.state.Image, program.state.EditMarks, DataImage::Size);
        EXPECT_EQ(program.state.Image.at(0), QStringLiteral("5A"));
    }
}

// flag.txt names a file in the data folder by its bare name, as it always has, and any other
// file by its full path; start-up loads either back.
TEST(ImageFile, FlagFileNamesTheSavedFileSoThatItLoadsBack) {
    for (const char* file : {"データー/rom.txt", "elsewhere/rom.hex", "elsewhere/rom"}) {
        SCOPED_TRACE(file);
        TempFolder folder;
        QDir().mkpath(folder.path("elsewhere"));
        Program saving(folder);
        saving.state.FlagTable = {3, 1, 2, 1, 0, 2, -7};
        saving.state.Image.set(0, kLoaded);
        const QString path = folder.path(file);
        const QString name = dataFileName(saving.state.DataFolder, path);
        saving.chooseFormatOf(name);
        const ImageFileSave save =
            saveImageFile(saving.state, saving.dialogs, path, name, {{}, {}, QStringLiteral("F")});
        ASSERT_EQ(save.outcome, ImageFileSave::Outcome::Saved);
        EXPECT_EQ(save.messageLine, name + QStringLiteral(" Save OK"));
        QByteArray flags("3\r\n1\r\n2\r\n1\r\n0\r\n2\r\n-7\r\n");
        for (int i = 7; i < 19; ++i) flags += "0\r\n";
        EXPECT_EQ(folder.readBytes("設定/flag.txt"), flags + encodeCp932(name) + "\r\n");

        Program starting(folder);
        QString remembered;
        readFlagFile(starting.state, starting.state.SettingsFolder + "flag.txt", remembered);
        EXPECT_EQ(remembered, name);
        starting.chooseFormatOf(remembered);
        const ImageFileLoad load =
            loadImageFile(starting.state, starting.dialogs,
                          dataFilePath(starting.state.DataFolder, remembered), remembered);
        EXPECT_EQ(load.outcome, ImageFileLoad::Outcome::Loaded);
        EXPECT_EQ(starting.state.Image.at(0), kLoaded);
    }
}

TEST(ImageFile, SaveIntoAFolderThatCannotBeWrittenIsReportedAndKeepsTheOldFile) {
    TempFolder folder;
    folder.writeBytes("locked/rom.hex", "previous\r\n");
    QFile::setPermissions(folder.path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    Program program(folder);
    program.chooseFormatOf(QStringLiteral("rom.hex"));
    const QString path = folder.path("locked/rom.hex");
    bool buttonsPutBack = false;
    ImageFileSave save;
    {
        const PermissionsApply asUser;
        save = saveImageFile(program.state, program.dialogs, path, path, {},
                             [&] { buttonsPutBack = true; });
    }
    QFile::setPermissions(folder.path("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(save.outcome, ImageFileSave::Outcome::Abandoned);
    EXPECT_TRUE(buttonsPutBack);
    ASSERT_EQ(program.dialogs.shown.size(), 1);
    EXPECT_EQ(program.dialogs.shown[0].text,
              path +
                  QStringLiteral("の書き込み処理に失敗しました\r\nファイルに書き込めません。 (") +
                  path + QStringLiteral(": 許可がありません)"));
    EXPECT_EQ(folder.readBytes("locked/rom.hex"), QByteArray("previous\r\n"));
    EXPECT_EQ(program.state.Image.at(0), QStringLiteral("5A"));
}

TEST(ChosenFile, ADropOrTheCommandLineNamesOneLocalFile) {
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/tmp/a.hex"));
    const struct {
        const char* what;
        QList<QUrl> files;
        const char* refusal;  // empty: the one file is taken
    } rows[] = {
        {"one file", {file}, ""},
        {"two files",
         {file, QUrl::fromLocalFile(QStringLiteral("/tmp/b.hex"))},
         "開くファイルは一つだけにしてください。\r\n指定されたファイルの数：2"},
        {"nothing", {}, "開くファイルは一つだけにしてください。\r\n指定されたファイルの数：0"},
        {"a web address",
         {QUrl(QStringLiteral("https://example.org/a.hex"))},
         "ローカルのファイルではないので開けません。\r\nhttps://example.org/a.hex"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ScriptedDialogs dialogs;
        const QString path = singleLocalFile(row.files, dialogs);
        if (*row.refusal == 0) {
            EXPECT_EQ(path, QStringLiteral("/tmp/a.hex"));
            EXPECT_TRUE(dialogs.shown.isEmpty());
            continue;
        }
        EXPECT_TRUE(path.isEmpty());
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(row.refusal));
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("ファイル操作エラー"));
    }
}
