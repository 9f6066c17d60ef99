#include "search/ResultLineBuilders.h"

#include "common/Text.h"
#include "storage/Layouts.h"

namespace lumidex::resultline {

namespace {

// Record fields, looked up once by name so a change of layout cannot go unseen.
constexpr int nome = layouts::registry.indexOf("Nome");
constexpr int sesso = layouts::registry.indexOf("Sesso");
constexpr int cittadinanza = layouts::registry.indexOf("Cittadinanza");
constexpr int tel = layouts::registry.indexOf("Tel");
constexpr int cellulare = layouts::registry.indexOf("Cellulare");
constexpr int registryNote = layouts::registry.indexOf("Note");
static_assert(nome >= 0 && sesso >= 0 && cittadinanza >= 0 && tel >= 0 && cellulare >= 0 && registryNote >= 0);

constexpr int titolo = layouts::book.indexOf("Titolo");
constexpr int data = layouts::book.indexOf("Data");
constexpr int location = layouts::book.indexOf("Location");
constexpr int bookNote = layouts::book.indexOf("Note");
static_assert(titolo >= 0 && data >= 0 && location >= 0 && bookNote >= 0);

QStringView field(const QStringList& record, int index)
{
    return index < record.size() ? text::trimmedView(record.at(index)) : QStringView();
}

// A hundred thousand lines are built for one search: each column goes straight
// into its line, with no text of its own.
void appendColumn(QString& line, QStringView value, int width)
{
    const QStringView text = text::trimmedView(value).left(width);
    line += text;
    line.resize(line.size() + width - text.size(), QLatin1Char(' '));
}

} // namespace

QString column(QStringView value, int width)
{
    QString line;
    appendColumn(line, value, width);
    return line;
}

QString registry(const QStringList& record)
{
    const QStringView notes = field(record, registryNote);
    QString line;
    line.reserve(126 + notes.size());
    appendColumn(line, field(record, nome), 30);
    line += QLatin1String("  Sesso: ");
    appendColumn(line, field(record, sesso), 1);
    line += QLatin1String("  Cittadinanza: ");
    appendColumn(line, field(record, cittadinanza), 20);
    line += QLatin1String("  Tel. ");
    appendColumn(line, field(record, tel), 14);
    line += QLatin1String("  Cel. ");
    appendColumn(line, field(record, cellulare), 14);
    line += QLatin1String("  Note: ");
    line += notes;
    return line;
}

QString book(const QStringList& record)
{
    const QStringView notes = field(record, bookNote);
    QString line;
    line.reserve(119 + notes.size());
    appendColumn(line, field(record, titolo), 50);
    line += QLatin1String("  Data: ");
    appendColumn(line, field(record, data), 10);
    line += QLatin1String("  Location: ");
    appendColumn(line, field(record, location), 30);
    line += QLatin1String("  Note:  ");
    line += notes;
    return line;
}

} // namespace lumidex::resultline
