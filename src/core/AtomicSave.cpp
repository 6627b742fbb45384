#include "AtomicSave.h"

#include <QSaveFile>
#include <cerrno>
#include <system_error>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

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
        {std::errc::no_space_on_device, "デバイスに空き領域がありません"},
        {std::errc::file_too_large, "ファイルが大きすぎます"},
        {std::errc::permission_denied, "許可がありません"},
        {std::errc::read_only_file_system, "読み込み専用ファイルシステムです"},
        {std::errc::io_error, "入力/出力エラーです"},
        {std::errc::no_such_file_or_directory, "そのようなファイルやディレクトリはありません"},
        {std::errc::is_a_directory, "ディレクトリです"},
    };
    for (const auto& [error, text] : kReasons) {
        if (code == static_cast<int>(error)) return QString::fromUtf8(text);
    }
    if (code != 0) return QString::fromStdString(std::generic_category().message(code));
    return file.errorString();
}

}  // namespace

void saveAtomically(const QString& path, QByteArrayView bytes) {
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
