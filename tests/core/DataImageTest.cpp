#include <gtest/gtest.h>

#include <stdexcept>

#include "DataImage.h"
#include "ProgramError.h"

TEST(DataImage, StartsEmptyAndKeepsCellsAsWritten) {
    DataImage image;
    EXPECT_TRUE(image.isEmpty(0));
    EXPECT_EQ(image.at(0x1FFFF), QString());
    image.set(0x1FFFF, u"aB");
    image.set(0, u"0f");
    EXPECT_EQ(image.at(0x1FFFF), QStringLiteral("aB"));
    EXPECT_EQ(image.at(0), QStringLiteral("0f"));
    image.fill(u"FF");
    EXPECT_EQ(image.at(0x12345), QStringLiteral("FF"));
    EXPECT_EQ(image.at(0x1FFFF), QStringLiteral("FF"));
}

TEST(DataImage, AddressOutsideTheImageIsAnIndexError) {
    DataImage image;
    EXPECT_THROW(image.at(0x20000), ProgramError);
    EXPECT_THROW(image.set(-1, u"00"), ProgramError);
}
