#pragma once

#include <QByteArrayView>
#include <QString>

// How far a save goes before it returns. Either way the new file replaces the old one whole, so
// a failed or interrupted save leaves the previous file byte for byte.
//  - ToDisk: the new file's data reached the disk before the replacement; a power cut keeps it.
//  - CacheOnly: the data may still wait in the system's cache, and a power cut soon after may lose
//    the new file. For a file that can be made again from a source still on disk; it spares the
//    wait for the disk, which costs more than the whole save of an image.
enum class SaveSync { ToDisk, CacheOnly };

// Replaces the file at `path` with `bytes` through a temporary file beside it; a link is followed
// and an existing file's permissions are kept. Throws ProgramError saying why, in the user's
// language.
void saveAtomically(const QString& path, QByteArrayView bytes, SaveSync sync = SaveSync::ToDisk);

// Throws ProgramError when the system cannot hold a file under `path`: on Windows a path with a
// control character or one of < > " | ? * : (a colon only after the drive letter of an absolute
// path; anywhere else NTFS would write a hidden stream of another file). saveAtomically checks it
// first; a command checks it before the work whose result it saves.
void checkFileName(const QString& path);
