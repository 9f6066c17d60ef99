#include "backup/ChecksumList.h"

#include <QSet>

namespace lumidex::backup::checksumlist {

namespace {

QByteArray escapedName(const QByteArray& name, bool& escaped)
{
    escaped = name.contains('\\') || name.contains('\n');
    if (!escaped)
        return name;
    QByteArray out;
    out.reserve(name.size() + 8);
    for (const char c : name) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<QByteArray> unescapedName(QByteArrayView name)
{
    QByteArray out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            out += name[i];
            continue;
        }
        if (++i == name.size())
            return std::nullopt;
        if (name[i] == '\\')
            out += '\\';
        else if (name[i] == 'n')
            out += '\n';
        else
            return std::nullopt;
    }
    return out;
}

} // namespace

QByteArray format(const QList<Line>& lines)
{
    QByteArray text;
    for (const Line& line : lines) {
        bool escaped = false;
        const QByteArray name = escapedName(line.path.toUtf8(), escaped);
        if (escaped)
            text += '\\';
        text += line.sha256.toHex();
        text += "  ";
        text += name;
        text += '\n';
    }
    return text;
}

std::optional<QList<Line>> parse(QByteArrayView text)
{
    QList<Line> lines;
    QSet<QString> seen;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(at, end - at);
        at = end + 1;
        const bool escaped = line.startsWith('\\');
        if (escaped)
            line = line.sliced(1);
        // 64 hexadecimal digits, a blank, and " " or "*" (text or binary reading).
        if (line.size() < 67 || line.at(64) != ' ' || (line.at(65) != ' ' && line.at(65) != '*'))
            return std::nullopt;
        const QByteArrayView hex = line.first(64);
        for (const char c : hex)
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
                return std::nullopt;
        std::optional<QByteArray> name = escaped ? unescapedName(line.sliced(66)) : line.sliced(66).toByteArray();
        if (!name || name->isEmpty())
            return std::nullopt;
        const QString path = QString::fromUtf8(*name);
        if (seen.contains(path))
            return std::nullopt;
        seen.insert(path);
        lines.append({ path, QByteArray::fromHex(hex.toByteArray()) });
    }
    return lines;
}

} // namespace lumidex::backup::checksumlist
