#include "search/CollationLearner.h"

#include "storage/TextField.h"

#include <QCollator>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QSet>
#include <QString>
#include <algorithm>
#include <map>

namespace lumidex {

namespace {

// The pairs a collator may read as one unit: the Catalan "l·" of the root
// collation, which every locale inherits. Any other pair of these characters
// sorts as its two characters do (the tests check every pair).
constexpr std::array<std::array<uchar, 2>, 2> candidatePairs { { { 'l', 0xB7 }, { 'L', 0xB7 } } };
constexpr int unitCount = 256 + int(candidatePairs.size());

// Weights on the finer levels leave room between two known ones for those the
// collator has that no single probe shows ("ð" is "d" with a weight of its own).
constexpr int weightStep = 256;

int signOf(int value)
{
    return (value > 0) - (value < 0);
}

// What the collator says about two texts, on all levels or on the first two.
class Oracle {
public:
    explicit Oracle(const QCollator& collator)
        : m_full(collator)
        , m_secondary(collator)
    {
        m_secondary.setCaseSensitivity(Qt::CaseInsensitive);
    }

    int full(const QString& a, const QString& b) const { return order(m_full, a, b); }
    int secondary(const QString& a, const QString& b) const { return order(m_secondary, a, b); }

    // Whether the texts have the same letters: then a letter after them decides
    // between them either way, whatever their accents and case.
    bool samePrimary(const QString& a, const QString& b) const
    {
        static const std::array<std::array<QString, 2>, 2> probes { { { QStringLiteral("a"), QStringLiteral("b") },
            { QStringLiteral("y"), QStringLiteral("z") } } };
        for (const auto& [low, high] : probes) {
            if (full(a + high, b + low) <= 0 || full(a + low, b + high) >= 0)
                return false;
        }
        return true;
    }

    int primary(const QString& a, const QString& b) const
    {
        const int order = full(a, b);
        return order == 0 || samePrimary(a, b) ? 0 : order;
    }

private:
    // QCollator puts an empty text before any other without collating, even one
    // that weighs nothing; the weights need what collating would say.
    static int order(const QCollator& collator, const QString& a, const QString& b)
    {
        if (!a.isEmpty() && !b.isEmpty())
            return signOf(collator.compare(a, b));
        if (a.isEmpty() && b.isEmpty())
            return 0;
        const QString& other = a.isEmpty() ? b : a;
        const QString letter = QStringLiteral("a");
        const int weighs = collator.compare(letter, other + letter) == 0 ? 0 : 1;
        return a.isEmpty() ? -weighs : weighs;
    }

    QCollator m_full;
    QCollator m_secondary;
};

// Texts that compare equal under some order, in that order.
using Groups = QList<QStringList>;

template <typename Less, typename Same> Groups sortedGroups(QStringList texts, Less less, Same same)
{
    std::stable_sort(texts.begin(), texts.end(), less);
    Groups groups;
    for (const QString& text : std::as_const(texts)) {
        if (groups.isEmpty() || !same(groups.last().first(), text))
            groups.append(QStringList());
        groups.last().append(text);
    }
    return groups;
}

// One element of a unit as the secondary level sees it: on a letter (`atom`),
// or an accent after one (atom -1). `candidate` is 0 for the plain weight of
// the letter, g + 1 for the accent of mark group g, -1 where no probe has it.
struct Element {
    int atom = -1;
    int candidate = 0;
};

// A weight no probe has, placed between two that probes have; units with the
// same one are ordered among themselves by asking the collator.
struct Unseen {
    int after = -1; // the candidate just below it, -1 for below them all
    QString group; // units that may meet on it share the group
    int unit = 0;
};

class Learner {
public:
    explicit Learner(const QCollator& collator)
        : m_oracle(collator)
    { }

    std::optional<CollationTable> learn();

private:
    bool findLetters();
    std::optional<QList<int>> lettersOf(const QString& text) const;
    bool findMarks();
    bool findAccents(int unit);
    bool findForms(int unit);
    bool placeUnseen(QList<Unseen>& unseen, int level);
    const Groups& formsOfLetter(int atom);
    CollationTable::Unit unitWeights(int unit) const;
    bool agreesWithCollator(const CollationTable& table) const;

    Oracle m_oracle;
    QStringList m_units;
    // The letters, each a text of one primary weight, in order; weight = index + 1.
    QStringList m_atoms;
    Groups m_letterClasses;
    QHash<int, int> m_classOfAtom;
    // Accents with one secondary weight each, grouped by weight, in order.
    Groups m_marks;
    QList<Groups> m_markForms;
    QString m_highestMarks;
    QHash<int, Groups> m_formsOfLetter;

    struct Learnt {
        QList<int> atoms;
        QList<Element> elements;
        int unseenSecondaryAt = -1;
        // -1 where the weight is an unseen one.
        QList<int> tertiary;
    };
    std::vector<Learnt> m_learnt;
    QList<Unseen> m_unseenSecondary;
    QList<Unseen> m_unseenTertiary;
    // Which weight each unseen weight became, by level and unit.
    std::map<std::pair<int, int>, quint16> m_unseenWeight;
};

std::optional<CollationTable> Learner::learn()
{
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        m_units.append(textfield::fromWindows1252(QByteArrayView(&c, 1)));
    }
    for (const auto& pair : candidatePairs)
        m_units.append(textfield::fromWindows1252(QByteArrayView(reinterpret_cast<const char*>(pair.data()), 2)));

    if (!findLetters() || !findMarks())
        return std::nullopt;
    m_learnt.resize(std::size_t(m_units.size()));
    for (int unit = 0; unit < m_units.size(); ++unit) {
        const auto atoms = lettersOf(m_units.at(unit));
        if (!atoms)
            return std::nullopt;
        m_learnt[std::size_t(unit)].atoms = *atoms;
        if (!findAccents(unit))
            return std::nullopt;
    }
    if (!placeUnseen(m_unseenSecondary, 2))
        return std::nullopt;
    for (int unit = 0; unit < m_units.size(); ++unit) {
        if (!findForms(unit))
            return std::nullopt;
    }
    if (!placeUnseen(m_unseenTertiary, 3))
        return std::nullopt;

    std::array<CollationTable::Unit, 256> units;
    for (int byte = 0; byte < 256; ++byte)
        units[std::size_t(byte)] = unitWeights(byte);
    QList<CollationTable::Pair> pairs;
    for (std::size_t i = 0; i < candidatePairs.size(); ++i) {
        const CollationTable::Unit unit = unitWeights(256 + int(i));
        const CollationTable::Unit& first = units[candidatePairs[i][0]];
        const CollationTable::Unit& second = units[candidatePairs[i][1]];
        // A pair that is just its two characters needs no entry.
        const auto joined = [&](auto member) {
            QList<quint16> weights;
            for (const CollationTable::Unit* part : { &first, &second })
                for (const auto weight : part->*member)
                    if (weight != 0)
                        weights.append(weight);
            QList<quint16> own;
            for (const auto weight : unit.*member)
                if (weight != 0)
                    own.append(weight);
            return weights == own;
        };
        if (!joined(&CollationTable::Unit::primary) || !joined(&CollationTable::Unit::secondary)
            || !joined(&CollationTable::Unit::tertiary))
            pairs.append({ candidatePairs[i][0], candidatePairs[i][1], unit });
    }
    CollationTable table(units, pairs);
    if (!agreesWithCollator(table))
        return std::nullopt;
    return table;
}

// Sorts every character that can take part (those of the code page and what
// they decompose into) by its letters, then keeps as letters those that are
// not a smaller letter followed by more.
bool Learner::findLetters()
{
    QStringList probes;
    QSet<QChar> seen;
    for (const QString& unit : std::as_const(m_units)) {
        for (const QChar c : unit + unit.normalized(QString::NormalizationForm_KD)) {
            if (!seen.contains(c)) {
                seen.insert(c);
                probes.append(QString(c));
            }
        }
    }
    QStringList lettered;
    for (const QString& probe : std::as_const(probes))
        if (!m_oracle.samePrimary(probe, QString()))
            lettered.append(probe);
    m_letterClasses = sortedGroups(
        lettered, [&](const QString& a, const QString& b) { return m_oracle.primary(a, b) < 0; },
        [&](const QString& a, const QString& b) { return m_oracle.primary(a, b) == 0; });
    if (m_letterClasses.isEmpty())
        return false;
    for (QStringList& members : m_letterClasses)
        std::stable_sort(members.begin(), members.end(),
            [&](const QString& a, const QString& b) { return m_oracle.full(a, b) < 0; });

    const QString highest = m_letterClasses.last().first().repeated(CollationTable::maxWeights);
    for (int i = 0; i < m_letterClasses.size(); ++i) {
        const QString& first = m_letterClasses.at(i).first();
        // Below the last letter followed by the highest ones: it begins with that letter.
        if (!m_atoms.isEmpty() && m_oracle.primary(first, m_atoms.last() + highest) < 0)
            continue;
        m_classOfAtom.insert(int(m_atoms.size()), i);
        m_atoms.append(first);
    }
    return m_atoms.size() <= 255;
}

// The letters of `text`, found one after the other: each is the highest letter
// that keeps the letters so far at or below the text's.
std::optional<QList<int>> Learner::lettersOf(const QString& text) const
{
    QString built;
    QList<int> atoms;
    for (;;) {
        if (m_oracle.samePrimary(built, text))
            return atoms;
        if (atoms.size() == CollationTable::maxWeights)
            return std::nullopt;
        qsizetype low = 0;
        qsizetype high = m_atoms.size();
        while (low < high) {
            const qsizetype middle = (low + high) / 2;
            if (m_oracle.primary(built + m_atoms.at(middle), text) <= 0)
                low = middle + 1;
            else
                high = middle;
        }
        if (low == 0)
            return std::nullopt;
        built += m_atoms.at(low - 1);
        atoms.append(int(low - 1));
    }
}

// The combining accents, each one secondary weight with no letter, in the order
// of those weights; all come after the plain weight of a letter.
bool Learner::findMarks()
{
    QStringList marks;
    for (char16_t c = 0x0300; c < 0x0370; ++c) {
        const QString mark(QChar { c });
        if (mark.normalized(QString::NormalizationForm_D) != mark || !m_oracle.samePrimary(mark, QString())
            || m_oracle.secondary(mark, QString()) == 0)
            continue;
        marks.append(mark);
    }
    const QString a = QStringLiteral("a");
    m_marks = sortedGroups(
        marks, [&](const QString& x, const QString& y) { return m_oracle.secondary(a + x, a + y) < 0; },
        [&](const QString& x, const QString& y) { return m_oracle.secondary(a + x, a + y) == 0; });
    if (m_marks.isEmpty())
        return false;
    for (QStringList& members : m_marks) {
        std::stable_sort(members.begin(), members.end(),
            [&](const QString& x, const QString& y) { return m_oracle.full(a + x, a + y) < 0; });
        m_markForms.append(sortedGroups(
            members, [&](const QString& x, const QString& y) { return m_oracle.full(a + x, a + y) < 0; },
            [&](const QString& x, const QString& y) { return m_oracle.full(a + x, a + y) == 0; }));
    }
    m_highestMarks = m_marks.last().first().repeated(3);
    const QString lowest = m_marks.first().first();
    return m_oracle.secondary(lowest + a, a + lowest) > 0;
}

// The secondary weights of a unit, element after element: the plain weight of
// its next letter or an accent, whichever keeps a probe built so far at or below
// the unit, checked against the same probe with the highest accents after it.
bool Learner::findAccents(int unit)
{
    const QString& text = m_units.at(unit);
    Learnt& learnt = m_learnt[std::size_t(unit)];
    const QList<int>& atoms = learnt.atoms;
    const qsizetype letters = atoms.size();
    const auto rest = [&](qsizetype from, bool highest) {
        QString tail = highest ? m_highestMarks : QString();
        for (qsizetype i = from; i < letters; ++i) {
            tail += m_atoms.at(atoms.at(i));
            if (highest)
                tail += m_highestMarks;
        }
        return tail;
    };
    QString probe;
    qsizetype used = 0;
    for (;;) {
        if (m_oracle.secondary(probe + rest(used, false), text) == 0) {
            for (qsizetype i = used; i < letters; ++i)
                learnt.elements.append({ atoms.at(i), 0 });
            return true;
        }
        if (learnt.elements.size() >= CollationTable::maxWeights)
            return false;
        const auto piece = [&](int candidate) {
            return candidate == 0 ? m_atoms.at(atoms.at(used)) : m_marks.at(candidate - 1).first();
        };
        const auto after = [&](int candidate) { return candidate == 0 ? used + 1 : used; };
        int low = used < letters ? 0 : 1;
        int high = int(m_marks.size()) + 1;
        const int first = low;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (m_oracle.secondary(probe + piece(middle) + rest(after(middle), false), text) <= 0)
                low = middle + 1;
            else
                high = middle;
        }
        const int found = low - 1;
        if (found >= first && m_oracle.secondary(text, probe + piece(found) + rest(after(found), true)) <= 0) {
            learnt.elements.append({ found == 0 ? atoms.at(used) : -1, found });
            probe += piece(found);
            used = after(found);
            continue;
        }
        // A weight no probe has: on the next letter when it lies below every
        // accent, else an accent of its own. What follows it is met only by units
        // with the same weight at the same place, which the collator orders.
        const bool onLetter = used < letters && found < 1;
        QString group = QStringLiteral("%1/%2/").arg(found).arg(onLetter);
        for (const int atom : atoms)
            group += QString::number(atom) + QLatin1Char(',');
        for (const Element& element : std::as_const(learnt.elements))
            group += QStringLiteral("%1:%2,").arg(element.atom).arg(element.candidate);
        learnt.unseenSecondaryAt = int(learnt.elements.size());
        learnt.elements.append({ onLetter ? atoms.at(used) : -1, -1 });
        if (onLetter)
            ++used;
        for (qsizetype i = used; i < letters; ++i)
            learnt.elements.append({ atoms.at(i), 0 });
        m_unseenSecondary.append({ found < first ? -1 : found, group, unit });
        return learnt.elements.size() <= CollationTable::maxWeights;
    }
}

// Gives each unseen weight its place: just above the candidate below it, units
// of one group in the collator's order of the units, equal ones equal.
bool Learner::placeUnseen(QList<Unseen>& unseen, int level)
{
    std::stable_sort(unseen.begin(), unseen.end(),
        [](const Unseen& a, const Unseen& b) { return std::tie(a.after, a.group) < std::tie(b.after, b.group); });
    const auto order = [&](int a, int b) {
        return level == 2 ? m_oracle.secondary(m_units.at(a), m_units.at(b))
                          : m_oracle.full(m_units.at(a), m_units.at(b));
    };
    QHash<int, int> nextOffset;
    for (qsizetype begin = 0; begin < unseen.size();) {
        qsizetype end = begin;
        while (end < unseen.size() && unseen.at(end).after == unseen.at(begin).after
            && unseen.at(end).group == unseen.at(begin).group)
            ++end;
        std::stable_sort(unseen.begin() + begin, unseen.begin() + end,
            [&](const Unseen& a, const Unseen& b) { return order(a.unit, b.unit) < 0; });
        int& offset = nextOffset[unseen.at(begin).after];
        for (qsizetype i = begin; i < end; ++i) {
            if (i > begin && order(unseen.at(i - 1).unit, unseen.at(i).unit) != 0)
                ++offset;
            if (offset + 1 >= weightStep)
                return false;
            m_unseenWeight[{ level, unseen.at(i).unit }] = quint16((unseen.at(i).after + 1) * weightStep + offset + 1);
        }
        ++offset;
        begin = end;
    }
    return true;
}

// The forms of a letter with its plain accent weight ("a", "ª", "A"), grouped by
// their tertiary weight, in order.
const Groups& Learner::formsOfLetter(int atom)
{
    const auto known = m_formsOfLetter.constFind(atom);
    if (known != m_formsOfLetter.cend())
        return *known;
    const QString& plain = m_atoms.at(atom);
    QStringList forms;
    for (const QString& member : m_letterClasses.at(m_classOfAtom.value(atom)))
        if (m_oracle.secondary(member, plain) == 0)
            forms.append(member);
    return m_formsOfLetter[atom] = sortedGroups(
               forms, [&](const QString& a, const QString& b) { return m_oracle.full(a, b) < 0; },
               [&](const QString& a, const QString& b) { return m_oracle.full(a, b) == 0; });
}

// The tertiary weights of a unit, element after element, from the forms of each
// element's letter or accent, found as the secondary ones were.
bool Learner::findForms(int unit)
{
    const QString& text = m_units.at(unit);
    Learnt& learnt = m_learnt[std::size_t(unit)];
    const qsizetype count = learnt.elements.size();
    if (learnt.unseenSecondaryAt >= 0) {
        // Only units with the same unseen accent meet this one on the tertiary
        // level, and there the collator orders them as wholes.
        learnt.tertiary = QList<int>(count, weightStep);
        learnt.tertiary[0] = -1;
        m_unseenTertiary.append({ -1, QStringLiteral("s%1").arg(m_unseenWeight.at({ 2, unit })), unit });
        return true;
    }
    std::vector<const Groups*> forms;
    for (const Element& element : std::as_const(learnt.elements))
        forms.push_back(element.atom >= 0 ? &formsOfLetter(element.atom) : &m_markForms.at(element.candidate - 1));
    const auto rest = [&](qsizetype from, bool highest) {
        QString tail;
        for (qsizetype i = from; i < count; ++i)
            tail += highest ? forms[std::size_t(i)]->last().first() : forms[std::size_t(i)]->first().first();
        return tail;
    };
    QString probe;
    for (qsizetype i = 0; i < count; ++i) {
        if (m_oracle.full(probe + rest(i, false), text) == 0) {
            while (learnt.tertiary.size() < count)
                learnt.tertiary.append(weightStep);
            return true;
        }
        const Groups& options = *forms[std::size_t(i)];
        qsizetype low = 0;
        qsizetype high = options.size();
        while (low < high) {
            const qsizetype middle = (low + high) / 2;
            if (m_oracle.full(probe + options.at(middle).first() + rest(i + 1, false), text) <= 0)
                low = middle + 1;
            else
                high = middle;
        }
        const qsizetype found = low - 1;
        if (found >= 0 && m_oracle.full(text, probe + options.at(found).first() + rest(i + 1, true)) <= 0) {
            learnt.tertiary.append(int(found + 1) * weightStep);
            probe += options.at(found).first();
            continue;
        }
        QString group = QStringLiteral("t%1/%2/").arg(learnt.elements.at(i).atom).arg(learnt.elements.at(i).candidate);
        for (const int atom : std::as_const(learnt.atoms))
            group += QString::number(atom) + QLatin1Char(',');
        for (const Element& element : std::as_const(learnt.elements))
            group += QStringLiteral("%1:%2,").arg(element.atom).arg(element.candidate);
        for (const int weight : std::as_const(learnt.tertiary))
            group += QString::number(weight) + QLatin1Char(';');
        learnt.tertiary.append(-1);
        while (learnt.tertiary.size() < count)
            learnt.tertiary.append(weightStep);
        m_unseenTertiary.append({ int(found), group, unit });
        return true;
    }
    return m_oracle.full(probe, text) == 0;
}

CollationTable::Unit Learner::unitWeights(int unit) const
{
    const Learnt& learnt = m_learnt[std::size_t(unit)];
    CollationTable::Unit weights;
    for (qsizetype i = 0; i < learnt.atoms.size(); ++i)
        weights.primary[std::size_t(i)] = quint8(learnt.atoms.at(i) + 1);
    for (qsizetype i = 0; i < learnt.elements.size(); ++i) {
        const int candidate = learnt.elements.at(i).candidate;
        weights.secondary[std::size_t(i)]
            = candidate >= 0 ? quint16((candidate + 1) * weightStep) : m_unseenWeight.at({ 2, unit });
        const int tertiary = learnt.tertiary.at(i);
        weights.tertiary[std::size_t(i)] = tertiary >= 0 ? quint16(tertiary) : m_unseenWeight.at({ 3, unit });
    }
    return weights;
}

// Sorts every character alone and beside a few telling neighbours by the
// tables, and asks the collator about each two that end up side by side.
bool Learner::agreesWithCollator(const CollationTable& table) const
{
    const QByteArray neighbours = QByteArrayLiteral("aAlE1 ,'\xB7\xE0\xC0\xF0\x8C\xBC\xAD");
    QList<QByteArray> samples;
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        samples.append(one);
        for (const char neighbour : neighbours) {
            samples.append(one + neighbour);
            samples.append(neighbour + one);
        }
    }
    std::stable_sort(samples.begin(), samples.end(),
        [&](const QByteArray& a, const QByteArray& b) { return table.compare(a, b) < 0; });
    for (qsizetype i = 1; i < samples.size(); ++i) {
        const int expected = signOf(table.compare(samples.at(i - 1), samples.at(i)));
        if (m_oracle.full(textfield::fromWindows1252(samples.at(i - 1)), textfield::fromWindows1252(samples.at(i)))
            != expected)
            return false;
    }
    return true;
}

} // namespace

std::optional<CollationTable> learnCollationTable(const QCollator& collator)
{
    return Learner(collator).learn();
}

const CollationTable* italianCollationTable()
{
    static const std::optional<CollationTable> table
        = learnCollationTable(QCollator(QLocale(QLocale::Italian, QLocale::Italy)));
    return table ? &*table : nullptr;
}

} // namespace lumidex
