#include "shell_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace vexlor {

void DesktopShellOpener::open(const QUrl &target, Reported reported)
{
#ifndef Q_OS_WIN
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (reported && !xdgOpen.isEmpty()) {
        // Not the window's child: the viewer outlives the window. Exit 3 is
        // xdg-open's "no method available", 4 a program that failed to start.
        auto *process = new QProcess;
        QObject::connect(process, &QProcess::finished, process,
                         [process, reported](int code, QProcess::ExitStatus status) {
                             reported(status != QProcess::NormalExit || (code != 3 && code != 4));
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, reported](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             reported(false);
                             process->deleteLater();
                         });
        process->start(xdgOpen, {target.toString(QUrl::FullyEncoded)});
        return;
    }
#endif
    const bool opened = QDesktopServices::openUrl(target);
    if (reported)
        reported(opened);
}

} // namespace vexlor
