#include "Progress.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

QString duration(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

void put(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

}  // namespace

void Progress::begin(const QString& operation, int units, int unitBytes) {
    operation_ = operation;
    units_ = units;
    unitBytes_ = unitBytes;
    done_ = 0;
    barShown_ = false;
    clock_.start();
}

void Progress::advance(int done) {
    if (style_ == ProgressStyle::None || done <= done_) return;
    done_ = done;
    const double seconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    const double bytes = static_cast<double>(done) * unitBytes_;
    const double rate = seconds > 0 ? bytes / seconds : 0;
    const double left = rate > 0 ? (static_cast<double>(units_ - done) * unitBytes_) / rate : 0;
    if (style_ == ProgressStyle::Json) {
        put(QStringLiteral("{\"operation\":\"%1\",\"block\":%2,\"blocks\":%3,\"bytes\":%4,"
                           "\"bytesPerSecond\":%5,\"secondsLeft\":%6}\n")
                .arg(operation_)
                .arg(done)
                .arg(units_)
                .arg(static_cast<qint64>(bytes))
                .arg(static_cast<qint64>(rate))
                .arg(left, 0, 'f', 1));
        return;
    }
    constexpr int kWidth = 30;
    const int filled = units_ > 0 ? done * kWidth / units_ : kWidth;
    const QString bar = QString(filled, u'#') + QString(kWidth - filled, u'.');
    put(u'\r' + QCoreApplication::translate("Progress", "%1 [%2] %3/%4 ブロック  %5 B/s  残り %6 ")
                    .arg(operation_, bar, QString::number(done), QString::number(units_),
                         QString::number(static_cast<qint64>(rate)), duration(left)));
    barShown_ = true;
}

void Progress::end() {
    if (barShown_) put(QStringLiteral("\n"));
    barShown_ = false;
}
