#pragma once

#include <QString>

// The message line's texts of an operation's end and of each block or byte, whole sentences for
// each operation so that a translation can word each its own way.
enum class LinkOutcome {
    ByteCompleted,   // %1: the byte, two hexadecimal digits
    ByteError,       // %1: the byte, or the cell's text when no frame could be built
    BlockCompleted,  // %1: the block
    BlockError,      // %1: the block
    Completed,
    AllCompleted,
    Stopped,  // %1: the last block done
};

QString linkMessage(int operation, LinkOutcome outcome);
