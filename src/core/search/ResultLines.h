#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumidex {

// The result lines of a search, kept as the archive keeps its text: one byte a
// character in the code page, every line in one buffer. A hundred thousand
// lines are then a few allocations of half the size of as many strings, they
// sort straight from their bytes, and a line becomes a string only when it is
// shown, printed or looked through.
class ResultLines {
public:
    ResultLines() = default;
    // Lines already in text form; a character the code page cannot hold reads
    // as "?", as it would in a card.
    static ResultLines fromTexts(const QStringList& texts);

    qsizetype size() const { return qsizetype(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }
    QByteArrayView bytes(qsizetype line) const
    {
        const Line& at = m_lines[std::size_t(line)];
        return QByteArrayView(m_text.constData() + at.begin, at.size);
    }
    QString at(qsizetype line) const;
    // The same into `into`, reusing its buffer: a pass over every line
    // allocates nothing once the buffer has grown.
    void text(qsizetype line, QString& into) const;
    QStringList texts() const;
    // The length of the longest line, in characters.
    int longest() const { return m_longest; }

    // Room for `lines` more lines of `bytes` characters in all.
    void reserve(qsizetype lines, qsizetype bytes);
    void append(QByteArrayView line);
    // Every line of `more` after these, in its order.
    void append(const ResultLines& more);
    // Puts the lines in the order an Italian reader expects (see LineOrder.h).
    void sort();

private:
    struct Line {
        qsizetype begin;
        qsizetype size;
    };
    QByteArray m_text;
    std::vector<Line> m_lines;
    int m_longest = 0;
};

} // namespace lumidex
