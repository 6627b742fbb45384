// The HEX format on arbitrary bytes, with CR LF and with lone-LF line ends: a load that succeeds
// saves and loads back to the same image and comments.

#include "FuzzInput.h"
#include "RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    hexRoundTrip(writeInputFile(data, size));
    return 0;
}
