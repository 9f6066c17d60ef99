#include "search/SearchKind.h"

#include "books/Side.h"
#include "common/Markers.h"
#include "search/ResultLine.h"
#include "storage/Layouts.h"

namespace lumidex {

namespace {

SearchCriterion criterion(const RecordLayout& layout, const char* field, const char* caption, int frame)
{
    const QString name = QString::fromLatin1(field);
    const int index = layout.indexOf(field);
    Q_ASSERT(index >= 0);
    return { QStringLiteral("txt") + name, QString::fromUtf8(caption), index,
        QStringLiteral("effCampo%1").arg(frame, 2, 10, QLatin1Char('0')) };
}

SearchKind makeRegistry()
{
    const RecordLayout& layout = layouts::registry;
    SearchKind kind;
    kind.caption = QStringLiteral(" Trova schede anagrafiche in archivio");
    kind.marker = QString::fromLatin1(marker::registry);
    kind.summaryTitle = QStringLiteral("Riepilogo schede anagrafiche in archivio");
    kind.layout = &layout;
    kind.criteria = {
        criterion(layout, "Nome", "Nome:", 1),
        criterion(layout, "DataNasc", "Data di nascita (gg/mm/aaaa):", 2),
        criterion(layout, "Sesso", "Sesso (M/F):", 9),
        criterion(layout, "LuogoNasc", "Luogo di nascita:", 10),
        criterion(layout, "CodFisc", "Codice fiscale:", 5),
        criterion(layout, "PartitaIva", "Partita Iva:", 6),
        criterion(layout, "Occhi", "Occhi:", 7),
        criterion(layout, "Capelli", "Capelli:", 8),
        criterion(layout, "Disponibilita", "Disponibilità:", 3),
        criterion(layout, "Note", "Note:", 4),
    };
    kind.line = &resultline::registry;
    kind.figurePicture = QStringLiteral(":/pictures/avvio-anagrafica.svg");
    return kind;
}

SearchKind makeBook(const Side& side)
{
    const RecordLayout& layout = layouts::book;
    SearchKind kind;
    kind.caption = QStringLiteral(" Trova foto in book fotografico");
    kind.marker = side.bookMarker;
    kind.summaryTitle = QStringLiteral("Riepilogo foto in book fotografico");
    kind.layout = &layout;
    // Retouching and accessories are not searched.
    kind.criteria = {
        criterion(layout, "Titolo", "Titolo foto:", 1),
        criterion(layout, "Descrizione", "Descrizione:", 2),
        criterion(layout, "Data", "Data scatto (gg/mm/aaaa):", 9),
        criterion(layout, "Location", "Location:", 10),
        criterion(layout, "Fotografo", "Fotografo:", 5),
        criterion(layout, "Fotocamera", "Fotocamera:", 6),
        criterion(layout, "Abiti", "Abiti:", 7),
        criterion(layout, "Trucco", "Trucco:", 8),
        criterion(layout, "Giudizio", "Giudizio:", 3),
        criterion(layout, "Note", "Note:", 4),
    };
    kind.line = &resultline::book;
    kind.figurePicture = side.figurePicture;
    return kind;
}

} // namespace

const SearchKind& SearchKind::registry()
{
    static const SearchKind kind = makeRegistry();
    return kind;
}

const SearchKind& SearchKind::book(const Side& side)
{
    static const SearchKind men = makeBook(Side::men());
    static const SearchKind women = makeBook(Side::women());
    return side.bookMarker == Side::men().bookMarker ? men : women;
}

const SearchKind& SearchKind::of(const Side* side)
{
    return side ? book(*side) : registry();
}

} // namespace lumidex
