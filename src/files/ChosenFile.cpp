#include "ChosenFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Dialogs.h"
#include "FailureReport.h"
#include "FileTypeRule.h"
#include "ImageFile.h"
#include "LineFile.h"
#include "MessageText.h"
#include "ProgramState.h"

namespace {

constexpr int kBinaryType = 2;

}  // namespace

QString dataFilePath(const QString& dataFolder, const QString& name) {
    // Qt takes a leading ':' for its resources; here it is an odd but plain file name.
    const bool absolute = !name.startsWith(u':') && QDir::isAbsolutePath(name);
    return absolute ? name : dataFolder + name;
}

QString dataFileName(const QString& dataFolder, const QString& path) {
    const QFileInfo file(path);
    if (QDir(file.absolutePath()) == QDir(dataFolder)) return file.fileName();
    return QDir::toNativeSeparators(QDir::cleanPath(file.absoluteFilePath()));
}

QList<QUrl> commandLineFiles(const QStringList& arguments) {
    QList<QUrl> files;
    for (const QString& argument : arguments.mid(1)) {
        files << QUrl::fromLocalFile(QFileInfo(argument).absoluteFilePath());
    }
    return files;
}

QString singleLocalFile(const QList<QUrl>& files, Dialogs& dialogs) {
    QString refusal;
    if (files.size() != 1) {
        refusal = messageLines(
            {QCoreApplication::translate("ChosenFile", "開くファイルは一つだけにしてください。"),
             QCoreApplication::translate("ChosenFile", "指定されたファイルの数：%1")
                 .arg(files.size())});
    } else if (!files[0].isLocalFile()) {
        refusal = messageLines({QCoreApplication::translate(
                                    "ChosenFile", "ローカルのファイルではないので開けません。"),
                                files[0].toDisplayString()});
    } else {
        return files[0].toLocalFile();
    }
    dialogs.showMessage(refusal, QCoreApplication::translate("ChosenFile", "ファイル操作エラー"),
                        MessageIcon::Warning);
    return {};
}

bool isLoadable(ProgramState& state, Dialogs& dialogs, const QString& path, const QString& name) {
    // The binary reader takes the head of a file of any size; the line readers refuse a huge one.
    const qint64 limit = fileTypeIndexForName(name) == kBinaryType ? kAnySize : kDataFileLimit;
    state.CurrentStep = openingStep(name);
    FailureReport report(state, dialogs, fileReportTitle());
    return report.run([&] {
        QFile file(path);
        openForReading(file, limit);
    });
}
