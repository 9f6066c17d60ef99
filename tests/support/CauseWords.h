#pragma once

#include <QString>

// What the user is told of the causes the tests provoke, written out here once,
// and the messages that carry them.
namespace lumidex::test::causewords {

inline QString noRoom()
{
    return QStringLiteral("Spazio esaurito sul disco.");
}

inline QString accessDenied()
{
    return QStringLiteral("Accesso negato.");
}

inline QString lockedElsewhere()
{
    return QStringLiteral("Il file è bloccato da un altro computer.");
}

inline QString diskError()
{
    return QStringLiteral("Errore di lettura o scrittura sul disco.");
}

inline QString notFound()
{
    return QStringLiteral("File o cartella inesistente.");
}

inline QString fileTooLarge()
{
    return QStringLiteral("Il file supera la dimensione massima consentita.");
}

inline QString nameTooLong()
{
    return QStringLiteral("Il nome del file è troppo lungo.");
}

inline QString folderInTheWay()
{
    return QStringLiteral("Al posto del file c'è una cartella, o al posto della cartella un file.");
}

// A message with its cause on a paragraph of its own.
inline QString withCause(const QString& message, const QString& cause)
{
    return message + QStringLiteral("\r\n\r\n") + cause;
}

} // namespace lumidex::test::causewords
