#include "Program.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QTimer>
#include <memory>

#include "FrmBase.h"
#include "ProgramLocation.h"
#include "ProgramState.h"
#include "QtDialogs.h"
#include "QtSerialPort.h"

namespace {

// The window was designed in a Japanese gothic face; use the first one installed.
void useJapaneseGothicFont(QApplication& app) {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "TakaoGothic",
                                  "MS Gothic", "VL Gothic"}) {
        const QString family = QString::fromLatin1(candidate);
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSize(9);
            app.setFont(font);
            return;
        }
    }
}

}  // namespace

int runProgram(int argc, char** argv, const std::function<void()>& afterShown) {
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
    if (afterShown) QTimer::singleShot(0, &frmBase, afterShown);
    return app.exec();
}
