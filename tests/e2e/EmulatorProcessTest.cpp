#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "LinkTestSupport.h"
#include "Pty.h"
#include "QtSerialPort.h"
#include "ScriptedDialogs.h"

namespace {

// writer-sim started as the run command starts it, linked where the program looks for COM5.
class EmulatorProcess : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }

    void startEmulator(const QStringList& extra) {
        emulator_.start(QStringLiteral(WRITER_SIM), QStringList{"--link", link()} + extra);
        ASSERT_TRUE(emulator_.waitForStarted(5000));
        ASSERT_TRUE(pumpUntil([&] { return QFileInfo(link()).isSymLink(); }));
        port_.setPortNumber(5);
        port_.setSpeed(115200);
        ASSERT_TRUE(port_.open());
    }
    void TearDown() override {
        port_.close();
        emulator_.terminate();
        emulator_.waitForFinished(5000);
    }

    QString link() const { return folder_.filePath(QStringLiteral("COM5")); }
    bool runToTheEnd(int operation) {
        window_.enables = 0;
        startOperation(state_, link_, operation, LinkFrames::Unit::WholeMemory);
        return pumpUntil([&] { return window_.enables > 0; }) && window_.enables == 1;
    }

    QTemporaryDir folder_;
    QProcess emulator_;
    QtSerialPort port_{folder_.path() + '/'};
    ProgramState state_;
    ScriptedDialogs dialogs_;
    RecordingWindow window_{state_};
    WriterLink link_{state_, port_, dialogs_, window_};
};

}  // namespace

TEST_F(EmulatorProcess, ReadsTheLoadedImageBackAndVerifiesIt) {
    QByteArray image(1024, '\0');
    for (int i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 13 + (i >> 8));
    const QString imageFile = folder_.filePath(QStringLiteral("chip.bin"));
    QFile file(imageFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    file.close();
    startEmulator({"--image", imageFile});
    selectDevice(state_, window_, 4);

    ASSERT_TRUE(runToTheEnd(LinkFrames::Operation::Read));
    EXPECT_EQ(window_.messages.last(), QStringLiteral("All Read Completed"));
    for (int a : {0, 0xFF, 0x100, 0x3FF}) {
        EXPECT_EQ(state_.Image.at(a), hexByte(static_cast<uint8_t>(image[a]))) << a;
    }
    ASSERT_TRUE(runToTheEnd(LinkFrames::Operation::Verify));
    EXPECT_EQ(window_.messages.last(), QStringLiteral("All Verify Completed"));
    EXPECT_TRUE(dialogs_.shown.isEmpty());
}

TEST_F(EmulatorProcess, WrittenBytesAreSavedByTheEmulatorOnExit) {
    const QString saved = folder_.filePath(QStringLiteral("after.bin"));
    startEmulator({"--save", saved});
    selectDevice(state_, window_, 2);
    for (int a = 0; a < 512; ++a) state_.Image.set(a, hexByte(static_cast<uint8_t>(a)));
    ASSERT_TRUE(runToTheEnd(LinkFrames::Operation::Write));
    EXPECT_EQ(window_.messages.last(), QStringLiteral("All Write Completed"));

    emulator_.terminate();
    ASSERT_TRUE(emulator_.waitForFinished(5000));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray memory = file.readAll();
    ASSERT_EQ(memory.size(), 0x20000);
    EXPECT_EQ(static_cast<uint8_t>(memory[0x1FE]), 0xFE);
    EXPECT_EQ(static_cast<uint8_t>(memory[0x17]), 0x17);
    EXPECT_EQ(static_cast<uint8_t>(memory[0x200]), 0xFF);  // beyond the device: untouched
    EXPECT_FALSE(QFileInfo::exists(link()));               // the emulator removed its link
}

TEST_F(EmulatorProcess, VerifyAfterWriteFindsTheByteTheBoardChanges) {
    startEmulator({"--flip", "0x1A5"});
    selectDevice(state_, window_, 2);
    for (int a = 0; a < 512; ++a) state_.Image.set(a, u"00");
    link_.setVerifyAfterWrite(true);
    ASSERT_TRUE(runToTheEnd(LinkFrames::Operation::Write));
    EXPECT_EQ(window_.messages.last(), QStringLiteral("red All Write Completed / 1 Verify Error"));
    EXPECT_EQ(window_.differences,
              QStringList{QStringLiteral("0x001A5: 00 ≠ 01 (1 byte differs)")});
}
