#pragma once

#include <QString>

// Fusion draws every group box frame from one small PNG, which it loads by file name the first
// time a group box is painted. Loading an image by name makes Qt load every image-format plugin
// installed (GIF, ICO, JPEG, and their libraries) only to learn that none of them reads PNG, which
// costs the first paint some milliseconds. cacheGroupBoxFrameImage decodes the image with Qt's own
// PNG reader and leaves it in the pixmap cache under the name Fusion's load looks for, so the first
// paint finds it there. The pixels are the same either way; under any other style it does nothing.
void cacheGroupBoxFrameImage();

inline constexpr char kGroupBoxFrameImage[] =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

// The name under which QPixmap keeps an image it loaded from `path` (Qt 6): should Qt name it
// otherwise, the image is simply loaded again, as without the cache.
QString loadedPixmapKey(const QString& path);
