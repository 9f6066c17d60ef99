#pragma once

#include "common/FailureCause.h"

#include <QString>
#include <stdexcept>

namespace lumidex {

// Any failure to open, lock, position, read, write or close an archive file.
// The windows answer it with the archive access message and the cause's words
// (archiveFailureMessage); the reason is the system's own explanation, kept for
// diagnostics and tests.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString& reason, FailureCause cause = {})
        : std::runtime_error(reason.toStdString())
        , m_reason(reason)
        , m_cause(std::move(cause))
    { }
    const QString& reason() const { return m_reason; }
    const FailureCause& cause() const { return m_cause; }

private:
    QString m_reason;
    FailureCause m_cause;
};

// The message every window shows for an ArchiveError. Its paragraphs are joined
// by LF CR LF CR, as the program has always written them.
inline QString archiveAccessMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

// The archive access message with what the system said, on a line of its own.
inline QString archiveFailureMessage(const ArchiveError& error)
{
    return withCause(archiveAccessMessage(), error.cause());
}

// Shown once a run when the program folder's file system cannot lock the
// archives: the program works all the same, but two computers saving at once
// could overwrite each other's cards.
inline QString archiveLockNoticeMessage()
{
    return QStringLiteral("Attenzione: la cartella del programma non consente di bloccare gli archivi.\r\n\r\n"
                          "Se più computer usano la stessa cartella, evitare di salvare schede da due computer "
                          "nello stesso momento.");
}

} // namespace lumidex
