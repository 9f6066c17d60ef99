#include "support/ExportFixtures.h"

#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace lumidex::test::exportfixture {

namespace {

QStringList registryRecord(int card)
{
    QStringList values(layouts::registry.fieldCount());
    switch (card) {
    case 1:
        values = {
            u"Anna Bianchi"_s,
            u"F"_s,
            u"14/05/1998"_s,
            u"Italiana"_s,
            u"Forlì"_s,
            u"Via Garibaldi 3 & 5"_s,
            u"BNCNNA98E54D704X"_s,
            u"C.I. <AX123456>"_s,
            u"anna@example.it"_s,
            u""_s,
            u"+39 333 1234567"_s,
            u"Diploma \"linguistico\""_s,
            u"Italiano, inglese"_s,
            u"12345678903"_s,
            u"IT60X0542811101000000123456"_s,
            u"1,75 m"_s,
            u"55 kg"_s,
            u"60"_s,
            u"88"_s,
            u"verdi"_s,
            u"castani"_s,
            u"40"_s,
            u"38"_s,
            u"Esperienze che non si esportano"_s,
            u"Sfilate, città d'arte"_s,
            u"Compenso 100 € — trattabile"_s,
            u"Contratto.pdf"_s,
            u""_s,
            u""_s,
            u"Contratto firmato"_s,
            u""_s,
            u""_s,
        };
        break;
    case 2:
        // Blanks around a text are not stored; a letter the code page lacks is
        // stored as "?".
        values[0] = u"  Marco Rossi  "_s;
        values[1] = u"M"_s;
        values[3] = u"Russa"_s;
        values[25] = u"Ж"_s;
        break;
    default:
        values[0] = u"Zoe"_s;
        break;
    }
    return values;
}

QStringList bookRecord(int entry)
{
    QStringList values(layouts::book.fieldCount());
    if (entry == 1) {
        values = {
            u"Ritratto all'alba"_s,
            u"Luce <naturale> & riflessi"_s,
            u"01/02/2024"_s,
            u"Cesenatico"_s,
            u"Luca Neri"_s,
            u"Nikon D850"_s,
            u"Leggero"_s,
            u"Abito blu"_s,
            u"Collana"_s,
            u"Naturale"_s,
            u"Ottima, è la migliore"_s,
            u"Scelta dal cliente"_s,
            u"Liberatoria.pdf"_s,
            u""_s,
            u""_s,
            u"Liberatoria firmata"_s,
            u""_s,
            u""_s,
        };
    } else {
        values[0] = u"Seconda"_s;
        values[2] = u"02/02/2024"_s;
        values[3] = u"Rimini"_s;
    }
    return values;
}

QByteArray headerCells(const QList<std::pair<QByteArray, int>>& headers)
{
    QByteArray bytes;
    for (const auto& [text, width] : headers)
        bytes += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + text
            + "</td>";
    return bytes;
}

QByteArray cellStart(const QByteArray& written)
{
    // The characters that lead a spreadsheet to read a number, a date or a
    // formula are written as they are, so the written cell begins with them too.
    if (!written.isEmpty() && QByteArrayView("0123456789+-=.,").contains(written.front()))
        return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
    return "<td style=\"text-align: left;\">";
}

QByteArray document(const QByteArray& sheetName, const QByteArray& headers, const Cells& rows)
{
    QByteArray bytes = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                       "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                       "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                       "<head>"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                       "<!--[if gte mso 9]><xml>"
                       "<x:ExcelWorkbook>"
                       "<x:ExcelWorksheets>"
                       "<x:ExcelWorksheet>"
                       "<x:Name>"
        + sheetName
        + "</x:Name>"
          "<x:WorksheetOptions>"
          "<x:Selected/>"
          "<x:Panes>"
          "<x:Pane>"
          "<x:Number>1</x:Number>"
          "<x:ActiveRow>3</x:ActiveRow>"
          "</x:Pane>"
          "</x:Panes>"
          "<x:ProtectContents>False</x:ProtectContents>"
          "<x:ProtectObjects>False</x:ProtectObjects>"
          "<x:ProtectScenarios>False</x:ProtectScenarios>"
          "</x:WorksheetOptions>"
          "</x:ExcelWorksheet>"
          "</x:ExcelWorksheets>"
          "</x:ExcelWorkbook>"
          "</xml><![endif]-->"
          "</head>"
          "<body>"
          "<table x:str>"
          "<tr>"
        + headers + "</tr>";
    for (const QList<QByteArray>& row : rows) {
        bytes += "<tr>";
        for (const QByteArray& cell : row)
            bytes += cellStart(cell) + cell + "</td>";
        bytes += "</tr>";
    }
    bytes += "</table></body></html>";
    return bytes;
}

} // namespace

void writeRegistry(const QString& path)
{
    const Archive archive(path, layouts::registry);
    for (int card = 1; card <= 3; ++card)
        archive.append(registryRecord(card));
}

void writeBook(const QString& path)
{
    const Archive archive(path, layouts::book);
    for (int entry = 1; entry <= 2; ++entry)
        archive.append(bookRecord(entry));
}

QList<QStringList> registryGrid()
{
    QStringList first { u"1"_s, u"Anna Bianchi"_s, u"F"_s, u"14/05/1998"_s, u"Italiana"_s, u"Forlì"_s,
        u"Via Garibaldi 3 & 5"_s, u"BNCNNA98E54D704X"_s, u"C.I. <AX123456>"_s, u"anna@example.it"_s, u""_s,
        u"+39 333 1234567"_s, u"Diploma \"linguistico\""_s, u"Italiano, inglese"_s, u"12345678903"_s,
        u"IT60X0542811101000000123456"_s, u"1,75 m"_s, u"55 kg"_s, u"60"_s, u"88"_s, u"verdi"_s, u"castani"_s, u"40"_s,
        u"38"_s, u"Sfilate, città d'arte"_s, u"Compenso 100 € — trattabile"_s };
    QStringList second(26);
    second[0] = u"2"_s;
    second[1] = u"Marco Rossi"_s;
    second[2] = u"M"_s;
    second[4] = u"Russa"_s;
    second[25] = u"?"_s;
    QStringList third(26);
    third[0] = u"3"_s;
    third[1] = u"Zoe"_s;
    return { first, second, third };
}

QList<QStringList> bookGrid()
{
    QStringList first { u"1"_s, u"Ritratto all'alba"_s, u"Luce <naturale> & riflessi"_s, u"01/02/2024"_s,
        u"Cesenatico"_s, u"Luca Neri"_s, u"Nikon D850"_s, u"Leggero"_s, u"Abito blu"_s, u"Collana"_s, u"Naturale"_s,
        u"Ottima, è la migliore"_s, u"Scelta dal cliente"_s };
    QStringList second(13);
    second[0] = u"2"_s;
    second[1] = u"Seconda"_s;
    second[3] = u"02/02/2024"_s;
    second[4] = u"Rimini"_s;
    return { first, second };
}

Cells registryCells()
{
    Cells rows = emptyCells(3, 25);
    rows[0] = { "Anna Bianchi", "F", "14/05/1998", "Italiana", "Forl\xEC", "Via Garibaldi 3 &amp; 5",
        "BNCNNA98E54D704X", "C.I. &lt;AX123456&gt;", "anna@example.it", "", "+39 333 1234567",
        "Diploma \"linguistico\"", "Italiano, inglese", "12345678903", "IT60X0542811101000000123456", "1,75 m", "55 kg",
        "60", "88", "verdi", "castani", "40", "38", "Sfilate, citt\xE0 d'arte", "Compenso 100 \x80 \x97 trattabile" };
    rows[1][0] = "Marco Rossi";
    rows[1][1] = "M";
    rows[1][3] = "Russa";
    rows[1][24] = "?";
    rows[2][0] = "Zoe";
    return rows;
}

Cells bookCells()
{
    Cells rows = emptyCells(2, 12);
    rows[0] = { "Ritratto all'alba", "Luce &lt;naturale&gt; &amp; riflessi", "01/02/2024", "Cesenatico", "Luca Neri",
        "Nikon D850", "Leggero", "Abito blu", "Collana", "Naturale", "Ottima, \xE8 la migliore", "Scelta dal cliente" };
    rows[1][0] = "Seconda";
    rows[1][2] = "02/02/2024";
    rows[1][3] = "Rimini";
    return rows;
}

QList<int> registryGridWidths()
{
    return { 60, 250, 70, 120, 200, 250, 300, 180, 300, 250, 180, 180, 300, 300, 180, 250, 200, 200, 200, 200, 200, 200,
        200, 200, 250, 350 };
}

QList<int> bookGridWidths()
{
    return { 60, 300, 350, 120, 250, 250, 250, 300, 300, 300, 300, 300, 350 };
}

Cells emptyCells(int rows, int columns)
{
    return Cells(rows, QList<QByteArray>(columns));
}

QByteArray expectedRegistryDocument(const Cells& rows)
{
    const QByteArray headers = headerCells({
        { "Nome", 250 },
        { "Sesso", 100 },
        { "Data di nascita", 200 },
        { "Cittadinanza", 250 },
        { "Luogo di nascita", 250 },
        { "Indirizzo di residenza", 400 },
        { "Codice fiscale", 250 },
        { "Estremi documento", 400 },
        { "E-mail", 250 },
        { "Tel.", 200 },
        { "Cellulare", 200 },
        { "Titolo di studio", 300 },
        { "Lingue conosciute", 300 },
        { "Partita Iva", 250 },
        { "IBAN", 300 },
        { "Altezza", 250 },
        { "Peso", 250 },
        { "Vita", 250 },
        { "Fianchi", 250 },
        { "Occhi", 250 },
        { "Capelli", 250 },
        { "Taglia", 250 },
        { "Scarpe", 250 },
        { "Disponibilit\xE0", 350 },
        { "Note", 350 },
    });
    return document("Archivio Anagrafico", headers, rows);
}

QByteArray expectedBookDocument(const Cells& rows)
{
    const QByteArray headers = headerCells({
        { "Titolo foto", 350 },
        { "Descrizione", 400 },
        { "Data scatto", 180 },
        { "Location", 250 },
        { "Fotografo", 250 },
        { "Fotocamera", 250 },
        { "Fotoritocco", 400 },
        { "Abiti", 400 },
        { "Accessori", 400 },
        { "Trucco", 400 },
        { "Giudizio", 350 },
        { "Note", 400 },
    });
    return document("Book Fotografico", headers, rows);
}

} // namespace lumidex::test::exportfixture
