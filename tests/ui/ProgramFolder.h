#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>

#include "Controls.h"
#include "FakeSerialPort.h"
#include "FrmBase.h"
#include "ProgramState.h"
#include "QtSerialPort.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

// A program folder filled with the sample settings and data, which a test may change before it
// starts the main window on it.
class ProgramFolder {
public:
    ProgramFolder();

    QString path(const QString& relative = {}) const { return folder_.path(relative); }
    void writeSetting(const QString& name, const QStringList& lines) const;
    void removeSetting(const QString& name) const;
    QStringList settingLines(const QString& name) const;
    // Replaces line `index` (from 0) of a settings file.
    void replaceSettingLine(const QString& name, int index, const QString& text) const;
    // A data file in データー/.
    void writeData(const QString& name, const QStringList& lines) const;
    void writeDataBytes(const QString& name, const QByteArray& bytes) const;
    QStringList dataLines(const QString& name) const;
    QByteArray dataBytes(const QString& name) const;

private:
    TempFolder folder_;
};

// Positions of devices in the sample catalogue.
namespace SampleDevice {
constexpr int k24C02 = 0;    // 256 bytes
constexpr int k24C04 = 1;    // 512 bytes
constexpr int k24C256 = 7;   // 32768 bytes, selected at start
constexpr int k24C512 = 8;   // 65536 bytes
constexpr int k24C1024 = 9;  // 131072 bytes
}  // namespace SampleDevice

// The main window on a program folder, with scripted dialogs and a port: the in-memory fake, or
// the real serial port layer, which follows 設定/COM<n> as the program does.
template <typename Port>
struct WindowFixture {
    explicit WindowFixture(const ProgramFolder& folder);

    // Runs start-up and shows the window.
    void start();
    // What a user does in the device list and the block box.
    void selectDevice(int index) const;
    void showBlock(int block) const;
    template <typename T>
    T* control(const QString& name) const {
        return ::control<T>(*window, name);
    }
    // The dialogs showed one box: with this title, its text starting so.
    ::testing::AssertionResult showedOnly(const QString& title, const QString& textStart) const;

    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    Port port;
    std::unique_ptr<FrmBase> window;
};

using MainWindowFixture = WindowFixture<FakeSerialPort>;
using RealPortWindowFixture = WindowFixture<QtSerialPort>;

// Settings files live in 設定/, except code.txt in データー/code/.
QString settingPath(const QString& name);
