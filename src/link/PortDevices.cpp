#include "PortDevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "FilesystemPath.h"
#include "ProgramError.h"

namespace {

// The stable name of each USB serial device, by the device it resolves to: /dev/ttyUSB0 changes
// with the order of plugging, the by-id name stays with the adapter.
QHash<QString, QString> stableNames() {
    QHash<QString, QString> names;
#ifdef Q_OS_LINUX
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& entry : byId.entryInfoList(QDir::System | QDir::Files)) {
        names.insert(entry.canonicalFilePath(), entry.absoluteFilePath());
    }
#endif
    return names;
}

QString presentPortLabel(const QString& path, const QSerialPortInfo& info) {
    QStringList facts{info.description(), info.manufacturer(), info.serialNumber()};
    facts.removeAll(QString());
    QString label = path + QStringLiteral("  (") + info.portName();
    if (!facts.isEmpty()) label += QStringLiteral(": ") + facts.join(QStringLiteral(", "));
    return label + u')';
}

// Windows numbers its ports itself and no links are made there: choosing COM5 is choosing port
// number 5.
PortDevice presentPort(const QString& path, const QSerialPortInfo& info) {
#ifdef Q_OS_WIN
    Q_UNUSED(path)
    const QString name = info.portName();
    const int32_t number = name.startsWith(QStringLiteral("COM")) ? name.mid(3).toInt() : 0;
    return {QString(), presentPortLabel(name, info), number};
#else
    return {path, presentPortLabel(path, info)};
#endif
}

}  // namespace

QList<PortDevice> listPortDevices(const QString& settingsFolder) {
    QList<PortDevice> devices;
    const QHash<QString, QString> stable = stableNames();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString system = info.systemLocation();
        const QString path = stable.value(QFileInfo(system).canonicalFilePath(), system);
        devices.append(presentPort(path, info));
    }

    QDir folder(settingsFolder);
    folder.setNameFilters({QStringLiteral("COM*")});
    folder.setSorting(QDir::Name);
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::AllEntries)) {
        if (!link.isSymLink()) continue;
        const QString target = link.symLinkTarget();
        QString label = QStringLiteral("設定/") + link.fileName() + QStringLiteral(" → ") + target;
        if (!QFileInfo::exists(target))
            label += QCoreApplication::translate("PortDevices", "（接続されていません）");
        devices.append({target, label});
    }
    return devices;
}

void linkPortNumber(const QString& settingsFolder, int32_t number, const QString& devicePath) {
    const QString name = QStringLiteral("COM%1").arg(number);
    const QFileInfo existing(settingsFolder + name);
    if (existing.exists() && !existing.isSymLink()) {
        throw ProgramError(QCoreApplication::translate("PortDevices", "%1 はリンクではありません")
                               .arg(settingsFolder + name));
    }
    // A fresh link under a scratch name, renamed over the old one: the port number never leads
    // nowhere, and a failure leaves the old link as it was.
    const std::filesystem::path link = filesystemPath(settingsFolder + name);
    const std::filesystem::path fresh =
        filesystemPath(settingsFolder + name + QStringLiteral(".new"));
    std::error_code error;
    std::filesystem::remove(fresh, error);
    std::filesystem::create_symlink(filesystemPath(devicePath), fresh, error);
    if (!error) std::filesystem::rename(fresh, link, error);
    if (error) {
        const QString reason = QString::fromLocal8Bit(error.message());
        std::filesystem::remove(fresh, error);
        throw ProgramError(settingsFolder + name + QStringLiteral(": ") + reason);
    }
}
