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

QString field(const QStringList& record, int index)
{
    return text::trimmed(record.value(index));
}

} // namespace

QString column(QStringView value, int width)
{
    QString text = text::trimmed(value);
    if (text.size() > width)
        text.truncate(width);
    return text.leftJustified(width, QLatin1Char(' '));
}

QString registry(const QStringList& record)
{
    QString line;
    line.reserve(140);
    line += column(record.value(nome), 30);
    line += QLatin1String("  Sesso: ");
    line += column(record.value(sesso), 1);
    line += QLatin1String("  Cittadinanza: ");
    line += column(record.value(cittadinanza), 20);
    line += QLatin1String("  Tel. ");
    line += column(record.value(tel), 14);
    line += QLatin1String("  Cel. ");
    line += column(record.value(cellulare), 14);
    line += QLatin1String("  Note: ");
    line += field(record, registryNote);
    return line;
}

QString book(const QStringList& record)
{
    QString line;
    line.reserve(130);
    line += column(record.value(titolo), 50);
    line += QLatin1String("  Data: ");
    line += column(record.value(data), 10);
    line += QLatin1String("  Location: ");
    line += column(record.value(location), 30);
    line += QLatin1String("  Note:  ");
    line += field(record, bookNote);
    return line;
}

} // namespace lumidex::resultline
