#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class DataImage;

// Raw bytes: byte k of the file is image address k, nothing else.
namespace BinaryFormat {

constexpr int32_t kMaxBytes = 0x20000;

// Once the file is open, sets the whole image to "00", then stores the file's first bytes (at
// most kMaxBytes) as two upper-case digits each. Returns how many bytes were taken. Throws
// ProgramError when the file cannot be opened (the image untouched) or read.
int32_t load(const QString& path, DataImage& image);

// The EndAddress text after a load: the last address loaded, upper-case hexadecimal without
// leading zeros; empty for an empty file, which has no last address.
QString endAddressText(int32_t byteCount);
// The line a load adds to comment list 1: "Count:0x" and the same address; empty (add nothing)
// for an empty file.
QString countLine(int32_t byteCount);

struct SaveResult {
    enum class Outcome { Written, Refused };
    Outcome outcome = Outcome::Written;
    QString refusedCharacter;  // Refused: the first character of EndAddress that is not a digit
    int32_t byteCount = 0;     // Written: EndAddress + 1
};

// Writes image addresses 0 to EndAddress. A character that is not a hexadecimal digit refuses
// the save without touching the file. Throws ProgramError for an empty EndAddress, one beyond
// the image, a cell that is not hexadecimal and a file that cannot be written; the file on disk
// is then left as it was.
SaveResult save(const QString& path, const DataImage& image, const QString& endAddress);

// Image addresses 0 to count - 1 as the file holds them; throws ProgramError as save does for a
// cell that is not hexadecimal.
QByteArray fileBytes(const DataImage& image, int32_t count);

// The messages for a character of EndAddress that is not a hexadecimal digit: met by a save,
// which then stops, or typed into the field, which then loses it.
QString refusedEndAddressMessage(const QString& character);
QString typedEndAddressMessage(const QString& character);

}  // namespace BinaryFormat
