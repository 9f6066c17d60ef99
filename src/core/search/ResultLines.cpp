#include "search/ResultLines.h"

#include "search/LineOrder.h"
#include "storage/TextField.h"

#include <cstring>

namespace lumidex {

ResultLines ResultLines::fromTexts(const QStringList& texts)
{
    ResultLines lines;
    for (const QString& text : texts)
        lines.append(textfield::toWindows1252(text));
    return lines;
}

QString ResultLines::at(qsizetype line) const
{
    return textfield::fromWindows1252(bytes(line));
}

void ResultLines::text(qsizetype line, QString& into) const
{
    const QByteArrayView view = bytes(line);
    if (into.size() != view.size())
        into.resize(view.size());
    if (!view.isEmpty())
        textfield::fromWindows1252(view, into.data());
}

QStringList ResultLines::texts() const
{
    QStringList texts;
    texts.reserve(size());
    for (qsizetype line = 0; line < size(); ++line)
        texts.append(at(line));
    return texts;
}

void ResultLines::reserve(qsizetype lines, qsizetype bytes)
{
    m_lines.reserve(m_lines.size() + std::size_t(lines));
    m_text.reserve(m_text.size() + bytes);
}

void ResultLines::append(QByteArrayView line)
{
    const qsizetype at = m_text.size();
    // Grown by halves at least, and written by hand: a hundred thousand
    // appends through the general insertion cost more than the lines.
    if (m_text.capacity() < at + line.size())
        m_text.reserve(qMax(at + line.size(), at + at / 2 + 4096));
    m_text.resize(at + line.size());
    if (!line.isEmpty())
        std::memcpy(m_text.data() + at, line.data(), std::size_t(line.size()));
    m_lines.push_back({ at, line.size() });
    m_longest = qMax(m_longest, int(line.size()));
}

void ResultLines::append(const ResultLines& more)
{
    const qsizetype shift = m_text.size();
    m_text.append(more.m_text);
    m_lines.reserve(m_lines.size() + more.m_lines.size());
    for (const Line& line : more.m_lines)
        m_lines.push_back({ line.begin + shift, line.size });
    m_longest = qMax(m_longest, more.m_longest);
}

void ResultLines::sort()
{
    std::vector<QByteArrayView> views;
    views.reserve(m_lines.size());
    for (qsizetype line = 0; line < size(); ++line)
        views.push_back(bytes(line));
    const std::vector<qsizetype> order = lineOrder(views);
    std::vector<Line> sorted;
    sorted.reserve(m_lines.size());
    for (const qsizetype line : order)
        sorted.push_back(m_lines[std::size_t(line)]);
    m_lines = std::move(sorted);
}

} // namespace lumidex
