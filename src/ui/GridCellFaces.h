#pragma once

#include <QCache>
#include <QHashFunctions>
#include <QLineEdit>
#include <QObject>
#include <QPixmap>
#include <QRgb>
#include <QSize>
#include <QString>

class GridCell;

// The looks of the grid's cells, drawn once and shared by all of them. A cell at rest looks like
// any other showing the same text in the same colours, and a block change sets 256 of them at
// once: copying a picture made earlier is many times cheaper than laying out the frame and text.
// The pictures are drawn by line edits kept hidden for the purpose, so they are what the cell
// itself would paint.
class GridCellFaces final : public QObject {
public:
    // Made by the grid, and gone with it.
    explicit GridCellFaces(QObject* grid);

    // The cell as it would paint itself, corners included, in its state of now.
    QPixmap faceOf(const GridCell& cell);
    void clear();

private:
    // What tells the cells' looks apart; they share their alignment, margins and frame.
    struct Key {
        QString text;
        QRgb textColour;
        QRgb backColour;
        QRgb frameColour;  // the window colour of the cell's palette, which the frame is drawn from
        QRgb cornerColour;
        QSize size;
        qreal pixelRatio;
        bool enabled;
        bool active;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.text, key.textColour, key.backColour, key.frameColour,
                              key.cornerColour, key.size.width(), key.size.height(), key.pixelRatio,
                              key.enabled, key.active);
        }
    };

    QPixmap cached(const GridCell& cell, const Key& key);
    QPixmap draw(const GridCell& cell, const Key& key);
    QPixmap drawWhole(const GridCell& cell, const Key& key);
    QPixmap drawOverBlank(const GridCell& cell, const Key& key);
    bool textDrawsApart(const GridCell& cell, const Key& key);

    // A text, its colours and the size: a few thousand at most, a few kilobytes each.
    QCache<Key, QPixmap> faces_{8 << 20};
    // Draws whole faces: frame, background and text.
    QLineEdit stamp_;
    // Draws a text alone, without frame or background, where the cell's frame would leave it, onto
    // the face of the blank cell in the same colours. Most of a face's cost is the frame, so the
    // many texts of a block share one.
    QLineEdit textStamp_;
    // Whether a text drawn apart gives the very pixels of a whole face, since a style may draw a
    // frameless box otherwise: checked on the first face, and again when the cells' size, font
    // or style changes.
    QSize textApartCheckedFor_;
    bool textApartMatches_ = false;
    qint64 appPalette_ = 0;
};
