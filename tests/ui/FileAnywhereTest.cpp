// Files from anywhere: the file dialogs of the File page, a drop on the window, the command line.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <map>

#include "ChosenFile.h"
#include "FileDialogs.h"
#include "ProgramFolder.h"

namespace {

class ScriptedFileDialogs : public FileDialogs {
public:
    QString fileToOpen(const QString& folder) override { return answer(folder); }
    QString fileToSave(const QString& folder) override { return answer(folder); }

    QString chosen;       // the next answer; empty: cancelled
    QStringList folders;  // where each dialog opened

private:
    QString answer(const QString& folder) {
        folders << folder;
        return chosen;
    }
};

class FileAnywhere : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDataBytes("../elsewhere/rom.hex", "; note\r\n:0100000041BE\r\n:00000001FF\r\n");
        fx.start();
        fx.window->setFileDialogs(files);
        fx.control<QTabWidget>("sstBase")->setCurrentIndex(1);
    }

    QString elsewhere(const QString& name) const { return folder.path("elsewhere/" + name); }
    QLineEdit* name() const { return fx.control<QLineEdit>("txtFileName"); }
    QString message() const { return fx.control<QLabel>("lblMessage")->text(); }
    QString firstCell() const { return fx.control<QLineEdit>("txtData(0)")->text(); }
    // What a load changes on screen.
    QStringList shown() const {
        return {name()->text(),
                fx.window->windowTitle(),
                message(),
                firstCell(),
                fx.control<QComboBox>("cmbFileErrorList(0)")->currentText(),
                QString::number(fx.control<QRadioButton>("optFileType(1)")->isChecked())};
    }
    void drop(QWidget* target, const QList<QUrl>& urls) const {
        QMimeData mime;
        mime.setUrls(urls);
        mime.setText(urls.value(0).toLocalFile());  // as file managers offer it too
        // A drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();  // the load waits until the drop is over
    }
    void expectLoadedFromElsewhere() const {
        const QString path = elsewhere("rom.hex");
        EXPECT_EQ(shown(),
                  (QStringList{path,
                               QStringLiteral("Tavelin  Ver.2.02 【Device: 24C256 / File: ") +
                                   path + QStringLiteral("】"),
                               path + QStringLiteral(" Open OK "), "41", "; note", "1"}));
        EXPECT_TRUE(fx.dialogs.shown.isEmpty()) << fx.dialogs.shown.value(0).text.toStdString();
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    ScriptedFileDialogs files;
};

}  // namespace

TEST_F(FileAnywhere, BrowseLoadsTheChosenFileAsAPickInTheListAndOpenDo) {
    const QStringList before = shown();
    fx.control<QPushButton>("cmdFileBrowse")->click();  // cancelled
    EXPECT_EQ(shown(), before);
    files.chosen = elsewhere("rom.hex");
    fx.control<QPushButton>("cmdFileBrowse")->click();
    EXPECT_EQ(files.folders, QStringList(2, fx.state->DataFolder));
    expectLoadedFromElsewhere();
}

TEST_F(FileAnywhere, SaveAsWritesTheChosenFileAndTheNextStartLoadsItBack) {
    fx.state->Image.set(0, u"A5");
    files.chosen = elsewhere("copy.hex");
    fx.control<QPushButton>("cmdFileSaveAs")->click();
    EXPECT_EQ(message(), files.chosen + QStringLiteral(" Save OK"));
    EXPECT_TRUE(fx.control<QRadioButton>("optFileType(1)")->isChecked());
    EXPECT_EQ(folder.settingLines("flag.txt").value(19), files.chosen);

    MainWindowFixture next(folder);
    next.start();
    EXPECT_EQ(next.control<QLabel>("lblMessage")->text(),
              files.chosen + QStringLiteral(" Open OK "));
    EXPECT_EQ(next.state->Image.at(0), QStringLiteral("A5"));
    EXPECT_EQ(next.state->Image.at(0x1FFFF), fx.state->Image.at(0x1FFFF));
}

TEST_F(FileAnywhere, ADropLoadsOneFileAndRefusesAnythingElseChangingNothing) {
    makeFifo(elsewhere("pipe.hex"));
    const QUrl rom = QUrl::fromLocalFile(elsewhere("rom.hex"));
    const struct {
        const char* what;
        QList<QUrl> files;
        QString refusal;  // the box's text starts so; empty: no box
        bool armed;       // a writer operation waits for START
    } rows[] = {
        {"two files",
         {rom, QUrl::fromLocalFile(elsewhere("pipe.hex"))},
         QStringLiteral("開くファイルは一つだけにしてください。"),
         false},
        {"a folder",
         {QUrl::fromLocalFile(folder.path("elsewhere"))},
         folder.path("elsewhere") +
             QStringLiteral("のオープンに失敗しました\r\nファイルが見つかりません"),
         false},
        {"a FIFO",
         {QUrl::fromLocalFile(elsewhere("pipe.hex"))},
         elsewhere("pipe.hex") +
             QStringLiteral("のオープンに失敗しました\r\n通常のファイルではありません"),
         false},
        {"while READ is armed", {rom}, QString(), true},
    };
    const QStringList before = shown();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fx.dialogs.shown.clear();
        if (row.armed) fx.window->enterArmedState(1);
        drop(fx.window.get(), row.files);
        if (row.armed) fx.window->subObjectEnable();
        EXPECT_EQ(shown(), before);
        if (row.refusal.isEmpty()) {
            EXPECT_TRUE(fx.dialogs.shown.isEmpty());
        } else {
            EXPECT_EQ(fx.dialogs.shown.size(), 1);
            EXPECT_TRUE(fx.dialogs.shown.value(0).text.startsWith(row.refusal))
                << fx.dialogs.shown.value(0).text.toStdString();
        }
    }
    fx.dialogs.shown.clear();
    drop(name(), {rom});  // a text box would take the file's address as text
    expectLoadedFromElsewhere();
}

TEST_F(FileAnywhere, AFileOnTheCommandLineLoadsAfterStartup) {
    const QString working = QDir::currentPath();
    QDir::setCurrent(folder.path("elsewhere"));
    fx.window->openFiles(commandLineFiles({QStringLiteral("tavelin"), QStringLiteral("rom.hex")}));
    QDir::setCurrent(working);
    expectLoadedFromElsewhere();
}

// A user who never presses the new buttons sees the window as it was without them.
TEST_F(FileAnywhere, TheNewButtonsMoveNoOtherControl) {
    const std::array<QWidget*, 2> added{fx.control<QPushButton>("cmdFileBrowse"),
                                        fx.control<QPushButton>("cmdFileSaveAs")};
    const auto places = [&] {
        fx.control<QWidget>("pageFile")->layout()->activate();
        std::map<QString, QRect> placed;
        for (const QWidget* widget : fx.window->findChildren<QWidget*>()) {
            placed[widget->objectName()] =
                QRect(widget->mapTo(fx.window.get(), QPoint()), widget->size());
        }
        for (const QWidget* button : added) placed.erase(button->objectName());
        return std::pair(placed, fx.window->sizeHint());
    };
    const auto with = places();
    for (QWidget* button : added) button->hide();
    EXPECT_EQ(places(), with);
}
