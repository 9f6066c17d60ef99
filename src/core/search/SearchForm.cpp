#include "search/SearchForm.h"

#include "storage/Layouts.h"

namespace lumidex::searchform {

namespace {

// A criteria field as the window lays it out: the record field it searches,
// its caption and the number of its focus frame.
struct CriterionRow {
    const char* field;
    const char* caption;
    int frame;
};

SearchForm makeForm(const char* caption, const char* summaryTitle, const RecordLayout& layout,
    std::initializer_list<CriterionRow> rows, LineBuilder line)
{
    SearchForm form { QString::fromLatin1(caption), QString::fromLatin1(summaryTitle), &layout, {}, line };
    for (const CriterionRow& row : rows) {
        const int index = layout.indexOf(row.field);
        Q_ASSERT(index >= 0);
        form.criteria.append({ QStringLiteral("txt") + QString::fromLatin1(row.field), QString::fromUtf8(row.caption),
            index, QStringLiteral("effCampo%1").arg(row.frame, 2, 10, QLatin1Char('0')) });
    }
    return form;
}

} // namespace

const SearchForm& registry()
{
    static const SearchForm form = makeForm(" Trova schede anagrafiche in archivio",
        "Riepilogo schede anagrafiche in archivio", layouts::registry,
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
        },
        &resultline::registry);
    return form;
}

const SearchForm& book()
{
    // Retouching and accessories are not searched.
    static const SearchForm form
        = makeForm(" Trova foto in book fotografico", "Riepilogo foto in book fotografico", layouts::book,
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
            },
            &resultline::book);
    return form;
}

} // namespace lumidex::searchform
