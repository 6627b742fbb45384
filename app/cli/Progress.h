#pragma once

#include <QElapsedTimer>
#include <QString>

#include "CliOptions.h"

// How far a transfer has come, on standard error: a one-line bar for a person, or one JSON object
// a block for another program.
class Progress {
public:
    explicit Progress(ProgressStyle style) : style_(style) {}

    // A transfer of `units` units of `unitBytes` bytes each begins.
    void begin(const QString& operation, int units, int unitBytes);
    // `done` units are through.
    void advance(int done);
    // The transfer has ended, well or not.
    void end();

private:
    ProgressStyle style_;
    QString operation_;
    int units_ = 0;
    int unitBytes_ = 0;
    int done_ = 0;
    bool barShown_ = false;
    QElapsedTimer clock_;
};
