#include "search/ResultLines.h"

#include "search/LineOrder.h"
#include "storage/TextField.h"

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
    m_lines.push_back({ m_text.size(), line.size() });
    m_text.append(line);
    m_longest = qMax(m_longest, int(line.size()));
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
