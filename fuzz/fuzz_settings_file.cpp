// Every reader of a settings file on the same arbitrary bytes. A bad file ends in a ProgramError,
// or an index error for a line beyond a table, as the failure report expects; nothing else. What
// a reader takes, its writer saves and the reader takes back the same. A device record loaded is
// shown as the device editor shows it, and its pins and addressing chosen again.

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

bool sameText(const QString& read, const QString& readBack) {
    return read == readBack || holdsRawByte(read);
}

// The editor's four configuration boxes for the record loaded, with its choices made again.
void showInEditor(const ProgramState& state) {
    ConfigPreview preview{state.ControlBytes[0], state.ControlBytes[1], state.ControlBytes[2],
                          state.ControlBytes[3]};
    const std::array<int, 3> levels = {state.DeviceParams[0], state.DeviceParams[1],
                                       state.DeviceParams[2]};
    const std::array<int, 3> sources = {state.DeviceParams[3], state.DeviceParams[4],
                                        state.DeviceParams[5]};
    for (int k = 0; k < 3; ++k) {
        applyPinChoice(preview, k, levels[k], sources, state.WriterCpu);
        applyAddressingChoice(preview, k + 1, sources[k], levels);
    }
    if (ConfigPreview::fromTexts(preview.texts()) != preview)
        breach("the editor's configuration boxes read back different");
}

template <typename Step>
void guarded(Step step) {
    try {
        step();
    } catch (const ProgramError&) {
    } catch (const std::out_of_range&) {
    }
}

// What `read` takes from the file at `path` into `state`, `write` saves, and `read` takes the
// saved file back into a fresh state that `same` finds equal.
template <typename Read, typename Write, typename Same>
void readsBack(ProgramState& state, const QString& path, Read read, Write write, Same same,
               const char* difference) {
    guarded([&] {
        read(state, path);
        write(savedFilePath());
        ProgramState again;
        read(again, savedFilePath());
        if (!same(again)) breach(difference);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QString path = writeInputFile(data, size);
    ProgramState state;
    QString dataFileName;
    QString againName;
    readsBack(
        state, path, [&](ProgramState& into, const QString& from) {
            readFlagFile(into, from, &into == &state ? dataFileName : againName);
        },
        [&](const QString& to) { writeFlagFile(state, to, dataFileName); },
        [&](const ProgramState& again) {
            return again.FlagTable == state.FlagTable && sameText(dataFileName, againName);
        },
        "flag.txt reads back different");
    readsBack(
        state, path, readCustomFile, [&](const QString& to) { writeCustomFile(state, to); },
        [&](const ProgramState& again) {
            return again.DeviceIndex == state.DeviceIndex &&
                   sameText(state.CustomCodeName, again.CustomCodeName);
        },
        "custom.txt reads back different");
    guarded([&] { readCodeFile(state, path); });
    readsBack(
        state, path, readCommFile, [&](const QString& to) { writeCommFile(state, to); },
        [&](const ProgramState& again) {
            return sameText(state.CommSettings[0], again.CommSettings[0]) &&
                   sameText(state.CommSettings[1], again.CommSettings[1]);
        },
        "comm.txt reads back different");
    readsBack(
        state, path, readColorFile, [&](const QString& to) { writeColorFile(state, to); },
        [&](const ProgramState& again) { return again.ColorTable == state.ColorTable; },
        "color.txt reads back different");
    guarded([&] { readCpuFile(state, path); });
    guarded([&] { scanDeviceFile(path); });
    guarded([&] { readDeviceChoices(path); });
    guarded([&] {
        const CpuChoices choices = readCpuChoices(path);
        writeCpuChoices(savedFilePath(), choices.current, choices.names);
        const CpuChoices again = readCpuChoices(savedFilePath());
        if (!sameText(choices.current, again.current) || again.names.size() != choices.names.size())
            breach("cpu.txt reads back different");
        cpuListPosition(choices);
    });
    guarded([&] {
        QStringList catalogue = readAllLines(path);
        placeRecord(catalogue, deviceRecordLines("x", "256", "8", {0, 0, 0}, {0, 1, 2}), false, 0);
    });
    for (int16_t index = 0; index < 2; ++index) {
        guarded([&] {
            DeviceLabels labels;
            applyDeviceRecord(state, path, index, labels);
            deriveDeviceParameters(state);
            showInEditor(state);
        });
    }
    return 0;
}
