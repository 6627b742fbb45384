#include "GridCellFaces.h"

#include <QGuiApplication>
#include <QPainter>

#include "GridCell.h"

namespace {

QPalette::ColorGroup groupDrawn(const QWidget& widget) {
    if (!widget.isEnabled()) return QPalette::Disabled;
    return widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

}  // namespace

GridCellFaces::GridCellFaces(QObject* grid) : QObject(grid) {
    stamp_.setAttribute(Qt::WA_DontShowOnScreen);
}

QPixmap GridCellFaces::faceOf(const GridCell& cell) {
    // The roles the cells do not set come from the application's palette.
    if (const qint64 appPalette = QGuiApplication::palette().cacheKey();
        appPalette != appPalette_) {
        faces_.clear();
        appPalette_ = appPalette;
    }
    const QPalette& palette = cell.palette();
    const QPalette::ColorGroup group = groupDrawn(cell);
    Key key{cell.text(),
            palette.color(group, QPalette::Text).rgba(),
            palette.color(group, QPalette::Base).rgba(),
            palette.color(group, QPalette::Window).rgba(),
            cell.cornerColour().rgba(),
            cell.size(),
            cell.devicePixelRatio(),
            cell.isEnabled(),
            cell.isActiveWindow()};
    if (const QPixmap* face = faces_.object(key)) return *face;
    const QPixmap face = draw(cell, key);
    faces_.insert(key, new QPixmap(face),
                  qsizetype(face.width()) * face.height() * face.depth() / 8);
    return face;
}

QPixmap GridCellFaces::draw(const GridCell& cell, const Key& key) {
    // The stamp is a window of its own that is never shown, so it paints in the colours of an
    // inactive window: hand it the cell's colours of now under that group (or the disabled one).
    const QPalette::ColorGroup group = groupDrawn(cell);
    const QPalette::ColorGroup stampGroup = key.enabled ? QPalette::Inactive : QPalette::Disabled;
    QPalette palette = cell.palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(stampGroup, r, cell.palette().brush(group, r));
    }
    // Most faces share their colours with the face drawn before: a palette set again would be
    // resolved again for nothing.
    if (palette != stamp_.palette()) stamp_.setPalette(palette);
    stamp_.setFont(cell.font());
    stamp_.setEnabled(key.enabled);
    stamp_.setReadOnly(cell.isReadOnly());
    stamp_.setFrame(cell.hasFrame());
    stamp_.setAlignment(cell.alignment());
    stamp_.setTextMargins(cell.textMargins());
    stamp_.resize(key.size);
    stamp_.setText(key.text);

    QPixmap face(key.size * key.pixelRatio);
    face.setDevicePixelRatio(key.pixelRatio);
    face.fill(cell.cornerColour());
    stamp_.render(&face, QPoint(), QRegion(), QWidget::RenderFlags());
    return face;
}
