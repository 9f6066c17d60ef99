#include "texts/SearchTexts.h"

namespace lumidex::searchtext {

QString emptyList()
{
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

QString countLine(qsizetype lines)
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

} // namespace lumidex::searchtext
