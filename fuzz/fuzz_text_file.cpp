// The text format's reader on arbitrary bytes: every outcome is a result or a ProgramError.

#include "DataImage.h"
#include "FuzzInput.h"
#include "ProgramError.h"
#include "TextFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static DataImage image;
    try {
        const TextFormat::LoadResult result = TextFormat::load(writeInputFile(data, size), image);
        if (result.outcome == TextFormat::LoadResult::Outcome::BadCell) {
            TextFormat::badCellMessage(QStringLiteral("a.txt"), result.address, result.cellText);
        }
    } catch (const ProgramError&) {
    }
    return 0;
}
