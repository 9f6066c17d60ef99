#include "kinds/ArchiveProfile.h"
#include "support/TestMetaTypes.h"

#include <QtTest>

using namespace lumidex;

namespace {

// What each kind is expected to have, written out here rather than taken from
// the program.
struct Expected {
    const char* row;
    ArchiveKind kind;
    const char* extension;
    const char* searchPattern;
    const char* photoFolder;
    const char* cardMarker;
    const char* openMarker;
    const char* dateMarker;
    const char* menuCaption;
    const char* editorCaption;
    const char* placeholderPicture;
};

constexpr Expected expectedKinds[] {
    {
        .row = "registry",
        .kind = ArchiveKind::Registry,
        .extension = "",
        .searchPattern = "",
        .photoFolder = "Anagrafica",
        .cardMarker = "anagrafica",
        .openMarker = "",
        .dateMarker = "",
        .menuCaption = "",
        .editorCaption = " Lumidex - Archivio Anagrafico",
        .placeholderPicture = ":/pictures/ritratto-anagrafica.svg",
    },
    {
        .row = "men",
        .kind = ArchiveKind::MenBook,
        .extension = ".men",
        .searchPattern = "*.men",
        .photoFolder = "Book_Uomini",
        .cardMarker = "bookuomini",
        .openMarker = "uomini",
        .dateMarker = "databookuomini",
        .menuCaption = " Lumidex - Book Uomini",
        .editorCaption = " Lumidex - Book fotografico uomini",
        .placeholderPicture = ":/pictures/ritratto-uomo.svg",
    },
    {
        .row = "women",
        .kind = ArchiveKind::WomenBook,
        .extension = ".wmn",
        .searchPattern = "*.wmn",
        .photoFolder = "Book_Donne",
        .cardMarker = "bookdonne",
        .openMarker = "donne",
        .dateMarker = "databookdonne",
        .menuCaption = " Lumidex - Book Donne",
        .editorCaption = " Lumidex - Book fotografico donne",
        .placeholderPicture = ":/pictures/ritratto-donna.svg",
    },
};

} // namespace

class TestArchiveProfile : public QObject {
    Q_OBJECT

private slots:
    void kindsDifferInFilesFoldersAndMarkers_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(expectedKinds)); ++i)
            QTest::newRow(expectedKinds[i].row) << i;
    }
    void kindsDifferInFilesFoldersAndMarkers()
    {
        QFETCH(int, index);
        const Expected& expected = expectedKinds[index];
        const ArchiveProfile& profile = archiveProfile(expected.kind);
        QCOMPARE(profile.kind, expected.kind);
        QCOMPARE(profile.bookExtension, QString::fromUtf8(expected.extension));
        QCOMPARE(profile.bookSearchPattern, QString::fromUtf8(expected.searchPattern));
        QCOMPARE(profile.photoFolder, QString::fromUtf8(expected.photoFolder));
        QCOMPARE(profile.cardMarker, QString::fromUtf8(expected.cardMarker));
        QCOMPARE(profile.openMarker, QString::fromUtf8(expected.openMarker));
        QCOMPARE(profile.dateMarker, QString::fromUtf8(expected.dateMarker));
        QCOMPARE(profile.menuCaption, QString::fromUtf8(expected.menuCaption));
        QCOMPARE(profile.editorCaption, QString::fromUtf8(expected.editorCaption));
        QCOMPARE(profile.placeholderPicture, QString::fromUtf8(expected.placeholderPicture));
    }

    void filesLieInTheProgramFolder_data()
    {
        QTest::addColumn<ArchiveKind>("kind");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("photo");
        QTest::newRow("registry") << ArchiveKind::Registry << QStringLiteral("/opt/lumidex")
                                  << QStringLiteral("/opt/lumidex/Archivio_Anagrafico.pro")
                                  << QStringLiteral("/opt/lumidex/Anagrafica/Scheda_7.jpg");
        QTest::newRow("men's book") << ArchiveKind::MenBook << QStringLiteral("/opt/lumidex")
                                    << QStringLiteral("/opt/lumidex/Estate.men")
                                    << QStringLiteral("/opt/lumidex/Book_Uomini/Estate_Foto_7.jpg");
        QTest::newRow("women's book, folder with a separator")
            << ArchiveKind::WomenBook << QStringLiteral("/opt/lumidex/") << QStringLiteral("/opt/lumidex/Estate.wmn")
            << QStringLiteral("/opt/lumidex/Book_Donne/Estate_Foto_7.jpg");
    }
    void filesLieInTheProgramFolder()
    {
        QFETCH(ArchiveKind, kind);
        QFETCH(QString, programDir);
        const ArchiveProfile& profile = archiveProfile(kind);
        // The registry is one archive; every book is one of its own, named after it.
        const QString archive
            = isBook(kind) ? profile.bookPath(programDir, QStringLiteral("Estate")) : profile.archivePath(programDir);
        QTEST(archive, "archive");
        QTEST(profile.photoPath(programDir, QStringLiteral(" Estate "), QStringLiteral("7 ")), "photo");
    }
};

QTEST_GUILESS_MAIN(TestArchiveProfile)
#include "tst_archiveprofile.moc"
