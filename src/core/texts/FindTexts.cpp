#include "texts/FindTexts.h"

#include "common/FailureCause.h"

#include <QStringList>

namespace lumidex::findtext {

QString placeholder()
{
    return QStringLiteral("Trova…");
}

QString fieldTip()
{
    return QStringLiteral("Trova una scheda mentre scrivi");
}

QString count(qsizetype cards)
{
    if (cards == 0)
        return QStringLiteral("Nessuna scheda");
    if (cards == 1)
        return QStringLiteral("1 scheda");
    return QStringLiteral("%1 schede").arg(cards);
}

QString preparing()
{
    return QStringLiteral("Preparazione…");
}

QString notReadable(const FailureCause& cause)
{
    const QString message = QStringLiteral("Impossibile leggere l'archivio.");
    const QString why = cause.words();
    return why.isEmpty() ? message : message + QLatin1Char('\n') + why;
}

QString foundLine(const std::array<QString, 3>& shown)
{
    QStringList parts;
    for (const QString& text : shown)
        if (!text.isEmpty())
            parts << text;
    return parts.join(QStringLiteral(" · "));
}

} // namespace lumidex::findtext
