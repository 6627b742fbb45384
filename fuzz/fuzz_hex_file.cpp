// The HEX reader on arbitrary bytes: every outcome is a result or a ProgramError.

#include "DataImage.h"
#include "FuzzInput.h"
#include "HexFormat.h"
#include "ProgramError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static DataImage image;
    HexComments comments;
    HexFormat::ReadState state;
    try {
        const HexFormat::LoadResult result =
            HexFormat::load(writeInputFile(data, size), image, comments, state);
        HexFormat::recordErrorMessage(QStringLiteral("a.hex"), result.errorText, result.line);
    } catch (const ProgramError&) {
    }
    return 0;
}
