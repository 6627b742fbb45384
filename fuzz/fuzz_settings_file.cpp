// Every reader of a settings file on the same arbitrary bytes. A bad file ends in a ProgramError,
// or an index error for a line beyond a table, as the failure report expects; nothing else.

#include <stdexcept>

#include "DeviceCatalogue.h"
#include "DeviceEditor.h"
#include "DeviceSelection.h"
#include "FuzzInput.h"
#include "LineFile.h"
#include "ProgramError.h"
#include "ProgramState.h"
#include "SettingsFiles.h"

namespace {

template <typename Step>
void guarded(Step step) {
    try {
        step();
    } catch (const ProgramError&) {
    } catch (const std::out_of_range&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QString path = writeInputFile(data, size);
    ProgramState state;
    guarded([&] {
        QString dataFileName;
        readFlagFile(state, path, dataFileName);
    });
    guarded([&] { readCustomFile(state, path); });
    guarded([&] { readCodeFile(state, path); });
    guarded([&] { readCommFile(state, path); });
    guarded([&] { readColorFile(state, path); });
    guarded([&] { readCpuFile(state, path); });
    guarded([&] { scanDeviceFile(path); });
    guarded([&] { readDeviceChoices(path); });
    guarded([&] { cpuListPosition(readCpuChoices(path)); });
    guarded([&] {
        QStringList catalogue = readAllLines(path);
        placeRecord(catalogue, deviceRecordLines("x", "256", "8", {0, 0, 0}, {0, 1, 2}), false, 0);
    });
    for (int16_t index = 0; index < 2; ++index) {
        guarded([&] {
            DeviceLabels labels;
            applyDeviceRecord(state, path, index, labels);
            deriveDeviceParameters(state);
        });
    }
    return 0;
}
