// The HEX reader on arbitrary bytes, as the window reads them (CR LF) and as the command line
// does (lone LF too), each into a fresh image: every outcome is a result or a ProgramError.

#include "DataImage.h"
#include "FuzzInput.h"
#include "HexFormat.h"
#include "ProgramError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QString path = writeInputFile(data, size);
    for (const LineEnds ends : {LineEnds::CrOrCrLf, LineEnds::AlsoLf}) {
        DataImage image;
        HexComments comments;
        HexFormat::ReadState state;
        try {
            const HexFormat::LoadResult result =
                HexFormat::load(path, image, comments, state, ends);
            HexFormat::recordErrorMessage(QStringLiteral("a.hex"), result.errorText, result.line);
        } catch (const ProgramError&) {
        }
    }
    return 0;
}
