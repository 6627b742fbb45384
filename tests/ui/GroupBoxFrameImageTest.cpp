#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

#include "GroupBoxFrameImage.h"

// The cached frame is only found if the key is the one Qt's own load uses, and it must hold the
// pixels Qt's own load would have given Fusion.
TEST(GroupBoxFrameImage, IsFoundByQtsOwnLoadAndHoldsTheSamePixels) {
    ASSERT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    const QString path = QString::fromLatin1(kGroupBoxFrameImage);
    QPixmapCache::clear();
    const QPixmap loadedByQt(path);
    QPixmap found;
    ASSERT_TRUE(QPixmapCache::find(loadedPixmapKey(path), &found));
    EXPECT_EQ(found.cacheKey(), loadedByQt.cacheKey());

    QPixmapCache::clear();
    cacheGroupBoxFrameImage();
    ASSERT_TRUE(QPixmapCache::find(loadedPixmapKey(path), &found));
    const QPixmap asFusionLoadsIt(path);
    EXPECT_EQ(asFusionLoadsIt.cacheKey(), found.cacheKey());
    EXPECT_EQ(asFusionLoadsIt.toImage(), loadedByQt.toImage());
}
