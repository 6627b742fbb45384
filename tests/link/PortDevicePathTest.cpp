// Which device a port number opens, on each system.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "QtSerialPort.h"

#ifndef Q_OS_WIN
TEST(PortDevicePathTest, ComLinkInSettingsFolderWinsOverSystemNumbering) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + '/';
    QFile device(folder + "ttyBoard");
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(folder + "ttyBoard", folder + "COM1"));
    ASSERT_TRUE(QFile::link(folder + "COM1", folder + "COM2"));
    ASSERT_TRUE(QFile::link(folder + "gone", folder + "COM4"));
    const QString devicePath = QFileInfo(device).canonicalFilePath();

    EXPECT_EQ(portDevicePath(folder, 1), devicePath);
    EXPECT_EQ(portDevicePath(folder, 2), devicePath);  // chains are followed to the end
    // A dangling link must not fall back to a real port under the same number.
    EXPECT_EQ(portDevicePath(folder, 4), QFileInfo(folder + "gone").absoluteFilePath());

    EXPECT_EQ(portDevicePath(folder, 3), "/dev/ttyS2");
    EXPECT_EQ(portDevicePath(folder, 11), "/dev/ttyS10");  // COM1 is no prefix match for COM11
    EXPECT_EQ(portDevicePath("", 1), "/dev/ttyS0");
    EXPECT_FALSE(QFileInfo::exists(portDevicePath(folder, 0)));
}
#else
TEST(PortDevicePathTest, WindowsNamesThePortByItsNumberAndIgnoresFilesInTheSettingsFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + '/';
    QFile file(folder + "COM12");  // COM1 to COM9 are no file names on Windows, COM12 is
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));

    EXPECT_EQ(portDevicePath(folder, 1), "COM1");
    EXPECT_EQ(portDevicePath(folder, 9), "COM9");
    EXPECT_EQ(portDevicePath(folder, 10), "\\\\.\\COM10");  // from 10 on, only the device name opens
    EXPECT_EQ(portDevicePath(folder, 12), "\\\\.\\COM12");
    EXPECT_EQ(portLinkPath(folder, 12), "");
    EXPECT_EQ(portDevicePath("", 3), "COM3");
}
#endif
