#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

class DataImage;

// Where the chip and the image disagree in the bytes of one VERIFY reply.
struct VerifyDifferences {
    int32_t start = 0;         // image address of the first byte compared
    std::vector<int> offsets;  // offsets from start of the bytes that differ, ascending
    QString firstImageByte;    // the image's and the chip's byte at the first difference
    uint8_t firstChipByte = 0;

    bool any() const { return !offsets.empty(); }
    int32_t firstAddress() const { return start + offsets.front(); }
    // "0x01234: 5A ≠ 5B (3 bytes differ)": first address, image byte, chip byte, and the count.
    QString text() const;
};

// Compares the chip's bytes with the image from `start` on. The image is read as VERIFY always
// reads it: in address order, and a cell that is not a byte is an error (ProgramError) as long as
// nothing differs yet. After the first difference such a cell counts as one more difference.
VerifyDifferences compareWithImage(const DataImage& image, int32_t start,
                                   std::span<const uint8_t> chip);
