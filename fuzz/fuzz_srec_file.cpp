// The S-record reader on arbitrary bytes, into a fresh image; a load that succeeds saves and
// loads back to the same bytes.

#include "FuzzInput.h"
#include "RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    sRecordRoundTrip(writeInputFile(data, size));
    return 0;
}
