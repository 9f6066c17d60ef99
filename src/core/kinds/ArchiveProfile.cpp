#include "kinds/ArchiveProfile.h"

#include "export/ExportTable.h"
#include "find/FindFields.h"
#include "report/CardLayouts.h"
#include "search/SearchForm.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/ProgramFolder.h"
#include "texts/BookTexts.h"
#include "texts/RegistryTexts.h"

#include <QDir>

namespace lumidex {

namespace {

constexpr int registryField(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

constexpr int bookField(std::string_view name)
{
    return layouts::book.indexOf(name);
}

ArchiveProfile registryProfile()
{
    return {
        .kind = ArchiveKind::Registry,
        .archiveFileName = QString::fromLatin1(programfolder::registryArchiveName),
        .bookExtension = {},
        .bookSearchPattern = {},
        .layout = layouts::registry,
        .editFieldCount = layouts::registryEditFields,
        .photoFolder = QString::fromLatin1(programfolder::registryPhotoFolder),
        .cardMarker = QStringLiteral("anagrafica"),
        .openMarker = {},
        .dateMarker = {},
        .editorCaption = QStringLiteral(" Lumidex - Archivio Anagrafico"),
        .menuCaption = {},
        .slideshowCaption = QStringLiteral(" Slide Show Archivio Anagrafico"),
        .placeholderPicture = QStringLiteral(":/pictures/ritratto-anagrafica.svg"),
        .figurePicture = QStringLiteral(":/pictures/avvio-anagrafica.svg"),
        .figureName = {},
        .menuTitlePicture = {},
        .menuIllustration = {},
        .requiredFields = {
            { registryField("Nome"), registrytext::nameRequired() },
            { registryField("Sesso"), registrytext::sexRequired() },
            { registryField("Cittadinanza"), registrytext::citizenshipRequired() },
        },
        .previewBeforePrint = false,
        .sheet = CardSheet::CompCard,
        .webOutput = WebOutput::Package,
        .search = searchform::registry(),
        .find = findfields::registry(),
        .exportTable = exporttable::registry(),
        .cardLayout = &report::registryCardLayout,
        .filledCard = &report::filledRegistryCard,
        .helpPage = HelpPage::Registry,
    };
}

// What tells the men's books from the women's; everything else about a book
// side is the same for both (bookProfile).
struct SideFacts {
    ArchiveKind kind;
    const char* extension;
    const char* photoFolder;
    const char* cardMarker;
    const char* openMarker;
    const char* dateMarker;
    const char* editorCaption;
    const char* menuCaption;
    const char* placeholderPicture;
    const char* figurePicture;
    const char* figureName;
    const char* menuTitlePicture;
    const char* menuIllustration;
};

constexpr SideFacts menSide {
    .kind = ArchiveKind::MenBook,
    .extension = ".men",
    .photoFolder = programfolder::menPhotoFolder,
    .cardMarker = "bookuomini",
    .openMarker = "uomini",
    .dateMarker = "databookuomini",
    .editorCaption = " Lumidex - Book fotografico uomini",
    .menuCaption = " Lumidex - Book Uomini",
    .placeholderPicture = ":/pictures/ritratto-uomo.svg",
    .figurePicture = ":/pictures/figura-uomo.svg",
    .figureName = "icoUomo",
    .menuTitlePicture = ":/pictures/titolo-book-uomini.svg",
    .menuIllustration = ":/pictures/illustrazione-book-uomini.svg",
};

constexpr SideFacts womenSide {
    .kind = ArchiveKind::WomenBook,
    .extension = ".wmn",
    .photoFolder = programfolder::womenPhotoFolder,
    .cardMarker = "bookdonne",
    .openMarker = "donne",
    .dateMarker = "databookdonne",
    .editorCaption = " Lumidex - Book fotografico donne",
    .menuCaption = " Lumidex - Book Donne",
    .placeholderPicture = ":/pictures/ritratto-donna.svg",
    .figurePicture = ":/pictures/figura-donna.svg",
    .figureName = "icoDonna",
    .menuTitlePicture = ":/pictures/titolo-book-donne.svg",
    .menuIllustration = ":/pictures/illustrazione-book-donne.svg",
};

ArchiveProfile bookProfile(const SideFacts& side)
{
    const QString extension = QString::fromLatin1(side.extension);
    return {
        .kind = side.kind,
        .archiveFileName = {},
        .bookExtension = extension,
        .bookSearchPattern = QLatin1Char('*') + extension,
        .layout = layouts::book,
        .editFieldCount = layouts::bookEditFields,
        .photoFolder = QString::fromLatin1(side.photoFolder),
        .cardMarker = QString::fromLatin1(side.cardMarker),
        .openMarker = QString::fromLatin1(side.openMarker),
        .dateMarker = QString::fromLatin1(side.dateMarker),
        .editorCaption = QString::fromLatin1(side.editorCaption),
        .menuCaption = QString::fromLatin1(side.menuCaption),
        .slideshowCaption = QStringLiteral(" Slide Show Book Fotografico"),
        .placeholderPicture = QString::fromLatin1(side.placeholderPicture),
        .figurePicture = QString::fromLatin1(side.figurePicture),
        .figureName = QString::fromLatin1(side.figureName),
        .menuTitlePicture = QString::fromLatin1(side.menuTitlePicture),
        .menuIllustration = QString::fromLatin1(side.menuIllustration),
        .requiredFields = {
            { bookField("Titolo"), booktext::titleRequired() },
            { bookField("Data"), booktext::dateRequired() },
            { bookField("Location"), booktext::locationRequired() },
        },
        .previewBeforePrint = true,
        .sheet = CardSheet::ContactSheet,
        .webOutput = WebOutput::Gallery,
        .search = searchform::book(),
        .find = findfields::book(),
        .exportTable = exporttable::book(),
        .cardLayout = &report::bookCardLayout,
        .filledCard = &report::filledBookEntry,
        .helpPage = HelpPage::Books,
    };
}

} // namespace

const ArchiveProfile& archiveProfile(ArchiveKind kind)
{
    static const ArchiveProfile registry = registryProfile();
    static const ArchiveProfile men = bookProfile(menSide);
    static const ArchiveProfile women = bookProfile(womenSide);
    switch (kind) {
    case ArchiveKind::Registry:
        break;
    case ArchiveKind::MenBook:
        return men;
    case ArchiveKind::WomenBook:
        return women;
    }
    return registry;
}

QString ArchiveProfile::archivePath(const QString& programDir) const
{
    return archiveFileName.isEmpty() ? QString() : QDir(programDir).filePath(archiveFileName);
}

QString ArchiveProfile::bookPath(const QString& programDir, const QString& bookName) const
{
    return QDir(programDir).filePath(bookName + bookExtension);
}

QString ArchiveProfile::photoPath(const QString& programDir, const QString& bookName, const QString& position) const
{
    if (!isBook(kind))
        return photofiles::registryPhotoPath(programDir, position);
    return photofiles::bookPhotoPath(programDir, photoFolder, bookName, position);
}

} // namespace lumidex
