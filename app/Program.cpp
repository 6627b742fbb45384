#include "Program.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "ChosenFile.h"
#include "FrmBase.h"
#include "GroupBoxFrameImage.h"
#include "InterfaceLanguage.h"
#include "JapaneseFont.h"
#include "LanguageOption.h"
#include "ProgramLocation.h"
#include "ProgramState.h"
#include "QtDialogs.h"
#include "QtSerialPort.h"

namespace {

// The language asked for on the command line, else the system's; nullopt, with the refusal
// printed, for one the interface does not have.
std::optional<QString> chosenLanguage(const std::optional<QString>& asked) {
    const QString language = asked.value_or(systemInterfaceLanguage(kSourceLanguage));
    if (interfaceLanguages().contains(language)) return language;
    std::fprintf(stderr, "tavelin: %s\n", qUtf8Printable(unknownLanguageMessage(language)));
    return std::nullopt;
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int runProgram(int argc, char** argv, const std::function<void()>& afterShown,
               ProgramArguments arguments) {
    // Before the application, so that the refusal does not wait on a display.
    const std::optional<QString> language =
        chosenLanguage(takeLanguageOption(argumentsOf(argc, argv)).language);
    if (!language) return 2;
    QApplication app(argc, argv);
    for (const QString& missing : useInterfaceLanguage(*language)) {
        qWarning("tavelin: could not load the translation %s", qUtf8Printable(missing));
    }
    useJapaneseGothicFont(app);
    cacheGroupBoxFrameImage();
    // Names the per-user folder, whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("tavelin"));
    const ProgramLocation location = locateProgramFolder();
    for (const QString& file : location.notSeeded) {
        qWarning("tavelin: could not copy the sample %s to %s", qPrintable(file),
                 qPrintable(location.folder));
    }

    auto state = std::make_unique<ProgramState>();
    QtDialogs dialogs;
    const QString& programFolder = location.folder;
    QtSerialPort prtLocal(programFolder + QStringLiteral("設定/"));
    FrmBase frmBase(*state, dialogs, prtLocal, programFolder);
    dialogs.setParentWindow(&frmBase);

    frmBase.Form_Load();
    frmBase.show();
    // Qt has taken its own arguments out by now.
    const QList<QUrl> files =
        commandLineFiles(takeLanguageOption(QCoreApplication::arguments()).otherArguments);
    if (arguments == ProgramArguments::FileToOpen && !files.isEmpty()) {
        // Once the window is on screen, so that any message box has it behind.
        QTimer::singleShot(0, &frmBase, [&frmBase, files] { frmBase.openFiles(files); });
    }
    if (afterShown) QTimer::singleShot(0, &frmBase, afterShown);
    return app.exec();
}
