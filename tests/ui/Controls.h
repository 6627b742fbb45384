#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>

// A window's control found by its object name, as automation finds it. A name the window does
// not have, or a control of another type, ends the test with what was asked for.
template <typename T>
T* control(const QWidget& window, const QString& name) {
    if (T* found = window.findChild<T*>(name)) return found;
    throw std::logic_error(
        QStringLiteral("%1 has no %2 named %3")
            .arg(window.objectName(), QLatin1String(T::staticMetaObject.className()), name)
            .toStdString());
}
