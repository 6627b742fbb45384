#include "ProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <type_traits>

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

namespace {

template <typename Port>
Port portFor(const ProgramFolder& folder) {
    if constexpr (std::is_same_v<Port, QtSerialPort>) {
        return QtSerialPort(folder.path(QStringLiteral("設定/")));
    } else {
        return Port();
    }
}

}  // namespace

template <typename Port>
WindowFixture<Port>::WindowFixture(const ProgramFolder& folder)
    : port(portFor<Port>(folder)),
      window(std::make_unique<FrmBase>(*state, dialogs, port, folder.path())) {}

template <typename Port>
void WindowFixture<Port>::start() {
    window->Form_Load();
    window->show();
}

template <typename Port>
void WindowFixture<Port>::selectDevice(int index) const {
    control<QComboBox>(QStringLiteral("cmbDevice"))->setCurrentIndex(index);
}

template <typename Port>
void WindowFixture<Port>::showBlock(int block) const {
    control<QLineEdit>(QStringLiteral("txtBlock"))->setText(QString::number(block));
}

template <typename Port>
::testing::AssertionResult WindowFixture<Port>::showedOnly(const QString& title,
                                                           const QString& textStart) const {
    if (dialogs.shown.size() != 1) {
        return ::testing::AssertionFailure() << dialogs.shown.size() << " boxes shown";
    }
    const ScriptedDialogs::Shown& box = dialogs.shown[0];
    if (box.title != title || !box.text.startsWith(textStart)) {
        return ::testing::AssertionFailure()
               << "shown: " << box.title.toStdString() << ": " << box.text.toStdString();
    }
    return ::testing::AssertionSuccess();
}

template struct WindowFixture<FakeSerialPort>;
template struct WindowFixture<QtSerialPort>;
