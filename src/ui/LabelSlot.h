#pragma once

#include <QSize>
#include <QWidget>

class QLabel;

// The place in a layout of a label whose text changes all the time (the message line, the block
// address). A label in a layout asks for a layout pass through the whole window at every new
// text; in its slot it keeps the size the layout gave the slot, so a new text only repaints it.
// The slot takes the label's size policy and size hints as they are when it is made.
class LabelSlot final : public QWidget {
public:
    LabelSlot(QLabel* label, QWidget* parent);

    QSize sizeHint() const override { return sizeHint_; }
    QSize minimumSizeHint() const override { return minimumSizeHint_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
    QSize sizeHint_;
    QSize minimumSizeHint_;
};
