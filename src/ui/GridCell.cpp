#include "GridCell.h"

#include <QPaintEvent>
#include <QPainter>

GridCell::GridCell(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridCell::paintEvent(QPaintEvent* event) {
    {
        // What the window would have painted under the rounded corners of the frame.
        QPainter painter(this);
        painter.fillRect(event->rect(), parentWidget()->palette().color(QPalette::Window));
    }
    QLineEdit::paintEvent(event);
}
