#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class Dialogs;
struct ProgramState;

// Files the user names from anywhere: the file dialogs, a drop on the window, the command line.

// The file the name box names: a bare name lies in the data folder, a full path anywhere.
QString dataFilePath(const QString& dataFolder, const QString& name);
// The name box's text for the file at `path`: its bare name when it lies in the data folder, as a
// click in the list gives it (and so flag.txt stays as it always was), else its full path.
QString dataFileName(const QString& dataFolder, const QString& path);

// The files the command line names after the program's own name, as a drop names them; relative
// names are taken from the working folder.
QList<QUrl> commandLineFiles(const QStringList& arguments);

// The one local file that a drop or the command line names. For none, several, or what is not a
// local file, shows why and returns an empty path.
QString singleLocalFile(const QList<QUrl>& files, Dialogs& dialogs);

// Whether the reader that the file's name chooses can open it, asked before anything changes: a
// refusal (not there, not an ordinary file, too large, unreadable) is the load's own failure
// report, where Retry asks again. False when the user gave up.
bool isLoadable(ProgramState& state, Dialogs& dialogs, const QString& path, const QString& name);
