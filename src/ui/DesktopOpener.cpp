#include "ui/DesktopOpener.h"

#include "ui/WaitCursor.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace lumidex {

DesktopAnswer openFileOnDesktop(const QString& path, int patienceMs)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return DesktopAnswer::NoOpener;

    const WaitCursor waiting;
    // Owned by the application, so that an opener that stays with its
    // application is not stopped when this call returns; it goes when it ends.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({ path });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
    if (!process->waitForStarted())
        return DesktopAnswer::NoOpener;
    if (!process->waitForFinished(patienceMs))
        return DesktopAnswer::Opened;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 ? DesktopAnswer::Opened
                                                                                     : DesktopAnswer::Refused;
}

} // namespace lumidex
