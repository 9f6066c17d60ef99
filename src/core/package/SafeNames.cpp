#include "package/SafeNames.h"

#include <QDir>
#include <QFileInfo>

namespace lumidex::package {

namespace {

bool refusedCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 32 || (u >= 0x7F && u <= 0x9F))
        return true;
    return QStringView(u"/\\:*?\"<>|").contains(c);
}

bool isWindowsDeviceName(const QString& name)
{
    // A device name is refused with any extension too ("NUL.txt").
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList devices { QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
        QStringLiteral("NUL") };
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
        && stem.at(3) >= u'1' && stem.at(3) <= u'9';
}

QString trimmedOfDotsAndBlanks(const QString& name)
{
    qsizetype first = 0;
    qsizetype last = name.size();
    const auto strip = [](QChar c) { return c == u'.' || c == u' ' || c == u'_'; };
    while (first < last && strip(name.at(first)))
        ++first;
    while (last > first && strip(name.at(last - 1)))
        --last;
    return name.mid(first, last - first);
}

} // namespace

QString safeFileName(QStringView name, const QString& fallback)
{
    QString safe;
    safe.reserve(name.size());
    for (QChar c : name) {
        if (refusedCharacter(c))
            c = u'_';
        if (c == u'.' && safe.endsWith(u'.'))
            continue;
        if (c == u'_' && safe.endsWith(u'_'))
            continue;
        safe.append(c);
    }
    safe = trimmedOfDotsAndBlanks(safe);
    if (safe.size() > maxSafeNameLength) {
        qsizetype cut = maxSafeNameLength;
        // Never half a character outside the basic plane.
        if (safe.at(cut - 1).isHighSurrogate())
            --cut;
        safe = trimmedOfDotsAndBlanks(safe.left(cut));
    }
    if (safe.isEmpty())
        return fallback;
    if (isWindowsDeviceName(safe))
        safe.prepend(u'_');
    return safe;
}

QString datedFolderName(QStringView name, const QString& fallback, const QDate& date)
{
    return safeFileName(name, fallback) + QLatin1Char('_') + date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString freeName(const QString& parentDir, const QString& base, const QString& extension)
{
    const QStringList taken = QDir(parentDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const auto isTaken = [&taken](const QString& name) { return taken.contains(name, Qt::CaseInsensitive); };
    QString name = base + extension;
    for (int n = 2; isTaken(name); ++n)
        name = base + QStringLiteral(" (%1)").arg(n) + extension;
    return name;
}

QString createFreeFolder(const QString& parentDir, const QString& base)
{
    QDir parent(parentDir);
    if (!parent.mkpath(QStringLiteral(".")))
        return {};
    // Another program may take a name between the look and the creation: mkdir
    // refuses an existing folder, so the next free name is tried.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString name = freeName(parentDir, base);
        if (parent.mkdir(name))
            return parent.absoluteFilePath(name);
        if (!QFileInfo::exists(parent.absoluteFilePath(name)))
            return {};
    }
    return {};
}

} // namespace lumidex::package
