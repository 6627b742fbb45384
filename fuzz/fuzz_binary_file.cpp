// The binary reader on arbitrary bytes, into a fresh image.

#include "BinaryFormat.h"
#include "DataImage.h"
#include "FuzzInput.h"
#include "ProgramError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    DataImage image;
    try {
        BinaryFormat::countLine(BinaryFormat::load(writeInputFile(data, size), image));
    } catch (const ProgramError&) {
    }
    return 0;
}
