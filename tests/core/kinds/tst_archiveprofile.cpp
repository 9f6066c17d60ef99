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

// Which lookup a marker goes through.
enum class Lookup { Card, Open, Date };
constexpr int noKind = -1;

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

    // A dialog learns its opener from the marker in its memory label; only the
    // markers of the table name a kind, exactly as written.
    void markersNameTheirKindExactly_data()
    {
        QTest::addColumn<int>("lookup");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("kind");
        QTest::newRow("card: registry") << int(Lookup::Card) << QStringLiteral("anagrafica")
                                        << int(ArchiveKind::Registry);
        QTest::newRow("card: men") << int(Lookup::Card) << QStringLiteral("bookuomini") << int(ArchiveKind::MenBook);
        QTest::newRow("card: women") << int(Lookup::Card) << QStringLiteral("bookdonne") << int(ArchiveKind::WomenBook);
        QTest::newRow("card: blanks around") << int(Lookup::Card) << QStringLiteral(" bookdonne ") << noKind;
        QTest::newRow("card: another case") << int(Lookup::Card) << QStringLiteral("Anagrafica") << noKind;
        QTest::newRow("card: an open marker") << int(Lookup::Card) << QStringLiteral("uomini") << noKind;
        QTest::newRow("card: none") << int(Lookup::Card) << QString() << noKind;
        QTest::newRow("open: men") << int(Lookup::Open) << QStringLiteral("uomini") << int(ArchiveKind::MenBook);
        QTest::newRow("open: women") << int(Lookup::Open) << QStringLiteral("donne") << int(ArchiveKind::WomenBook);
        QTest::newRow("open: the start marker") << int(Lookup::Open) << QStringLiteral("avvio") << noKind;
        QTest::newRow("open: none, though the registry has none") << int(Lookup::Open) << QString() << noKind;
        QTest::newRow("date: men") << int(Lookup::Date) << QStringLiteral("databookuomini")
                                   << int(ArchiveKind::MenBook);
        QTest::newRow("date: women") << int(Lookup::Date) << QStringLiteral("databookdonne")
                                     << int(ArchiveKind::WomenBook);
        QTest::newRow("date: a card marker") << int(Lookup::Date) << QStringLiteral("bookuomini") << noKind;
        QTest::newRow("date: a blank after") << int(Lookup::Date) << QStringLiteral("databookdonne ") << noKind;
        QTest::newRow("date: none") << int(Lookup::Date) << QString() << noKind;
    }
    void markersNameTheirKindExactly()
    {
        QFETCH(int, lookup);
        QFETCH(QString, marker);
        QFETCH(int, kind);
        std::optional<ArchiveKind> found;
        switch (Lookup(lookup)) {
        case Lookup::Card:
            found = kindOfCardMarker(marker);
            break;
        case Lookup::Open:
            found = kindOfOpenMarker(marker);
            break;
        case Lookup::Date:
            found = kindOfDateMarker(marker);
            break;
        }
        QCOMPARE(found ? int(*found) : noKind, kind);
    }
};

QTEST_GUILESS_MAIN(TestArchiveProfile)
#include "tst_archiveprofile.moc"
