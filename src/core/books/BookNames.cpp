#include "books/BookNames.h"

#include <QFile>
#include <QString>

namespace lumidex::booknames {

namespace {

const QString& filteredKeys()
{
    static const QString keys = QStringLiteral("\"*/:<>?\\°ÇÑçñ");
    return keys;
}

} // namespace

bool isFilteredKey(QChar c)
{
    return filteredKeys().contains(c);
}

bool isAcceptable(QStringView name)
{
    for (const QChar c : name) {
        if (isFilteredKey(c) || c == QLatin1Char('|') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

qsizetype longestPhotoNameBytes(QStringView name)
{
    return QFile::encodeName(name.toString() + QStringLiteral("_Foto_0123456789.jpg")).size();
}

bool photoNamesFit(QStringView name, long nameMaxBytes)
{
    return longestPhotoNameBytes(name) <= nameMaxBytes;
}

QString bookNameOf(const QString& fileName)
{
    // Both extensions are a dot and three letters.
    return fileName.chopped(qMin<qsizetype>(4, fileName.size()));
}

} // namespace lumidex::booknames
