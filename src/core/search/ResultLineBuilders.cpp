#include "search/ResultLineBuilders.h"

#include "common/Text.h"
#include "storage/Layouts.h"
#include "storage/RecordView.h"
#include "storage/TextField.h"

#include <array>
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

// A column of a line: the field, its width, and the label that follows it.
struct LineColumn {
    int field;
    int width;
    QByteArrayView labelAfter;
};

// The columns of a line before its notes, which come whole after the last label.
template <std::size_t N> struct LineShape {
    std::array<LineColumn, N> columns;
    int notes;

    constexpr qsizetype fixedLength() const
    {
        qsizetype length = 0;
        for (const LineColumn& column : columns)
            length += column.width + column.labelAfter.size();
        return length;
    }
};

constexpr LineShape<5> registryLine { { { { nome, 30, "  Sesso: " }, { sesso, 1, "  Cittadinanza: " },
                                          { cittadinanza, 20, "  Tel. " }, { tel, 14, "  Cel. " },
                                          { cellulare, 14, "  Note: " } } },
    registryNote };
constexpr LineShape<3> bookLine {
    { { { titolo, 50, "  Data: " }, { data, 10, "  Location: " }, { location, 30, "  Note:  " } } }, bookNote
};
static_assert(registryLine.fixedLength() == 126 && bookLine.fixedLength() == 119);

template <std::size_t N> void buildResultLine(const LineShape<N>& shape, const RecordView& record, QByteArray& line)
{
    const QByteArrayView notes = record.storedText(shape.notes);
    line.resize(shape.fixedLength() + notes.size());
    char* out = line.data();
    for (const LineColumn& column : shape.columns) {
        out = putColumn(out, record.storedText(column.field), column.width);
        std::memcpy(out, column.labelAfter.data(), std::size_t(column.labelAfter.size()));
        out += column.labelAfter.size();
    }
    if (!notes.isEmpty())
        std::memcpy(out, notes.data(), std::size_t(notes.size()));
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
    QByteArray line(width, Qt::Uninitialized);
    putColumn(line.data(), textfield::toWindows1252(text::trimmedView(value)), width);
    return textfield::fromWindows1252(line);
}

void registry(const RecordView& record, QByteArray& line)
{
    buildResultLine(registryLine, record, line);
}

void book(const RecordView& record, QByteArray& line)
{
    buildResultLine(bookLine, record, line);
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
