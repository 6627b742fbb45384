#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>

class QWidget;

// Takes files dragged anywhere over a window, also over its text boxes, which would otherwise
// take a file's address as text, and hands them on once the drop is over: a message box shown
// inside the drop would hold the program the files came from until it closes.
class FileDrop : public QObject {
public:
    FileDrop(QWidget& window, std::function<void(const QList<QUrl>&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QList<QUrl>&)> dropped_;
};
