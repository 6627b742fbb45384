#include "ProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>

#include "LineFile.h"

QString settingPath(const QString& name) {
    return name == QStringLiteral("code.txt") ? QStringLiteral("データー/code/code.txt")
                                              : QStringLiteral("設定/") + name;
}

ProgramFolder::ProgramFolder() {
    const QDir samples(QStringLiteral(TAVELIN_SAMPLES_DIR));
    QDirIterator it(samples.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = samples.relativeFilePath(source);
        if (relative == QStringLiteral("README.md")) continue;
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read sample %s", qPrintable(source));
        folder_.writeBytes(relative, file.readAll());
    }
}

void ProgramFolder::writeSetting(const QString& name, const QStringList& lines) const {
    folder_.writeLines(settingPath(name), lines);
}

void ProgramFolder::removeSetting(const QString& name) const {
    QFile::remove(folder_.path(settingPath(name)));
}

void ProgramFolder::replaceSettingLine(const QString& name, int index, const QString& text) const {
    QStringList lines = settingLines(name);
    lines[index] = text;
    writeSetting(name, lines);
}

void ProgramFolder::writeData(const QString& name, const QStringList& lines) const {
    folder_.writeLines(QStringLiteral("データー/") + name, lines);
}

void ProgramFolder::writeDataBytes(const QString& name, const QByteArray& bytes) const {
    folder_.writeBytes(QStringLiteral("データー/") + name, bytes);
}

QStringList ProgramFolder::dataLines(const QString& name) const {
    return readAllLines(path(QStringLiteral("データー/") + name));
}

QByteArray ProgramFolder::dataBytes(const QString& name) const {
    return folder_.readBytes(QStringLiteral("データー/") + name);
}

QStringList ProgramFolder::settingLines(const QString& name) const {
    const QString file = path(settingPath(name));
    return QFile::exists(file) ? readAllLines(file) : QStringList();  // a removed file has none
}

MainWindowFixture::MainWindowFixture(const ProgramFolder& folder)
    : window(std::make_unique<FrmBase>(*state, dialogs, port, folder.path())) {}

void MainWindowFixture::start() {
    window->Form_Load();
    window->show();
}

void MainWindowFixture::selectDevice(int index) const {
    control<QComboBox>(QStringLiteral("cmbDevice"))->setCurrentIndex(index);
}

void MainWindowFixture::showBlock(int block) const {
    control<QLineEdit>(QStringLiteral("txtBlock"))->setText(QString::number(block));
}
