#include "texts/FailureTexts.h"

namespace lumidex::failuretext {

QString noRoom()
{
    return QStringLiteral("Spazio esaurito sul disco.");
}

QString accessDenied()
{
    return QStringLiteral("Accesso negato.");
}

QString lockedElsewhere()
{
    return QStringLiteral("Il file è bloccato da un altro computer.");
}

QString diskError()
{
    return QStringLiteral("Errore di lettura o scrittura sul disco.");
}

QString notFound()
{
    return QStringLiteral("File o cartella inesistente.");
}

QString fileTooLarge()
{
    return QStringLiteral("Il file supera la dimensione massima consentita.");
}

QString nameTooLong()
{
    return QStringLiteral("Il nome del file è troppo lungo.");
}

QString folderInTheWay()
{
    return QStringLiteral("Al posto del file c'è una cartella, o al posto della cartella un file.");
}

QString tooManyOpenFiles()
{
    return QStringLiteral("Il sistema ha troppi file aperti.");
}

QString shareUnreachable()
{
    return QStringLiteral("La cartella di rete non risponde.");
}

QString pictureNotEncoded()
{
    return QStringLiteral("Non è stato possibile preparare una delle foto.");
}

QString otherSystemError(int error)
{
    return QStringLiteral("Errore del sistema (codice %1).").arg(error);
}

} // namespace lumidex::failuretext
