#include "Program.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "ChosenFile.h"
#include "FrmBase.h"
#include "JapaneseFont.h"
#include "ProgramLocation.h"
#include "ProgramState.h"
#include "QtDialogs.h"
#include "QtSerialPort.h"

int runProgram(int argc, char** argv, const std::function<void()>& afterShown,
               ProgramArguments arguments) {
    QApplication app(argc, argv);
    useJapaneseGothicFont(app);
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
    const QList<QUrl> files = commandLineFiles(QCoreApplication::arguments());
    if (arguments == ProgramArguments::FileToOpen && !files.isEmpty()) {
        // Once the window is on screen, so that any message box has it behind.
        QTimer::singleShot(0, &frmBase, [&frmBase, files] { frmBase.openFiles(files); });
    }
    if (afterShown) QTimer::singleShot(0, &frmBase, afterShown);
    return app.exec();
}
