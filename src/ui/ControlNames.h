#pragma once

#include <QString>

// Every control carries its name as objectName, with "(i)" for a member of a control array, so
// that tests and tools find it by the name the program gives it.
template <typename T>
T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

inline QString indexedName(const char* base, long long index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}
