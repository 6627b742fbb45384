#pragma once

#include <QColor>
#include <QLineEdit>

class GridCellFaces;

// One cell of the data grid: a read-only text box that paints every one of its pixels, corners
// included, so that redrawing it never makes the window paint underneath. A block change then
// repaints the 256 cells and nothing behind them. At rest (no focus, no selection, no pointer
// over it) a cell copies its look from the faces shared by the grid instead of drawing it.
class GridCell final : public QLineEdit {
public:
    GridCell(QWidget* parent, GridCellFaces& faces);

    // What the window shows under the rounded corners of the frame.
    QColor cornerColour() const { return parentWidget()->palette().color(QPalette::Window); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    GridCellFaces& faces_;
};
