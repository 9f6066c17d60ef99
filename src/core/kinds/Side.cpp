#include "kinds/Side.h"

#include "storage/ProgramFolder.h"

#include <QDir>

namespace lumidex {

namespace {

Side makeSide(bool men)
{
    const QString word = men ? QStringLiteral("uomini") : QStringLiteral("donne");
    const QString Word = men ? QStringLiteral("Uomini") : QStringLiteral("Donne");
    Side side;
    side.extension = men ? QStringLiteral(".men") : QStringLiteral(".wmn");
    side.searchPattern = QLatin1Char('*') + side.extension;
    side.photoFolder = QString::fromLatin1(men ? programfolder::menPhotoFolder : programfolder::womenPhotoFolder);
    side.openMarker = word;
    side.bookMarker = QStringLiteral("book") + word;
    side.dateMarker = QStringLiteral("databook") + word;
    side.menuCaption = QStringLiteral(" Lumidex - Book ") + Word;
    side.editorCaption = QStringLiteral(" Lumidex - Book fotografico ") + word;
    side.menuTitlePicture = QStringLiteral(":/pictures/titolo-book-%1.svg").arg(word);
    side.menuIllustration = QStringLiteral(":/pictures/illustrazione-book-%1.svg").arg(word);
    side.figureName = men ? QStringLiteral("icoUomo") : QStringLiteral("icoDonna");
    side.figurePicture
        = men ? QStringLiteral(":/pictures/figura-uomo.svg") : QStringLiteral(":/pictures/figura-donna.svg");
    side.placeholderPicture
        = men ? QStringLiteral(":/pictures/ritratto-uomo.svg") : QStringLiteral(":/pictures/ritratto-donna.svg");
    return side;
}

} // namespace

const Side& Side::men()
{
    static const Side side = makeSide(true);
    return side;
}

const Side& Side::women()
{
    static const Side side = makeSide(false);
    return side;
}

QString Side::bookPath(const QString& programDir, const QString& bookName) const
{
    return QDir(programDir).filePath(bookName + extension);
}

QString Side::bookNameOf(const QString& fileName)
{
    // Both extensions are a dot and three letters.
    return fileName.chopped(qMin<qsizetype>(4, fileName.size()));
}

} // namespace lumidex
