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

// The words of one text, read again and again into the same buffers: a scan
// of every card allocates nothing once they have grown.
class WordList {
public:
    void read(QByteArrayView codePageText);

    qsizetype size() const { return qsizetype(m_words.size()); }
    const Word& at(qsizetype i) const { return m_words[std::size_t(i)]; }
    QByteArrayView text(qsizetype i) const { return text(at(i)); }
    QByteArrayView text(const Word& word) const { return { m_text.data() + word.begin, word.size }; }

    // Where a run of words that belong together ends, from `first`: past the
    // words an elision joins to it, or past the digit groups of one number.
    qsizetype elisionEnd(qsizetype first) const;
    qsizetype numberEnd(qsizetype first) const;

private:
    std::vector<char> m_text;
    std::vector<Word> m_words;
};

// How many digits of `digits` are the country code of an Italian number: a
// leading "0039", or a leading "39" after a "+"; 0 when there is none, or when
// nothing would follow it.
qsizetype italianCodeLength(QByteArrayView digits, bool plusBefore);

// Every word a card field is found by: its words, the halves of an elision
// written together ("dangelo"), and, in a field that holds phone numbers, the
// digits of a number written together from each of its groups on ("3331234567",
// "1234567"), also without the country code. A word may come twice.
class FieldWords {
public:
    void read(QByteArrayView codePageText, bool phoneNumbers);

    qsizetype size() const { return qsizetype(m_spans.size()); }
    QByteArrayView at(qsizetype i) const
    {
        const Span& span = m_spans[std::size_t(i)];
        return { m_joined.data() + span.begin, span.size };
    }

private:
    struct Span {
        qsizetype begin;
        qsizetype size;
    };
    void add(QByteArrayView word);
    // Adds the words from `first` to `end` written together.
    void addTogether(qsizetype first, qsizetype end);
    // Adds the word of `span` from its character `from` on.
    void addTail(qsizetype span, qsizetype from);

    WordList m_words;
    std::vector<char> m_joined;
    std::vector<Span> m_spans;
};

} // namespace lumidex::findwords
