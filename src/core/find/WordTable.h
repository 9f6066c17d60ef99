#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

namespace lumidex {

// The distinct words of a run of cards, each with a number of its own, given
// in the order the words are first seen. A hundred thousand cards bring a
// couple of million words, most of them seen before (a town, a first name):
// each is looked up in a table of its own hash rather than kept again.
class WordTable {
public:
    WordTable();

    // The number of `word`, which is added when it is new.
    quint32 numberOf(QByteArrayView word);

    quint32 size() const { return quint32(m_start.size() - 1); }
    QByteArrayView word(quint32 number) const
    {
        return { m_text.data() + m_start[number], qsizetype(m_start[number + 1] - m_start[number]) };
    }
    // The numbers of the words in the order of their bytes.
    std::vector<quint32> inByteOrder() const;

private:
    static quint32 hashOf(QByteArrayView word);
    void grow();

    std::vector<char> m_text;
    // Where each word starts in m_text, and one past the last word's end.
    std::vector<quint32> m_start;
    std::vector<quint32> m_hashes;
    // Open addressing: a word's number plus one, or 0 for a free slot.
    std::vector<quint32> m_slots;
    quint32 m_mask = 0;
};

} // namespace lumidex
