#include "AtomicSave.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include "FilesystemPath.h"
#include "ProgramError.h"

namespace {

// Qt has no call that pushes a file's data to the disk, so this is the one place that asks the
// platform itself: the rename must never make a file visible whose data a power cut could lose.
bool syncToDisk(const QFileDevice& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return fsync(file.handle()) == 0;
#endif
}

// Qt's own text is English, and after a failed flush merely "Unknown error"; the error code
// left by the failed call says why in words the user can act on.
QString reasonFor(int code, const QFileDevice& file) {
    static const std::pair<std::errc, const char*> kReasons[] = {
        {std::errc::no_space_on_device,
         QT_TRANSLATE_NOOP("AtomicSave", "デバイスに空き領域がありません")},
        {std::errc::file_too_large, QT_TRANSLATE_NOOP("AtomicSave", "ファイルが大きすぎます")},
        {std::errc::permission_denied, QT_TRANSLATE_NOOP("AtomicSave", "許可がありません")},
        {std::errc::read_only_file_system,
         QT_TRANSLATE_NOOP("AtomicSave", "読み込み専用ファイルシステムです")},
        {std::errc::io_error, QT_TRANSLATE_NOOP("AtomicSave", "入力/出力エラーです")},
        {std::errc::no_such_file_or_directory,
         QT_TRANSLATE_NOOP("AtomicSave", "そのようなファイルやディレクトリはありません")},
        {std::errc::is_a_directory, QT_TRANSLATE_NOOP("AtomicSave", "ディレクトリです")},
    };
    for (const auto& [error, text] : kReasons) {
        if (code == static_cast<int>(error)) return QCoreApplication::translate("AtomicSave", text);
    }
    if (code != 0) return QString::fromStdString(std::generic_category().message(code));
    return file.errorString();
}

// The synced save: QSaveFile writes a temporary file, syncs it and renames it over the old one.
void saveToDisk(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    const auto failed = [&] { return ProgramError::cannotWrite(path, reasonFor(errno, file)); };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) throw failed();
    // Each step is checked on its own: Qt 6.4's commit() reports success although its final
    // flush failed, and the file is then left empty. An uncommitted temporary is removed.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        !syncToDisk(file)) {
        throw failed();
    }
    if (!file.commit()) throw failed();
}

// The same replacement without the sync, which QSaveFile always makes: a new file beside the
// target (created as any new file is, so the umask applies), renamed over it once written whole.
void saveToCache(const QString& path, QByteArrayView bytes) {
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QFileInfo old(target);
    // The rename would replace a read-only file; QSaveFile refuses it, and so does this.
    if (old.exists() && !old.isWritable()) {
        throw ProgramError::cannotWrite(
            path, reasonFor(static_cast<int>(std::errc::permission_denied), QFile()));
    }
    QFile file;
    const auto failed = [&](int code) {
        return ProgramError::cannotWrite(path, reasonFor(code, file));
    };
    for (int attempt = 1;; ++attempt) {
        file.setFileName(target + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(),
                                                            8, 16, QLatin1Char('0')));
        errno = 0;
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        const int code = errno;
        if (!QFileInfo::exists(file.fileName()) || attempt == 10) throw failed(code);
    }
    // QFile::remove() keeps a file whose close failed; this one must go whatever happened.
    auto removeTemporary = qScopeGuard([&] {
        file.close();
        QFile::remove(file.fileName());
    });
    errno = 0;
    if ((old.exists() && !file.setPermissions(old.permissions())) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        throw failed(errno);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) throw failed(errno);
    std::error_code error;
    std::filesystem::rename(filesystemPath(file.fileName()), filesystemPath(target), error);
    if (error) throw failed(error.default_error_condition().value());
    removeTemporary.dismiss();
}

}  // namespace

void checkFileName(const QString& path) {
#ifdef Q_OS_WIN
    const bool absoluteWithDrive = path.size() >= 3 && path[0].isLetter() && path[1] == u':' &&
                                   (path[2] == u'/' || path[2] == u'\\');
    for (qsizetype i = absoluteWithDrive ? 2 : 0; i < path.size(); ++i) {
        const QChar c = path[i];
        const bool control = c.unicode() < 0x20;
        if (!control && !QStringView(u"<>:\"|?*").contains(c)) continue;
        const QString shown =
            control ? QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')) : QString(c);
        throw ProgramError::cannotWrite(
            path, QCoreApplication::translate("AtomicSave", "ファイル名に使えない文字「%1」があります")
                      .arg(shown));
    }
#else
    Q_UNUSED(path)
#endif
}

void saveAtomically(const QString& path, QByteArrayView bytes, SaveSync sync) {
    checkFileName(path);
    if (sync == SaveSync::ToDisk) return saveToDisk(path, bytes);
    saveToCache(path, bytes);
}
