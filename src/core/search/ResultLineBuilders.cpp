#include "search/ResultLineBuilders.h"

#include "common/Text.h"
#include "storage/Layouts.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

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

// `value` is trimmed already, as a record's stored text is.
void appendColumn(QByteArray& line, QByteArrayView value, int width)
{
    const QByteArrayView text = value.first(qMin(value.size(), qsizetype(width)));
    line.append(text);
    line.append(width - text.size(), ' ');
}

QString lineOf(const RecordLayout& layout, const QStringList& values, LineBuilder build)
{
    const QByteArray record = layout.encode(values);
    QByteArray line;
    build(RecordView(layout, record), line);
    return textfield::fromWindows1252(line);
}

} // namespace

QString column(QStringView value, int width)
{
    QByteArray line;
    appendColumn(line, textfield::toWindows1252(text::trimmedView(value)), width);
    return textfield::fromWindows1252(line);
}

void registry(const RecordView& record, QByteArray& line)
{
    line.resize(0);
    appendColumn(line, record.storedText(nome), 30);
    line.append("  Sesso: ");
    appendColumn(line, record.storedText(sesso), 1);
    line.append("  Cittadinanza: ");
    appendColumn(line, record.storedText(cittadinanza), 20);
    line.append("  Tel. ");
    appendColumn(line, record.storedText(tel), 14);
    line.append("  Cel. ");
    appendColumn(line, record.storedText(cellulare), 14);
    line.append("  Note: ");
    line.append(record.storedText(registryNote));
}

void book(const RecordView& record, QByteArray& line)
{
    line.resize(0);
    appendColumn(line, record.storedText(titolo), 50);
    line.append("  Data: ");
    appendColumn(line, record.storedText(data), 10);
    line.append("  Location: ");
    appendColumn(line, record.storedText(location), 30);
    line.append("  Note:  ");
    line.append(record.storedText(bookNote));
}

QString registry(const QStringList& values)
{
    return lineOf(layouts::registry, values, &registry);
}

QString book(const QStringList& values)
{
    return lineOf(layouts::book, values, &book);
}

} // namespace lumidex::resultline
