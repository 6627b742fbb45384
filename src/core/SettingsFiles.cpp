#include "SettingsFiles.h"

#include <QStringList>

#include "LineFile.h"
#include "Numbers.h"
#include "ProgramState.h"

namespace {

constexpr int kFlagLines = 19;  // FlagTable(0) to FlagTable(18); line 20 is the file name
constexpr int kColourLines = 20;

template <typename Table, typename Convert>
void readTable(LineReader& reader, Table& table, int count, Convert convert) {
    for (int i = 0; i < count; ++i) table.at(i) = convert(reader.readLine());
}

}  // namespace

void readFlagFile(ProgramState& state, const QString& path, QString& dataFileName) {
    LineReader reader(path);
    for (int i = 0; !reader.atEnd(); ++i) {
        const QString line = reader.readLine();
        if (i == kFlagLines) {
            dataFileName = line;
        } else {
            int16_t& entry =
                state.FlagTable.at(i);  // a 21st line is an index error, whatever it holds
            entry = toInteger16(line);
        }
    }
}

void writeFlagFile(const ProgramState& state, const QString& path, const QString& dataFileName) {
    QStringList lines;
    for (int i = 0; i < kFlagLines; ++i) lines << QString::number(state.FlagTable[i]);
    lines << dataFileName;
    writeLines(path, lines);
}

void readCustomFile(ProgramState& state, const QString& path) {
    LineReader reader(path);
    while (!reader.atEnd()) {
        state.CustomCodeName = reader.readLine();
        state.DeviceIndex = toInteger16(reader.readLine());
    }
}

void writeCustomFile(const ProgramState& state, const QString& path) {
    writeChangedLines(path, {state.CustomCodeName, QString::number(state.DeviceIndex)});
}

void readCodeFile(ProgramState& state, const QString& path) {
    LineReader reader(path);
    readTable(reader, state.CodeTable, int(state.CodeTable.size()),
              [](const QString& line) { return line; });
}

void readCommFile(ProgramState& state, const QString& path) {
    LineReader reader(path);
    readTable(reader, state.CommSettings, 2, [](const QString& line) { return line; });
}

void writeCommFile(const ProgramState& state, const QString& path) {
    writeLines(path, {state.CommSettings[0], state.CommSettings[1]});
}

void readColorFile(ProgramState& state, const QString& path) {
    LineReader reader(path);
    readTable(reader, state.ColorTable, kColourLines, toInteger32);
}

void writeColorFile(const ProgramState& state, const QString& path) {
    QStringList lines;
    for (int i = 0; i < kColourLines; ++i) lines << QString::number(state.ColorTable[i]);
    writeLines(path, lines);
}

void readCpuFile(ProgramState& state, const QString& path) {
    LineReader reader(path);
    state.WriterCpu = reader.readLine();
}
