#include <gtest/gtest.h>

#include "AddressText.h"

TEST(AddressText, SmallDevicesUseFourDigits) {
    EXPECT_EQ(funDHChange(0x1200, AddressForm::Full, 65536, 0x12), QStringLiteral("0x1200"));
    EXPECT_EQ(funDHChange(0x1205, AddressForm::Row, 65536, 0x12), QStringLiteral("0x125"));
    EXPECT_EQ(funDHChange(0xFFFF, AddressForm::Full, 65536, 0xFF), QStringLiteral("0xFFFF"));
    EXPECT_EQ(funDHChange(0x000F, AddressForm::Row, 256, 0), QStringLiteral("0x00F"));
}

TEST(AddressText, LargeDevicesTakeTheFifthDigitFromTheBlockShown) {
    EXPECT_EQ(funDHChange(0xFF00, AddressForm::Full, 131072, 0xFF), QStringLiteral("0x0FF00"));
    EXPECT_EQ(funDHChange(0xFF0F, AddressForm::Row, 131072, 0xFF), QStringLiteral("0x0FFF"));
    EXPECT_EQ(funDHChange(0x10000, AddressForm::Full, 131072, 0x100), QStringLiteral("0x10000"));
    EXPECT_EQ(funDHChange(0x11205, AddressForm::Row, 131072, 0x112), QStringLiteral("0x1125"));
}
