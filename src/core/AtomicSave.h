#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces the file at `path` with `bytes` through a temporary file beside it. The previous file
// stays byte for byte unless the new one was written whole and reached the disk, so a save that
// returns has really been made. Throws ProgramError saying why, in the user's language.
void saveAtomically(const QString& path, QByteArrayView bytes);
