#pragma once

#include <QList>
#include <QString>

class QWidget;

// A text a window shows. For a caption drawn in a fixed room (a button, box, option, label, group
// or tab title, the current entry of a list, a line of a note that cannot scroll), the width the
// text takes in the control's font and the width the control leaves it inside its own margins;
// both are 0 for texts that scroll or take the room they need (edit boxes, list entries, titles
// of windows, tool tips).
struct ShownText {
    QString control;  // objectName, or the nearest named parent and the class of an unnamed control
    QString text;
    int needed = 0;
    int room = 0;
};

// Every text the visible controls of `window` show, its own title included; controls of other
// windows it holds (its dialogs) are left to those windows.
QList<ShownText> shownTexts(const QWidget& window);
