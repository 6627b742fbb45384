#pragma once

#include <QString>

struct ProgramState;

// Readers and writers of the settings files. The readers fill the state record line by line, so
// a file that fails part-way keeps what was read before the failing line; every failure throws
// ProgramError (or std::out_of_range for a line beyond a table).

// flag.txt: lines 1 to 19 into FlagTable, line 20 the data file saved last into dataFileName
// (left alone when the file is shorter). A 21st line is an index error.
void readFlagFile(ProgramState& state, const QString& path, QString& dataFileName);
void writeFlagFile(const ProgramState& state, const QString& path, const QString& dataFileName);

// custom.txt: pairs of lines, the last pair wins: CustomCodeName, then DeviceIndex.
void readCustomFile(ProgramState& state, const QString& path);
void writeCustomFile(const ProgramState& state, const QString& path);

// code.txt: 256 display texts, one per byte value; later lines are ignored.
void readCodeFile(ProgramState& state, const QString& path);

// comm.txt: port number and line speed, kept as text; later lines are ignored.
void readCommFile(ProgramState& state, const QString& path);
void writeCommFile(const ProgramState& state, const QString& path);

// color.txt: ColorTable(0) to ColorTable(19) as decimal Windows colour values.
void readColorFile(ProgramState& state, const QString& path);
void writeColorFile(const ProgramState& state, const QString& path);

// cpu.txt: line 1 is the controller on the writer board.
void readCpuFile(ProgramState& state, const QString& path);
