#include "compcard/AgencyLine.h"

#include "common/Text.h"
#include "storage/SafeWrite.h"

#include <QDir>
#include <QFile>

namespace lumidex::agencyline {

namespace {

// A line on one line: breaks and tabs typed or pasted in become blanks.
QString singleAgencyLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    return text::trimmed(line).left(maxLength);
}

} // namespace

QString filePath(const QString& programDir)
{
    return QDir(programDir).filePath(QLatin1String(fileName));
}

QString read(const QString& programDir)
{
    QFile file(filePath(programDir));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Whatever else the file may have come to hold, the line is its first.
    const QByteArray first = file.readLine(4 * maxLength + 2);
    return singleAgencyLine(QString::fromUtf8(first));
}

bool write(const QString& programDir, const QString& line, FailureCause* cause)
{
    return safewrite::replaceFile(filePath(programDir), singleAgencyLine(line).toUtf8() + '\n', cause);
}

} // namespace lumidex::agencyline
