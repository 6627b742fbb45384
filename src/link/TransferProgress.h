#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// How far a whole-memory transfer has come and how long it has still to go, from the blocks done
// and the time taken so far. Every block takes about as long as the others on a given line, so
// the time left is the time per block so far times the blocks still to do.
struct TransferProgress {
    int done = 0;
    int total = 0;
    int64_t elapsedMs = 0;

    // Unknown until the first block is done.
    std::optional<int64_t> remainingMs() const;
    // "経過 0:42 / 残り 1:35", with "--:--" while the time left is unknown.
    QString text() const;
};

// Minutes and seconds: "0:07", "2:15", "75:00".
QString clockText(int64_t ms);
