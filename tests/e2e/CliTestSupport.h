#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// `lang`, when given, is the LANG the process sees, with no other locale variable beside it.
inline CliRun run(const QStringList& arguments, const QString& workingDirectory = {},
                  const QString& lang = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    if (!lang.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
        environment.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(TAVELIN_CLI), arguments);
    if (!process.waitForFinished(120000)) return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// tavelin-cli as a script runs it, on the sample settings unless another program folder is named.
inline CliRun cli(QStringList arguments, const QString& folder = QStringLiteral(SAMPLES)) {
    return run(arguments << "--folder" << folder << "--progress=none");
}

// A scratch folder for files and a board program on its pseudo-terminal.
class CliFixture : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Starts the board; the terminal's path it prints, or empty.
    QString startBoard(const QString& program, const QStringList& options) {
        board_.start(program, options);
        if (!board_.waitForStarted(5000) || !board_.waitForReadyRead(10000)) return {};
        return QString::fromUtf8(board_.readLine()).trimmed();
    }
    void stopBoard() {
        board_.terminate();
        board_.waitForFinished(10000);
    }
    void TearDown() override { stopBoard(); }

    QTemporaryDir folder_;
    QProcess board_;
};
