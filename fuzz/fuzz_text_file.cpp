// The text format's reader on arbitrary bytes, with CR LF and with lone-LF line ends, each into a
// fresh image: every outcome is a result or a ProgramError.

#include "DataImage.h"
#include "FuzzInput.h"
#include "ProgramError.h"
#include "TextFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QString path = writeInputFile(data, size);
    for (const LineEnds ends : {LineEnds::CrOrCrLf, LineEnds::AlsoLf}) {
        DataImage image;
        try {
            const TextFormat::LoadResult result = TextFormat::load(path, image, ends);
            if (result.outcome == TextFormat::LoadResult::Outcome::BadCell) {
                TextFormat::badCellMessage(QStringLiteral("a.txt"), result.address,
                                           result.cellText);
            }
        } catch (const ProgramError&) {
        }
    }
    return 0;
}
