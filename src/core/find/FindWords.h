#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

// The words the find as you type reads in a text of the archives' code page:
// the runs of letters and digits, each folded (findfold), and what stands
// between them. A card field and the text typed are read alike, so a word typed
// and a word of a card compare as plain bytes.
namespace lumidex::findwords {

struct Word {
    qsizetype begin = 0;
    qsizetype size = 0;
    bool digitsOnly = false;
    // What stands between the word and the one before it: only apostrophes (an
    // elision, "D'Angelo"), or only blanks and the marks a phone number is
    // written with ("333 123-4567"); `plusBefore` when a "+" is among them.
    bool afterElision = false;
    bool afterNumberGap = false;
    bool plusBefore = false;
};

// Bytes written one piece after the other into a buffer kept from one text to
// the next, and neither zeroed nor shrunk: a hundred thousand cards' fields
// pass through it.
class ByteRow {
public:
    void clear() { m_size = 0; }
    // Room for `more` bytes after those written; grow() says how many were.
    char* room(qsizetype more)
    {
        if (qsizetype(m_bytes.size()) < m_size + more)
            m_bytes.resize(std::size_t(qMax(m_size + more, 2 * m_size)));
        return m_bytes.data() + m_size;
    }
    void grow(qsizetype written) { m_size += written; }
    void cut(qsizetype size) { m_size = size; }
    qsizetype size() const { return m_size; }
    const char* data() const { return m_bytes.data(); }
    QByteArrayView bytes() const { return { m_bytes.data(), m_size }; }

private:
    std::vector<char> m_bytes;
    qsizetype m_size = 0;
};

// The words of one text, each after a mark of the caller's (a byte below "0",
// which no word holds), one after the other in one stream: the stream of a card
// field is what the index keeps of it. The same buffers are read into again and
// again: a scan of every card allocates nothing once they have grown.
class WordList {
public:
    // Reads the words of `codePageText`, each after `mark`.
    void read(QByteArrayView codePageText, char mark);

    qsizetype size() const { return qsizetype(m_words.size()); }
    const Word& at(qsizetype i) const { return m_words[std::size_t(i)]; }
    QByteArrayView text(qsizetype i) const { return text(at(i)); }
    QByteArrayView text(const Word& word) const { return { m_stream.data() + word.begin, word.size }; }

    // Where a run of words that belong together ends, from `first`: past the
    // words an elision joins to it, or past the digit groups of one number.
    qsizetype elisionEnd(qsizetype first) const;
    qsizetype numberEnd(qsizetype first) const;

    // Adds to the stream the other words a card field is found by: the halves
    // of an elision written together ("dangelo"), and, for a field that holds
    // phone numbers, the digits of a number written together from each of its
    // groups on ("3331234567", "1234567"), also without the country code. A
    // word may come twice.
    void addTogether(bool phoneNumbers);

    // The words read, and those added, each after its mark.
    QByteArrayView stream() const { return m_stream.bytes(); }

private:
    // Appends the words from `first` to `end` written together, from the
    // character `skip` of the first on.
    void appendTogether(qsizetype first, qsizetype end, qsizetype skip = 0);

    ByteRow m_stream;
    std::vector<Word> m_words;
    char m_mark = 0;
    // Whether a word follows an elision or the gap inside a number.
    bool m_joinable = false;
};

// Appends to `out` what the find index keeps of a card field: each of its
// words after `mark`, then the words WordList::addTogether adds. Where nothing
// is written together and no letter counts as two, the field is copied a byte
// for a byte, each letter as its plain letter and whatever stands between the
// words as `mark`; the words are the same. `words` is read into where a field
// needs the whole reading. `readableAfter` when sixteen bytes after the text
// may be read (the rest of its record), which saves a copy.
void appendFieldWords(QByteArrayView codePageText, bool phoneNumbers, char mark, WordList& words, ByteRow& out,
    bool readableAfter = false);

// How many digits of `digits` are the country code of an Italian number: a
// leading "0039", or a leading "39" after a "+"; 0 when there is none, or when
// nothing would follow it.
qsizetype italianCodeLength(QByteArrayView digits, bool plusBefore);

} // namespace lumidex::findwords
