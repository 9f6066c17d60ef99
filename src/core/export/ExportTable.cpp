#include "export/ExportTable.h"

#include "storage/Layouts.h"

#include <span>
#include <string_view>

namespace lumidex {

namespace {

struct ColumnRow {
    const char* control;
    const char16_t* header;
    int gridWidth;
    std::string_view field;
    bool readOnly;
    int documentWidth;
};

constexpr bool ro = true;
constexpr bool rw = false;

// The record columns of each grid, in order. Column 0, the row number, goes
// before them in both grids and is not exported.
constexpr ColumnRow registryColumns[] {
    { "colNome", u"Nome", 250, "Nome", ro, 250 },
    { "colSesso", u"Sesso", 70, "Sesso", ro, 100 },
    { "colDataNasc", u"Data di nascita", 120, "DataNasc", ro, 200 },
    { "colCittadinanza", u"Cittadinanza", 200, "Cittadinanza", ro, 250 },
    { "colLuogoNasc", u"Luogo di nascita", 250, "LuogoNasc", ro, 250 },
    { "colIndirizzo", u"Indirizzo di residenza", 300, "Indirizzo", ro, 400 },
    { "colCodFisc", u"Codice fiscale", 180, "CodFisc", rw, 250 },
    { "colEstremi", u"Estremi documento", 300, "Estremi", rw, 400 },
    { "colEmail", u"E-mail", 250, "Email", ro, 250 },
    { "colTel", u"Tel.", 180, "Tel", ro, 200 },
    { "colCellulare", u"Cellulare", 180, "Cellulare", ro, 200 },
    { "colStudio", u"Titolo di studio", 300, "Studio", rw, 300 },
    { "colLingue", u"Lingue conosciute", 300, "Lingue", rw, 300 },
    { "colPartitaIva", u"Partita Iva", 180, "PartitaIva", ro, 250 },
    { "colIban", u"IBAN", 250, "Iban", ro, 300 },
    { "colAltezza", u"Altezza", 200, "Altezza", rw, 250 },
    { "colPeso", u"Peso", 200, "Peso", rw, 250 },
    { "colVita", u"Vita", 200, "Vita", rw, 250 },
    { "colFianchi", u"Fianchi", 200, "Fianchi", rw, 250 },
    { "colOcchi", u"Occhi", 200, "Occhi", rw, 250 },
    { "colCapelli", u"Capelli", 200, "Capelli", rw, 250 },
    { "colTaglia", u"Taglia", 200, "Taglia", rw, 250 },
    { "colScarpe", u"Scarpe", 200, "Scarpe", rw, 250 },
    { "colDisponibilita", u"Disponibilità", 250, "Disponibilita", rw, 350 },
    { "colNote", u"Note", 350, "Note", rw, 350 },
};

constexpr ColumnRow bookColumns[] {
    { "colTitolo", u"Titolo foto", 300, "Titolo", ro, 350 },
    { "colDescrizione", u"Descrizione", 350, "Descrizione", ro, 400 },
    { "colData", u"Data scatto", 120, "Data", ro, 180 },
    { "colLocation", u"Location", 250, "Location", ro, 250 },
    { "colFotografo", u"Fotografo", 250, "Fotografo", ro, 250 },
    { "colFotocamera", u"Fotocamera", 250, "Fotocamera", ro, 250 },
    { "colFotoritocco", u"Fotoritocco", 300, "Fotoritocco", rw, 400 },
    { "colAbiti", u"Abiti", 300, "Abiti", ro, 400 },
    { "colAccessori", u"Accessori", 300, "Accessori", ro, 400 },
    { "colTrucco", u"Trucco", 300, "Trucco", ro, 400 },
    { "colGiudizio", u"Giudizio", 300, "Giudizio", rw, 350 },
    { "colNote", u"Note", 350, "Note", rw, 400 },
};

ExportTable makeTable(const RecordLayout& layout, std::span<const ColumnRow> rows, const char* outputFileName,
    const char* sheetName, const char* caption, HelpPage helpPage)
{
    QList<ExportColumn> columns { { QStringLiteral("colNum"), QStringLiteral("N."), 60, ExportColumn::rowNumber, true,
        0 } };
    for (const ColumnRow& row : rows) {
        const int field = layout.indexOf(row.field);
        Q_ASSERT(field >= 0);
        columns.append({ QString::fromLatin1(row.control), QString::fromUtf16(row.header), row.gridWidth, field,
            row.readOnly, row.documentWidth });
    }
    return { layout, columns, QString::fromLatin1(outputFileName), QString::fromLatin1(sheetName),
        QString::fromLatin1(caption), helpPage };
}

} // namespace

namespace exporttable {

const ExportTable& registry()
{
    static const ExportTable table = makeTable(layouts::registry, registryColumns, "Archivio_Anagrafico.xls",
        "Archivio Anagrafico", " Esporta archivio anagrafico in Microsoft Excel", HelpPage::RegistryExport);
    return table;
}

const ExportTable& book()
{
    static const ExportTable table = makeTable(layouts::book, bookColumns, "Book_Fotografico.xls", "Book Fotografico",
        " Esporta book fotografico in Microsoft Excel", HelpPage::BookExport);
    return table;
}

} // namespace exporttable

} // namespace lumidex
