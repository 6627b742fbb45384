#pragma once

#include <QLineEdit>

// One cell of the data grid: a read-only text box that paints every one of its pixels, corners
// included, so that redrawing it never makes the window paint underneath. A block change then
// repaints the 256 cells and nothing behind them.
class GridCell final : public QLineEdit {
public:
    explicit GridCell(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
