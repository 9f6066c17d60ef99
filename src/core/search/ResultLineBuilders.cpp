#include "search/ResultLineBuilders.h"

#include "common/Text.h"
#include "storage/Layouts.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

#include <cstring>

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

// `value` is trimmed already, as a record's stored text is. Written straight
// into a line sized beforehand: a hundred thousand lines are built per search.
char* putColumn(char* out, QByteArrayView value, int width)
{
    const qsizetype kept = qMin(value.size(), qsizetype(width));
    if (kept > 0)
        std::memcpy(out, value.data(), std::size_t(kept));
    std::memset(out + kept, ' ', std::size_t(width - kept));
    return out + width;
}

template <std::size_t N> char* putLabel(char* out, const char (&label)[N])
{
    std::memcpy(out, label, N - 1);
    return out + N - 1;
}

// The columns and labels of a registry line, and of a book line, before the notes.
constexpr qsizetype registryFixed = 30 + 9 + 1 + 16 + 20 + 7 + 14 + 7 + 14 + 8;
constexpr qsizetype bookFixed = 50 + 8 + 10 + 12 + 30 + 9;

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
    QByteArray line(width, Qt::Uninitialized);
    putColumn(line.data(), textfield::toWindows1252(text::trimmedView(value)), width);
    return textfield::fromWindows1252(line);
}

void registry(const RecordView& record, QByteArray& line)
{
    const QByteArrayView notes = record.storedText(registryNote);
    line.resize(registryFixed + notes.size());
    char* out = line.data();
    out = putColumn(out, record.storedText(nome), 30);
    out = putLabel(out, "  Sesso: ");
    out = putColumn(out, record.storedText(sesso), 1);
    out = putLabel(out, "  Cittadinanza: ");
    out = putColumn(out, record.storedText(cittadinanza), 20);
    out = putLabel(out, "  Tel. ");
    out = putColumn(out, record.storedText(tel), 14);
    out = putLabel(out, "  Cel. ");
    out = putColumn(out, record.storedText(cellulare), 14);
    out = putLabel(out, "  Note: ");
    Q_ASSERT(out == line.data() + registryFixed);
    if (!notes.isEmpty())
        std::memcpy(out, notes.data(), std::size_t(notes.size()));
}

void book(const RecordView& record, QByteArray& line)
{
    const QByteArrayView notes = record.storedText(bookNote);
    line.resize(bookFixed + notes.size());
    char* out = line.data();
    out = putColumn(out, record.storedText(titolo), 50);
    out = putLabel(out, "  Data: ");
    out = putColumn(out, record.storedText(data), 10);
    out = putLabel(out, "  Location: ");
    out = putColumn(out, record.storedText(location), 30);
    out = putLabel(out, "  Note:  ");
    Q_ASSERT(out == line.data() + bookFixed);
    if (!notes.isEmpty())
        std::memcpy(out, notes.data(), std::size_t(notes.size()));
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
