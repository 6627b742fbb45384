#include "LabelSlot.h"

#include <QLabel>

LabelSlot::LabelSlot(QLabel* label, QWidget* parent)
    : QWidget(parent),
      label_(label),
      sizeHint_(label->sizeHint()),
      minimumSizeHint_(label->minimumSizeHint()) {
    setSizePolicy(label->sizePolicy());
    setMinimumSize(label->minimumSize());
    setMaximumSize(label->maximumSize());
    label->setParent(this);
    label->move(0, 0);
}

void LabelSlot::resizeEvent(QResizeEvent* /*event*/) { label_->setFixedSize(size()); }
