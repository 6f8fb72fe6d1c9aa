#pragma once

#include <QObject>
#include <QString>

namespace vexlor {

// The window's control with this object name. The window builds every named
// control, so a missing one is a programming error and stops at once.
template <typename T>
[[nodiscard]] T *requireControl(const QObject *window, const QString &name)
{
    T *control = window->findChild<T *>(name);
    if (!control)
        qFatal("window has no control %s of the expected kind", qPrintable(name));
    return control;
}

template <typename T>
[[nodiscard]] T *requireControl(const QObject *window, const char *name)
{
    return requireControl<T>(window, QString::fromLatin1(name));
}

} // namespace vexlor
