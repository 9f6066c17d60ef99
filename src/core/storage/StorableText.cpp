#include "storage/StorableText.h"

#include "storage/TextField.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <utility>

namespace lumidex::storabletext {

namespace {

// Letters of European names that have no canonical decomposition, with the
// letter they are written as where the letter itself cannot be.
constexpr std::array<std::pair<char32_t, char16_t>, 12> plainLetters { {
    { U'ł', u'l' }, // Polish
    { U'Ł', u'L' }, { U'đ', u'd' }, // Croatian, Serbian, Vietnamese
    { U'Đ', u'D' }, { U'ı', u'i' }, // Turkish, Azerbaijani
    { U'ħ', u'h' }, // Maltese
    { U'Ħ', u'H' }, { U'ŧ', u't' }, // Northern Sami
    { U'Ŧ', u'T' }, { U'ŀ', u'l' }, // Catalan, as in "col·lecció"
    { U'Ŀ', u'L' }, { U'ſ', u's' }, // the long s of old spellings
} };

bool holds(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return textfield::isStorable(c); });
}

bool isMark(char32_t cp)
{
    switch (QChar::category(cp)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// Characters nobody sees: format characters (joiners, direction marks) and the
// variation selectors that choose between an emoji and a text glyph.
bool isInvisible(char32_t cp)
{
    return QChar::category(cp) == QChar::Other_Format || (cp >= 0xFE00 && cp <= 0xFE0F)
        || (cp >= 0xE0100 && cp <= 0xE01EF);
}

QString fromCodePoint(char32_t cp)
{
    return QString::fromUcs4(&cp, 1);
}

// The cluster without its invisible characters; the soft hyphen, which the code
// page holds, stays.
QString withoutInvisible(QStringView cluster)
{
    QString kept;
    for (const char32_t cp : cluster.toUcs4()) {
        if (!isInvisible(cp) || holds(fromCodePoint(cp)))
            kept += fromCodePoint(cp);
    }
    return kept;
}

} // namespace

QString plainForm(QStringView character)
{
    const QList<uint> points = character.toString().normalized(QString::NormalizationForm_D).toUcs4();
    if (points.isEmpty())
        return {};

    QString plain = fromCodePoint(points.front());
    if (!holds(plain)) {
        const auto* entry = std::find_if(plainLetters.begin(), plainLetters.end(),
            [&](const auto& letter) { return letter.first == points.front(); });
        if (entry == plainLetters.end())
            return {};
        plain = QChar(entry->second);
    }
    for (qsizetype i = 1; i < points.size(); ++i) {
        const char32_t cp = points[i];
        if (isInvisible(cp))
            continue;
        // A second base (an emoji sequence, a syllable of jamo) is not a letter
        // with marks: the character as a whole has no plain form.
        if (!isMark(cp))
            return {};
        // A mark stays where base and marks so far still compose into a letter
        // the code page holds: ǘ keeps its diaeresis, ệ its circumflex.
        const QString composed = (plain + fromCodePoint(cp)).normalized(QString::NormalizationForm_C);
        if (holds(composed))
            plain = composed;
    }
    return plain;
}

bool isStorable(QStringView text)
{
    return holds(text);
}

Result storableText(QStringView text, qsizetype cursor)
{
    Result result;
    if (holds(text)) {
        result.text = text.toString();
        result.cursor = qBound<qsizetype>(0, cursor, text.size());
        return result;
    }

    const QString source = text.toString();
    result.text.reserve(source.size());
    result.cursor = -1;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, source);
    qsizetype start = 0;
    while (start < source.size()) {
        qsizetype end = clusters.toNextBoundary();
        if (end <= start)
            end = source.size();
        const QStringView cluster = QStringView(source).sliced(start, end - start);
        const qsizetype outStart = result.text.size();

        if (holds(cluster)) {
            result.text += cluster;
        } else {
            const QString visible = withoutInvisible(cluster);
            const QString composed = visible.normalized(QString::NormalizationForm_C);
            if (holds(composed)) {
                result.text += composed;
            } else {
                const QString plain = plainForm(composed);
                // Named as it arrived, joiners and selectors included, so that
                // the user reads the character as it was typed.
                result.changes.append(
                    { cluster.toString().normalized(QString::NormalizationForm_C), plain, result.text.size() });
                result.text += plain;
            }
        }
        // A cursor inside a cluster stands after what the cluster became.
        if (result.cursor < 0 && cursor < end)
            result.cursor = cursor <= start ? outStart : result.text.size();
        start = end;
    }
    if (result.cursor < 0)
        result.cursor = result.text.size();
    return result;
}

} // namespace lumidex::storabletext
