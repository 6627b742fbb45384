#include "GridCell.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include "GridCellFaces.h"

GridCell::GridCell(QWidget* parent, GridCellFaces& faces) : QLineEdit(parent), faces_(faces) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridCell::paintEvent(QPaintEvent* event) {
    if (hasFocus() || hasSelectedText() || underMouse()) {
        {
            QPainter painter(this);
            painter.fillRect(event->rect(), cornerColour());
        }
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, faces_.faceOf(*this));
}

void GridCell::changeEvent(QEvent* event) {
    // The faces know the cells' colours and text but not their font or style.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) faces_.clear();
    QLineEdit::changeEvent(event);
}
