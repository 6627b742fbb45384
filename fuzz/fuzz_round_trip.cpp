// Any input loaded as each format, saved and loaded again gives the same image; the HEX comments
// and their CP932 text come back too.

#include "FuzzInput.h"
#include "RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    for (const auto roundTrip : {textRoundTrip, hexRoundTrip, binaryRoundTrip, sRecordRoundTrip}) {
        roundTrip(writeInputFile(data, size));
    }
    return 0;
}
