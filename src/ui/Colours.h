#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

// Windows colour values (0x00BBGGRR, or a system colour with the top bit set) on Qt widgets.
QColor toQColor(int32_t windowsColour);

// Text of labels, captions, buttons and boxes.
void setTextColour(QWidget* widget, int32_t windowsColour);
// Background of text boxes and labels.
void setBackColour(QWidget* widget, int32_t windowsColour);
// Both at once, in one palette change (the grid's cells take both at every block).
void setColours(QWidget* widget, int32_t textColour, int32_t backColour);
QColor textColour(const QWidget* widget);
QColor backColour(const QWidget* widget);
