// The interface language: the --lang option, and the English window, its boxes and file dialogs
// free of Japanese but for folder and file names and the user's own data.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "LanguageOption.h"
#include "ProgramInterface.h"
#include "ShownTexts.h"
#include "WindowTour.h"

namespace {

using Stop = WindowTour::Stop;

TEST(LanguageOption, IsTakenOutOfTheFilesToOpen) {
    struct Row {
        QStringList arguments;
        std::optional<QString> language;
        QStringList files;
    };
    const QString tavelin = QStringLiteral("tavelin");
    const QString rom = QStringLiteral("rom.hex");
    const Row rows[] = {
        {{tavelin, rom}, std::nullopt, {rom}},
        {{tavelin, QStringLiteral("--lang"), QStringLiteral("en"), rom},
         QStringLiteral("en"),
         {rom}},
        {{tavelin, rom, QStringLiteral("--lang=ja")}, QStringLiteral("ja"), {rom}},
        {{tavelin, QStringLiteral("--lang=en"), QStringLiteral("--lang"), QStringLiteral("ja")},
         QStringLiteral("ja"),
         {}},
        {{tavelin, QStringLiteral("--lang")}, QString(), {}},  // refused as an unknown language
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const LanguageOption option = takeLanguageOption(row.arguments);
        EXPECT_EQ(option.language, row.language);
        EXPECT_EQ(option.otherArguments, QStringList{tavelin} + row.files);
    }
}

TEST(LanguageOption, AnUnknownLanguageIsRefusedBeforeAnyWindow) {
    // A platform that does not exist: the program would fail as soon as it set up its windows.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAVELIN_PROGRAM), {QStringLiteral("--lang=de")});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              QStringLiteral("tavelin: unknown language 'de': choose one of ja, en\n"));
}

bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x9FFF) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// What is left of a text once the folder names, in a path or at its end, are taken out.
bool speaksJapanese(QString text) {
    static const QRegularExpression folders(QStringLiteral("(設定|データー)(/|$)"));
    text.remove(folders);
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), isJapanese);
}

// The grid's character display and the display mode's caption show code.txt and custom.txt.
bool showsUserData(const QString& control) {
    return control.startsWith(QStringLiteral("txtData(")) ||
           control == QStringLiteral("optEdit(1)");
}

class EnglishInterface : public ::testing::Test {
protected:
    void expectEnglish(const QString& where, const QList<ShownText>& texts) const {
        for (const ShownText& shown : texts) {
            EXPECT_FALSE(!showsUserData(shown.control) && speaksJapanese(shown.text))
                << where.toStdString() << ": " << shown.control.toStdString() << ": "
                << shown.text.toStdString();
        }
    }
    // The texts of the file dialog `opener` opens, which is then cancelled.
    QList<ShownText> fileDialogTexts(const char* opener) {
        QList<ShownText> texts;
        QTimer::singleShot(0, [&texts] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            texts = shownTexts(*dialog);
            for (const QString& filter : dialog->nameFilters()) texts.append({"filter", filter});
            dialog->reject();
        });
        tour.fx.control<QPushButton>(QString::fromLatin1(opener))->click();
        return texts;
    }

    const ProgramInterface interface { QStringLiteral("en") };
    WindowTour tour;
};

}  // namespace

TEST_F(EnglishInterface, EveryWindowAndDialog) {
    for (const Stop stop : WindowTour::kStops) {
        const QWidget& window = tour.open(stop);
        expectEnglish(window.objectName(), shownTexts(window));
    }
}

TEST_F(EnglishInterface, TheFileDialogsAndTheirFileTypes) {
    tour.open(Stop::FilePage);
    for (const char* opener : {"cmdFileBrowse", "cmdFileSaveAs"}) {
        const QList<ShownText> texts = fileDialogTexts(opener);
        ASSERT_FALSE(texts.isEmpty()) << opener << " opened no file dialog";
        expectEnglish(QString::fromLatin1(opener), texts);
        QStringList filters;
        for (const ShownText& shown : texts) {
            if (shown.control == QStringLiteral("filter")) filters << shown.text;
        }
        EXPECT_EQ(filters, QStringList({"Text files (*.txt)", "HEX files (*.hex)",
                                        "Binary files (*.bin)", "All files (*)"}))
            << opener;
    }
}

namespace {

void type(QWidget& window, const char* box, const char* text) {
    control<QLineEdit>(window, QString::fromLatin1(box))->setText(QString::fromUtf8(text));
}

void click(QWidget& window, const char* button) {
    control<QPushButton>(window, QString::fromLatin1(button))->click();
}

// Types into a box of the window of `stop` and presses its button.
void typeAndPress(WindowTour& tour, Stop stop, const char* box, const char* text,
                  const char* button) {
    QWidget& window = tour.open(stop);
    type(window, box, text);
    click(window, button);
}

}  // namespace

// Each box the window tests reach, and the message line beside it, each on a fresh start.
TEST_F(EnglishInterface, EveryBoxAndMessage) {
    const std::pair<const char*, std::function<void(WindowTour&)>> rows[] = {
        {"no file name",
         [](WindowTour& t) {
             type(t.open(Stop::FilePage), "txtFileName", "");
             click(*t.fx.window, "cmdFileOperation(0)");
         }},
        {"a letter in EndAddress",
         [](WindowTour& t) { type(t.open(Stop::FilePage), "txtLastCount", "G"); }},
        {"two files dropped",
         [](WindowTour& t) {
             t.fx.window->openFiles(
                 {QUrl(QStringLiteral("file:///a")), QUrl(QStringLiteral("file:///b"))});
         }},
        {"no device name",
         [](WindowTour& t) {
             typeAndPress(t, Stop::DeviceEditor, "txtConfigDeviceName", "", "comConfigSave");
         }},
        {"a device size missing",
         [](WindowTour& t) {
             QWidget& editor = t.open(Stop::DeviceEditor);
             control<QComboBox>(editor, QStringLiteral("cmbConfigDeviceSize"))->setCurrentIndex(-1);
             click(editor, "comConfigSave");
         }},
        {"no port number",
         [](WindowTour& t) { typeAndPress(t, Stop::PortWindow, "txtCommPort", "", "comSave"); }},
        {"an address past the end",
         [](WindowTour& t) { typeAndPress(t, Stop::GoTo, "txtGoToAddress", "FFFFFF", "cmdGoTo"); }},
        {"no bytes to find",
         [](WindowTour& t) { typeAndPress(t, Stop::Find, "txtFindText", "G", "cmdFindNext"); }},
        {"a paste that is no data",
         [](WindowTour& t) {
             QApplication::clipboard()->setText(QStringLiteral("12 G4"));
             QTest::keyClick(t.fx.control<QLineEdit>(QStringLiteral("txtData(0)")), Qt::Key_V,
                             Qt::ControlModifier);
         }},
        {"a READ while the port does not open",
         [](WindowTour& t) {
             t.fx.port.close();
             t.fx.port.openResult = false;
             click(*t.fx.window, "cmdComm(1)");
             click(*t.fx.window, "cmdComm(1)");
         }},
    };
    for (const auto& [name, act] : rows) {
        WindowTour fresh;
        act(fresh);
        ASSERT_FALSE(fresh.fx.dialogs.shown.isEmpty()) << name << ": no box";
        QList<ShownText> texts;
        for (const ScriptedDialogs::Shown& box : fresh.fx.dialogs.shown) {
            texts.append({"title", box.title});
            texts.append({"text", box.text});
            texts.append({"detail", box.detail});
        }
        texts.append(
            {"lblMessage", fresh.fx.control<QLabel>(QStringLiteral("lblMessage"))->text()});
        expectEnglish(QString::fromLatin1(name), texts);
    }
}
