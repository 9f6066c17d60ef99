#include "attachments/AttachmentFiles.h"
#include "books/BookNames.h"
#include "kinds/ArchiveProfile.h"
#include "report/CompCardReport.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "storage/ProgramFolder.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;
using namespace lumidex::test;

// Whatever an archive holds, the program reads and writes only in its own folder:
// an attached file's name leading out of the attachments folder is no attachment,
// and a book name that could lead out of the program folder is never accepted.
class TestCardNames : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString programDir() const { return m_root.filePath(QStringLiteral("Lumidex")); }
    QString attachments() const { return programfolder::attachmentsFolderPath(programDir()); }

    bool staysInTheProgramFolder(const QString& path) const
    {
        return QDir::cleanPath(path).startsWith(QDir::cleanPath(programDir()) + QLatin1Char('/'));
    }

private slots:
    void initTestCase()
    {
        // Pictures a name could lead to: one above the program folder, the store
        // beside the attachments folder, and one good attachment.
        QVERIFY(QDir().mkpath(attachments()));
        const QByteArray picture = encodeJpeg(markedImage(QSize(40, 30), Qt::blue));
        writeBytes(m_root.filePath(QStringLiteral("fuori.jpg")), picture);
        writeBytes(programDir() + QStringLiteral("/unins000.dll"), "[Accesso]\r\nValore=6C\r\n");
        writeBytes(attachments() + QStringLiteral("/buono.jpg"), picture);
    }

    void namesThatLeadOutOfTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("the password store") << "../unins000.dll";
        QTest::newRow("above the program folder") << "../../fuori.jpg";
        QTest::newRow("down and out again") << "a/../../../fuori.jpg";
        QTest::newRow("backslashes") << "..\\..\\fuori.jpg";
        QTest::newRow("mixed separators") << "..\\../fuori.jpg";
        QTest::newRow("a subfolder") << "Documenti_Allegati/buono.jpg";
        QTest::newRow("an absolute path") << m_root.filePath(QStringLiteral("fuori.jpg"));
        QTest::newRow("the parent folder, with blanks") << "  ..  ";
        QTest::newRow("the folder itself") << ".";
        QTest::newRow("a NUL cutting the name short") << QStringLiteral("..") + QChar(0) + QStringLiteral("x.jpg");
    }
    void namesThatLeadOutOfTheFolder()
    {
        QFETCH(QString, name);
        // The name as a card in the archive holds it, read back as every window reads it.
        const Archive archive(programfolder::registryArchivePath(programDir()), layouts::registry);
        QStringList values(layouts::registry.fieldCount());
        values[layouts::registry.indexOf("File01")] = name;
        values[layouts::registry.indexOf("File02")] = QStringLiteral("buono.jpg");
        const int position = archive.append(values);
        const QStringList card = archive.read(position);
        const QString stored = card.at(layouts::registry.indexOf("File01"));
        QCOMPARE(stored, name.trimmed());

        QVERIFY(!attachments::isAttachmentName(stored));
        QCOMPARE(attachments::attachedFilePath(programDir(), stored), QString());
        // The program itself never gives a card such a name.
        QVERIFY(!attachments::canStoreName(stored));
        // The comp card prints the good attachment only, though the other leads to a picture.
        QCOMPARE(report::attachedPictures(programDir(), { stored, card.at(layouts::registry.indexOf("File02")) }),
            QStringList { attachments() + QStringLiteral("/buono.jpg") });

        // The same text as a book name is refused, or its files stay in the folder.
        for (const ArchiveKind kind : { ArchiveKind::MenBook, ArchiveKind::WomenBook }) {
            if (!booknames::isAcceptable(name))
                continue;
            const ArchiveProfile& book = archiveProfile(kind);
            QVERIFY(staysInTheProgramFolder(book.bookPath(programDir(), name)));
            QVERIFY(staysInTheProgramFolder(book.photoPath(programDir(), name, QStringLiteral("1"))));
        }
    }

    void plainNamesAreAttachments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "contratto.pdf";
        QTest::newRow("blanks around") << "  buono.jpg ";
        QTest::newRow("dots inside") << "a..b.txt";
        QTest::newRow("three dots") << "...";
        QTest::newRow("a leading dot") << ".nascosto";
    }
    void plainNamesAreAttachments()
    {
        QFETCH(QString, name);
        QVERIFY(attachments::isAttachmentName(name));
        QCOMPARE(attachments::attachedFilePath(programDir(), name), attachments() + QLatin1Char('/') + name.trimmed());
    }
};

QTEST_GUILESS_MAIN(TestCardNames)
#include "tst_cardnames.moc"
