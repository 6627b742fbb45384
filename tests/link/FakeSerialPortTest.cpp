#include <gtest/gtest.h>

#include <stdexcept>

#include "FakeSerialPort.h"

namespace {

TEST(FakeSerialPortTest, LogsCallsInOrderAndKeepsOnlyFramesSentWhileOpen) {
    FakeSerialPort port;
    port.send(QByteArray::fromHex("01"));
    port.setPortNumber(3);
    port.setSpeed(9600);
    EXPECT_TRUE(port.open());
    port.resetFirst();
    port.resetSecond();
    port.send(QByteArray::fromHex("a900ff"));
    port.close();

    EXPECT_EQ(port.calls, QStringList({"send 01", "setPortNumber 3", "setSpeed 9600", "open",
                                       "resetFirst", "resetSecond", "send A9 00 FF", "close"}));
    EXPECT_EQ(port.sentFrames, QList<QByteArray>{QByteArray::fromHex("a900ff")});
    EXPECT_FALSE(port.isOpen());

    port.openResult = false;
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
}

TEST(FakeSerialPortTest, FailingCallIsLoggedButChangesNothing) {
    FakeSerialPort port;
    port.failWith = [](const QString& operation) {
        if (operation == "open" || operation == "send") throw std::runtime_error("port");
    };
    EXPECT_THROW(port.open(), std::runtime_error);
    EXPECT_FALSE(port.isOpen());

    port.failWith = [](const QString& operation) {
        if (operation == "send") throw std::runtime_error("port");
    };
    EXPECT_TRUE(port.open());
    EXPECT_THROW(port.send("x"), std::runtime_error);
    EXPECT_TRUE(port.sentFrames.isEmpty());
    EXPECT_EQ(port.calls, QStringList({"open", "open", "send 78"}));
}

TEST(FakeSerialPortTest, DeliversOnlyWhenOpenAndToTheCurrentHandler) {
    FakeSerialPort port;
    QByteArray received;
    const QByteArray tag = "first:";
    port.setReceiveHandler([&, tag](const QByteArray& bytes) {
        port.setReceiveHandler([&](const QByteArray& later) { received += later; });
        received += tag + bytes;  // the replaced handler's own state is still in use here
    });
    EXPECT_FALSE(port.deliver("lost"));

    port.open();
    EXPECT_TRUE(port.deliver("a"));
    EXPECT_TRUE(port.deliver("b"));
    EXPECT_EQ(received, "first:ab");

    port.setReceiveHandler({});
    EXPECT_FALSE(port.deliver("c"));
}

}  // namespace
