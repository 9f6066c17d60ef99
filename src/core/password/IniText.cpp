#include "password/IniText.h"

#include <QList>

namespace lumidex::initext {

namespace {

struct Line {
    qsizetype begin; // first byte of the line
    qsizetype end; // one past its text, before the line end
    qsizetype next; // first byte of the next line
};

QList<Line> splitLines(QByteArrayView file)
{
    QList<Line> lines;
    qsizetype at = 0;
    while (at < file.size()) {
        qsizetype end = file.indexOf('\n', at);
        const qsizetype next = end < 0 ? file.size() : end + 1;
        if (end < 0)
            end = file.size();
        else if (end > at && file[end - 1] == '\r')
            --end;
        lines.append({ at, end, next });
        at = next;
    }
    return lines;
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool sameIniName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The text of a line, without a byte-order mark at the start of the file.
QByteArrayView textOf(QByteArrayView file, const Line& line)
{
    QByteArrayView text = file.sliced(line.begin, line.end - line.begin);
    if (line.begin == 0 && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    return trimmedBlanks(text);
}

// The section a line opens, if it opens one.
std::optional<QByteArrayView> sectionOf(QByteArrayView text)
{
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmedBlanks(text.sliced(1, close - 1));
}

struct Place {
    // Index of the key's line, or -1.
    qsizetype keyLine = -1;
    // Index of the last line that belongs to the section, or -1 when absent.
    qsizetype sectionEnd = -1;
};

Place find(QByteArrayView file, const QList<Line>& lines, QByteArrayView section, QByteArrayView key)
{
    Place place;
    bool inSection = false;
    bool sectionSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView text = textOf(file, lines[i]);
        if (const auto opened = sectionOf(text)) {
            // The first section of that name is the one read and written.
            inSection = !sectionSeen && sameIniName(*opened, section);
            sectionSeen = sectionSeen || inSection;
            if (inSection)
                place.sectionEnd = i;
            continue;
        }
        if (!inSection)
            continue;
        place.sectionEnd = i;
        if (text.startsWith(';') || text.startsWith('#'))
            continue;
        const qsizetype equals = text.indexOf('=');
        if (equals > 0 && sameIniName(trimmedBlanks(text.first(equals)), key)) {
            place.keyLine = i;
            return place;
        }
    }
    return place;
}

QByteArray lineEndOf(QByteArrayView file)
{
    const qsizetype lf = file.indexOf('\n');
    if (lf < 0 || (lf > 0 && file[lf - 1] == '\r'))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

} // namespace

std::optional<QByteArray> value(QByteArrayView file, QByteArrayView section, QByteArrayView key)
{
    const QList<Line> lines = splitLines(file);
    const Place place = find(file, lines, section, key);
    if (place.keyLine < 0)
        return std::nullopt;
    const QByteArrayView text = textOf(file, lines[place.keyLine]);
    QByteArrayView found = trimmedBlanks(text.sliced(text.indexOf('=') + 1));
    if (found.size() >= 2 && found.front() == '"' && found.back() == '"')
        found = found.sliced(1, found.size() - 2);
    return found.toByteArray();
}

QByteArray withValue(QByteArrayView file, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QList<Line> lines = splitLines(file);
    const Place place = find(file, lines, section, key);
    const QByteArray newLine = lineEndOf(file);
    const QByteArray keyLine = key.toByteArray() + '=' + value.toByteArray();

    QByteArray changed;
    if (place.keyLine >= 0) {
        // Everything up to the value (the key as the file spells it, the "=" and
        // the blanks after it) and the line's end stay; only the value changes.
        const Line& line = lines[place.keyLine];
        const QByteArrayView text = file.sliced(line.begin, line.end - line.begin);
        qsizetype start = text.indexOf('=') + 1;
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
            ++start;
        changed.append(file.first(line.begin + start));
        changed.append(value.toByteArray());
        changed.append(file.sliced(line.end));
        return changed;
    }
    if (place.sectionEnd >= 0) {
        const Line& last = lines[place.sectionEnd];
        changed.append(file.first(last.next));
        if (last.next == last.end)
            changed.append(newLine); // the section's last line had no line end
        changed.append(keyLine + newLine);
        changed.append(file.sliced(last.next));
        return changed;
    }
    changed.append(file);
    if (!file.isEmpty() && !file.endsWith('\n'))
        changed.append(newLine);
    changed.append('[' + section.toByteArray() + ']' + newLine + keyLine + newLine);
    return changed;
}

} // namespace lumidex::initext
