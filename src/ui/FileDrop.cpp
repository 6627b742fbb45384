#include "FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

FileDrop::FileDrop(QWidget& window, std::function<void(const QList<QUrl>&)> dropped)
    : QObject(&window), dropped_(std::move(dropped)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->acceptDrops()) child->installEventFilter(this);
    }
}

bool FileDrop::eventFilter(QObject* /*watched*/, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        QMetaObject::invokeMethod(
            this, [this, files = drop->mimeData()->urls()] { dropped_(files); },
            Qt::QueuedConnection);
    }
    return true;
}
