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

QString criteriaLine1()
{
    return QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare "
                          "e premere il pulsante Cerca.");
}

QString criteriaLine2()
{
    return QStringLiteral("Lasciare in bianco tutti gli altri campi.");
}

QString criteriaLine3()
{
    return QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.");
}

QString waiting()
{
    return QStringLiteral("Ricerca schede in corso. Attendere...");
}

QString closeButton()
{
    return QStringLiteral("Chiudi");
}

QString searchButton()
{
    return QStringLiteral("Cerca");
}

QString findButton()
{
    return QStringLiteral("Trova");
}

QString printButton()
{
    return QStringLiteral("Stampa");
}

QString resultsLine1()
{
    return QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                          "il pulsante Trova.");
}

QString resultsLine2()
{
    return QStringLiteral(
        "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su Trova.");
}

QString resultsLine3()
{
    return QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
}

} // namespace lumidex::searchtext
