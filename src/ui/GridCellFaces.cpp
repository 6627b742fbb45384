#include "GridCellFaces.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "GridCell.h"

namespace {

QPalette::ColorGroup groupDrawn(const QWidget& widget) {
    if (!widget.isEnabled()) return QPalette::Disabled;
    return widget.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// A stamp is a window of its own that is never shown, so it paints in the colours of an inactive
// window: hand it the cell's colours of now under that group (or the disabled one).
QPalette stampPalette(const GridCell& cell, bool enabled) {
    const QPalette::ColorGroup group = groupDrawn(cell);
    const QPalette::ColorGroup stampGroup = enabled ? QPalette::Inactive : QPalette::Disabled;
    QPalette palette = cell.palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(stampGroup, r, cell.palette().brush(group, r));
    }
    return palette;
}

// The width the line edit's style gives its frame.
int frameWidth(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    return box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
}

void stampAs(QLineEdit& stamp, const GridCell& cell, const QPalette& palette, bool enabled,
             const QSize& size) {
    // Most faces share their colours with the face drawn before: a palette set again would be
    // resolved again for nothing.
    if (palette != stamp.palette()) stamp.setPalette(palette);
    stamp.setFont(cell.font());
    stamp.setEnabled(enabled);
    stamp.setReadOnly(cell.isReadOnly());
    stamp.setAlignment(cell.alignment());
    stamp.resize(size);
}

void render(QLineEdit& stamp, const QString& text, QPixmap& onto) {
    stamp.setText(text);
    stamp.render(&onto, QPoint(), QRegion(), QWidget::RenderFlags());
}

}  // namespace

GridCellFaces::GridCellFaces(QObject* grid) : QObject(grid) {
    stamp_.setAttribute(Qt::WA_DontShowOnScreen);
    textStamp_.setAttribute(Qt::WA_DontShowOnScreen);
    textStamp_.setFrame(false);
}

void GridCellFaces::clear() {
    faces_.clear();
    textApartCheckedFor_ = QSize();
}

QPixmap GridCellFaces::faceOf(const GridCell& cell) {
    // The roles the cells do not set come from the application's palette.
    if (const qint64 appPalette = QGuiApplication::palette().cacheKey();
        appPalette != appPalette_) {
        clear();
        appPalette_ = appPalette;
    }
    const QPalette& palette = cell.palette();
    const QPalette::ColorGroup group = groupDrawn(cell);
    return cached(cell, Key{cell.text(),
                            palette.color(group, QPalette::Text).rgba(),
                            palette.color(group, QPalette::Base).rgba(),
                            palette.color(group, QPalette::Window).rgba(),
                            cell.cornerColour().rgba(),
                            cell.size(),
                            cell.devicePixelRatio(),
                            cell.isEnabled(),
                            cell.isActiveWindow()});
}

QPixmap GridCellFaces::cached(const GridCell& cell, const Key& key) {
    if (const QPixmap* face = faces_.object(key)) return *face;
    const QPixmap face = draw(cell, key);
    faces_.insert(key, new QPixmap(face),
                  qsizetype(face.width()) * face.height() * face.depth() / 8);
    return face;
}

QPixmap GridCellFaces::draw(const GridCell& cell, const Key& key) {
    if (key.text.isEmpty() || !cell.hasFrame() || !textDrawsApart(cell, key)) {
        return drawWhole(cell, key);
    }
    return drawOverBlank(cell, key);
}

QPixmap GridCellFaces::drawWhole(const GridCell& cell, const Key& key) {
    stampAs(stamp_, cell, stampPalette(cell, key.enabled), key.enabled, key.size);
    stamp_.setFrame(cell.hasFrame());
    stamp_.setTextMargins(cell.textMargins());
    QPixmap face(key.size * key.pixelRatio);
    face.setDevicePixelRatio(key.pixelRatio);
    face.fill(cell.cornerColour());
    render(stamp_, key.text, face);
    return face;
}

QPixmap GridCellFaces::drawOverBlank(const GridCell& cell, const Key& key) {
    Key blank = key;
    blank.text.clear();
    QPixmap face = cached(cell, blank);
    // Without its frame the text box takes the frame's width as margins, and lays the text out
    // where the framed one does; with no background it leaves the blank face as it is.
    QPalette palette = stampPalette(cell, key.enabled);
    palette.setBrush(QPalette::Base, Qt::transparent);
    stampAs(textStamp_, cell, palette, key.enabled, key.size);
    const int frame = frameWidth(stamp_);
    textStamp_.setTextMargins(cell.textMargins() + QMargins(frame, frame, frame, frame));
    render(textStamp_, key.text, face);
    return face;
}

bool GridCellFaces::textDrawsApart(const GridCell& cell, const Key& key) {
    if (key.size != textApartCheckedFor_) {
        textApartCheckedFor_ = key.size;
        textApartMatches_ =
            drawWhole(cell, key).toImage() == drawOverBlank(cell, key).toImage();
    }
    return textApartMatches_;
}
