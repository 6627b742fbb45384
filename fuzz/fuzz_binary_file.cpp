// The binary format on arbitrary bytes: what loads saves and loads back to the same image.

#include "FuzzInput.h"
#include "RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    binaryRoundTrip(writeInputFile(data, size));
    return 0;
}
