#include "TransferProgress.h"

#include <QCoreApplication>

std::optional<int64_t> TransferProgress::remainingMs() const {
    if (done <= 0 || done > total) return std::nullopt;
    return elapsedMs * (total - done) / done;
}

QString TransferProgress::text() const {
    const std::optional<int64_t> left = remainingMs();
    // The time left is rounded up, so it reads 0:00 only when nothing is left.
    const QString leftText = left ? clockText(*left + 999) : QStringLiteral("--:--");
    return QCoreApplication::translate("TransferProgress", "経過 %1 / 残り %2")
        .arg(clockText(elapsedMs), leftText);
}

QString clockText(int64_t ms) {
    const int64_t seconds = ms < 0 ? 0 : ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
