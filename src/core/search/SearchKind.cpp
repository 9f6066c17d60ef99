#include "search/SearchKind.h"

#include "kinds/Markers.h"
#include "kinds/Side.h"
#include "search/ResultLineBuilders.h"
#include "storage/Layouts.h"

namespace lumidex {

namespace {

// A criteria field as the window lays it out: the record field it searches,
// its caption and the number of its focus frame.
struct CriterionRow {
    const char* field;
    const char* caption;
    int frame;
};

SearchKind makeKind(const RecordLayout& layout, std::initializer_list<CriterionRow> rows)
{
    SearchKind kind;
    kind.layout = &layout;
    for (const CriterionRow& row : rows) {
        const int index = layout.indexOf(row.field);
        Q_ASSERT(index >= 0);
        kind.criteria.append({ QStringLiteral("txt") + QString::fromLatin1(row.field), QString::fromUtf8(row.caption),
            index, QStringLiteral("effCampo%1").arg(row.frame, 2, 10, QLatin1Char('0')) });
    }
    return kind;
}

SearchKind makeRegistry()
{
    SearchKind kind = makeKind(layouts::registry,
        {
            { "Nome", "Nome:", 1 },
            { "DataNasc", "Data di nascita (gg/mm/aaaa):", 2 },
            { "Sesso", "Sesso (M/F):", 9 },
            { "LuogoNasc", "Luogo di nascita:", 10 },
            { "CodFisc", "Codice fiscale:", 5 },
            { "PartitaIva", "Partita Iva:", 6 },
            { "Occhi", "Occhi:", 7 },
            { "Capelli", "Capelli:", 8 },
            { "Disponibilita", "Disponibilità:", 3 },
            { "Note", "Note:", 4 },
        });
    kind.caption = QStringLiteral(" Trova schede anagrafiche in archivio");
    kind.marker = QString::fromLatin1(marker::registry);
    kind.summaryTitle = QStringLiteral("Riepilogo schede anagrafiche in archivio");
    kind.line = &resultline::registry;
    kind.figurePicture = QStringLiteral(":/pictures/avvio-anagrafica.svg");
    return kind;
}

SearchKind makeBook(const Side& side)
{
    // Retouching and accessories are not searched.
    SearchKind kind = makeKind(layouts::book,
        {
            { "Titolo", "Titolo foto:", 1 },
            { "Descrizione", "Descrizione:", 2 },
            { "Data", "Data scatto (gg/mm/aaaa):", 9 },
            { "Location", "Location:", 10 },
            { "Fotografo", "Fotografo:", 5 },
            { "Fotocamera", "Fotocamera:", 6 },
            { "Abiti", "Abiti:", 7 },
            { "Trucco", "Trucco:", 8 },
            { "Giudizio", "Giudizio:", 3 },
            { "Note", "Note:", 4 },
        });
    kind.caption = QStringLiteral(" Trova foto in book fotografico");
    kind.marker = side.bookMarker;
    kind.summaryTitle = QStringLiteral("Riepilogo foto in book fotografico");
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
