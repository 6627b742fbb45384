// A READ through the real window, serial port layer and pseudo-terminal, from our own firmware
// running in the simulator.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include "ProgramFolder.h"
#include "Pty.h"

TEST(AvrBoardWindow, WholeMemoryReadFillsTheImageFromTheChip) {
    ProgramFolder folder;
    QByteArray chip(512, '\0');
    for (int a = 0; a < chip.size(); ++a) chip[a] = static_cast<char>(a * 11 + 3);
    QFile image(folder.path("chip.bin"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly) && image.write(chip) == chip.size());
    image.close();
    QProcess board;
    board.start(QStringLiteral(AVR_BOARD), {"--chip", "24C04", "--image", folder.path("chip.bin"),
                                            "--link", folder.path("設定/COM1")});
    ASSERT_TRUE(board.waitForStarted(5000) && board.waitForReadyRead(10000));

    RealPortWindowFixture fx(folder);
    fx.start();
    fx.selectDevice(SampleDevice::k24C04);
    fx.control<QRadioButton>("optComm(1)")->click();  // 全メモリー
    auto* read = fx.control<QPushButton>("cmdComm(1)");
    read->click();
    read->click();  // START
    auto* message = fx.control<QLabel>("lblMessage");
    EXPECT_TRUE(pumpUntil([&] { return message->text() == QStringLiteral("All Read Completed"); }))
        << message->text().toStdString();
    for (const int a : {0x000, 0x0FF, 0x100, 0x1FF}) {
        EXPECT_EQ(fx.state->Image.at(a).toUInt(nullptr, 16), uint8_t(chip[a])) << a;
    }
    fx.window->close();
    board.terminate();
    board.waitForFinished(5000);
}
