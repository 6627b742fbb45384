#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include "Colours.h"

TEST(Colours, WindowsValuesAreBlueGreenRed) {
    EXPECT_EQ(toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xFF3300), QColor(0x00, 0x33, 0xFF));
    EXPECT_EQ(toQColor(16777215), QColor(255, 255, 255));
    EXPECT_EQ(toQColor(0), QColor(0, 0, 0));
}

TEST(Colours, TopBitNamesASystemColour) {
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(toQColor(static_cast<int32_t>(0x80000012u)), palette.color(QPalette::ButtonText));
    EXPECT_EQ(toQColor(static_cast<int32_t>(0x8000000Fu)), palette.color(QPalette::Button));
    EXPECT_EQ(toQColor(static_cast<int32_t>(0x80000005u)), palette.color(QPalette::Base));
}

TEST(Colours, TextAndBackgroundAreSetApartOrTogether) {
    QLabel label;
    setTextColour(&label, 255);
    setBackColour(&label, 0xFF0000);
    EXPECT_EQ(textColour(&label), QColor(255, 0, 0));
    EXPECT_EQ(backColour(&label), QColor(0, 0, 255));
    // Together, each is set also when the other is already there.
    setColours(&label, 0x00FF00, 0xFF0000);
    setColours(&label, 0x00FF00, 0x0000FF);
    EXPECT_EQ(textColour(&label), QColor(0, 255, 0));
    EXPECT_EQ(backColour(&label), QColor(255, 0, 0));
}
